#pragma once

namespace quillo::qt {

// The control that has the keyboard focus on the window system is the active control of its
// form: however the focus moved (a click, a key, a label edit ending, a widget hidden), the
// control that took it raises GotFocus and the one before LostFocus. A move that Qt makes while
// a model change is being mirrored is heard once that change is done.
class FocusFollower {
  public:
    // Follows the focus of the running QApplication from now on (once per application).
    static void install();
    // Brings the forms in line with the window system's focus now; a click on a control that
    // has the focus already changes nothing on the window system, yet the model may lag behind.
    static void follow();
};

}  // namespace quillo::qt
