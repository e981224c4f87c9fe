#pragma once

#include "runtime/Control.h"
#include "runtime/EditText.h"
#include "runtime/Types.h"

namespace quillo::runtime {

// An edit field. Change runs whenever the text changes, by code or by the user; SelStart and
// SelLength count code points. Locked refuses the user's editing; MaxLength (0: no limit) limits
// what the user types, not what the code sets.
class TextBox : public Control {
  public:
    TextBox(Form& form, std::string name, int index, Control* container);

    const std::string& Text() const { return edit_.text(); }
    void setText(std::string value);
    int SelStart() const { return edit_.selStart(); }
    void setSelStart(int value);
    int SelLength() const { return edit_.selLength(); }
    void setSelLength(int value);
    std::string SelText() const { return edit_.selText(); }
    void setSelText(const std::string& value);

    bool Locked() const { return locked_; }
    void setLocked(bool value);
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int value);
    bool MultiLine() const { return multiLine_; }
    void setMultiLine(bool value);
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return alignment_; }
    void setAlignment(int value);
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);
    Color BackColor() const { return backColor_; }
    void setBackColor(Color value);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color value);
    const Font& getFont() const { return font_; }
    void setFont(const Font& value);

    Event<> Change;

    // User input. applyKey is the field's own reaction to a key that KeyPress let through;
    // applyDelete that to the Delete key; userEdited takes what the window system's field shows
    // after the user edited it.
    void applyKey(int keyAscii);
    void applyDelete();
    void userEdited(std::string text, int selStart, int selLength);

  private:
    // The text changed: the peer follows and Change runs.
    void textChanged();

    EditText edit_;
    bool locked_ = false;
    int maxLength_ = 0;
    bool multiLine_ = false;
    int alignment_ = 0;
    int borderStyle_ = 1;
    Color backColor_ = 0x80000005;
    Color foreColor_ = 0x80000008;
    Font font_;
};

}  // namespace quillo::runtime
