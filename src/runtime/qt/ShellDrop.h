#pragma once

#include <string>
#include <vector>

class QDragEnterEvent;
class QDropEvent;

namespace quillo::runtime {
class Control;
}

namespace quillo::qt {

// A file drag from another program entering a control: the control answers it itself, so that
// one which refuses files does not hand them on to its container.
void ClaimShellDrag(const runtime::Control* control, QDragEnterEvent& event);
// A file drag moving over a control or dropped on it: taken (as a copy where the source allows
// it) when the control's OLEDropMode is manual and the drag comes from another program; refused
// when it is none, the control is gone or the drag began in this program or in a page view of
// another copy of it. True when taken.
bool TakeOrRefuseShellDrop(const runtime::Control* control, QDropEvent& event);
// The local files of a drop, in the order dropped, as paths decoded from their addresses;
// addresses of other kinds are left out.
std::vector<std::string> ShellDropFiles(const QDropEvent& event);

}  // namespace quillo::qt
