#pragma once

#include <Qt>

namespace quillo::qt {

// The key code that KeyDown and KeyUp report for a Qt key: the Windows virtual-key code
// (letters 65-90, digits 48-57, Enter 13, Escape 27, arrows 37-40, F1 112, ...). Shifted
// punctuation reports its unshifted key. 0 for a key with no such code.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift bits of the mouse and key events: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftBits(Qt::KeyboardModifiers modifiers);
// Button bits of the mouse events: 1 left, 2 right, 4 middle.
int ButtonBits(Qt::MouseButtons buttons);
// The cursor shape for a MousePointer value; false for the default pointer (0) and values
// without a shape of their own.
bool CursorShapeFor(int mousePointer, Qt::CursorShape& shape);

}  // namespace quillo::qt
