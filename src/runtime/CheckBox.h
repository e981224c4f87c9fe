#pragma once

#include "runtime/Control.h"
#include "runtime/Types.h"

namespace quillo::runtime {

// A box with a caption that is unchecked (0), checked (1) or greyed (2). A change of Value, by
// code or by the user's click, runs Click.
class CheckBox : public Control {
  public:
    CheckBox(Form& form, std::string name, int index, Control* container);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string value);
    int Value() const { return value_; }
    void setValue(int value);
    Color BackColor() const { return backColor_; }
    void setBackColor(Color value);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color value);
    const Font& getFont() const { return font_; }
    void setFont(const Font& value);

    // The user's click checks an unchecked box and unchecks a checked or greyed one.
    void fireClick() override;

  private:
    std::string caption_;
    int value_ = 0;
    Color backColor_ = 0x8000000F;
    Color foreColor_ = 0x80000012;
    Font font_;
};

}  // namespace quillo::runtime
