#pragma once

#include <QString>

#include "runtime/Services.h"

namespace quillo::qt {

// The platform's plain dialogs on Qt: a message box, file open, colour. Each runs modally while
// the program's timers go on.
class QtDialogServices : public runtime::DialogServices {
  public:
    runtime::MsgBoxResult messageBox(const std::string& text, runtime::MsgBoxButtons buttons,
                                     runtime::MsgBoxIcon icon, const std::string& title) override;
    std::optional<std::string> openFile(const runtime::FileDialogRequest& request) override;
    std::optional<runtime::Color> chooseColor(runtime::Color initial) override;

    // "Pictures|*.bmp;*.gif|All files|*.*" as Qt writes it:
    // "Pictures (*.bmp *.gif);;All files (*)".
    static QString QtFileFilter(const std::string& filter);
};

}  // namespace quillo::qt
