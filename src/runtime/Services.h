#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/Types.h"

namespace quillo::runtime {

class Form;

// Window functions that a borderless window needs from the window system. Geometry is in pixels.
class WindowServices {
  public:
    virtual ~WindowServices() = default;
    virtual void setTopmost(Form& form, bool topmost) = 0;
    // Hands the current mouse press to the window system, which moves the window once the
    // pointer has moved by the platform's drag distance with the button held; a press that comes
    // up before stays the control's, with its MouseUp, Click and double click.
    virtual void startSystemMove(Form& form) = 0;
    // The same for resizing from an edge or corner; hitCode is one of the border codes 10 to 17
    // (10 left, 11 right, 12 top, 13 top-left, 14 top-right, 15 bottom, 16 bottom-left,
    // 17 bottom-right).
    virtual void startSystemResize(Form& form, int hitCode) = 0;
    // Lets go of the mouse that the press in progress holds: until the button comes up, moves
    // and the release go to the control under the pointer, in any window of the program.
    virtual void releaseCapture() = 0;
    // Shapes the window to a polygon (pixels, relative to the window, alternate fill rule); an
    // empty polygon gives the window back its rectangle.
    virtual void setWindowRegion(Form& form, const std::vector<PointPx>& polygon) = 0;
    virtual PointPx cursorPos() = 0;
    // The screen less the panels and task bars.
    virtual RectPx workArea() = 0;
    // The same for the screen that holds the point (the nearest one when none does).
    virtual RectPx workAreaAt(PointPx point) = 0;
};

// Starts programs, never through a shell.
class ProcessServices {
  public:
    virtual ~ProcessServices() = default;
    virtual bool start(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // Opens the desktop's mail client.
    virtual bool openMailClient() = 0;
};

// The platform's plain message box.
enum class MsgBoxButtons { OK, YesNo };
enum class MsgBoxIcon { None, Critical, Question, Exclamation, Information };
enum class MsgBoxResult { OK, Yes, No, Cancel };

// What a file-open dialog shows at first.
struct FileDialogRequest {
    std::string title;
    // Pairs of description and patterns: "Pictures|*.bmp;*.gif|All files|*.*".
    std::string filter;
    int filterIndex = 1;     // the pair shown first, counted from 1
    std::string initialDir;  // a resolved path
    // The proposed name; a name with wildcards ("*.tz3") narrows the listing instead.
    std::string fileName;
    long flags = 0;
};

class DialogServices {
  public:
    virtual ~DialogServices() = default;
    virtual MsgBoxResult messageBox(const std::string& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                                    const std::string& title) = 0;
    // The chosen file's full path; nothing when cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<Color> chooseColor(Color initial) = 0;
};

// Sizes of text as the window system draws it, for labels that size themselves.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    // wrapWidthPx 0 measures one line per line of the text; otherwise words wrap at that width.
    virtual SizePx measure(const std::string& text, const Font& font, int wrapWidthPx) = 0;
};

}  // namespace quillo::runtime
