#pragma once

#include "runtime/Control.h"
#include "runtime/Types.h"

namespace quillo::runtime {

// A text on a form. With AutoSize it takes the size of its caption as the backend measures it
// (wrapped at its width when WordWrap is on).
class Label : public Control {
  public:
    Label(Form& form, std::string name, int index, Control* container);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string value);
    Color BackColor() const { return backColor_; }
    void setBackColor(Color value);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color value);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int value);
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return alignment_; }
    void setAlignment(int value);
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool value);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool value);
    const Font& getFont() const { return font_; }
    void setFont(const Font& value);
    void setFontSize(double points);
    void setFontBold(bool bold);

  private:
    void fitToText();

    std::string caption_;
    Color backColor_ = 0x8000000F;
    Color foreColor_ = 0x80000012;
    int backStyle_ = 1;
    int alignment_ = 0;
    int borderStyle_ = 0;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    Font font_;
};

}  // namespace quillo::runtime
