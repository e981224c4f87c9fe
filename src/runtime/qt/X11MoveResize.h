#pragma once

#include <QPointF>
#include <Qt>

class QWindow;

namespace quillo::qt {

// Asks the X11 window manager to move the window (edges empty) or size it by those edges with
// the mouse, as a left press on its frame would: the window manager's loop takes the pointer
// from `pointer` (global, where the window's place stands for it now) and follows it until the
// left button comes up. False where the window system is not X11 or its window manager offers
// no such loop.
bool StartX11MoveResize(QWindow& window, Qt::Edges edges, QPointF pointer);

}  // namespace quillo::qt
