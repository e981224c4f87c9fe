#pragma once

#include "runtime/Control.h"
#include "runtime/DrawList.h"
#include "runtime/Picture.h"
#include "runtime/Types.h"

namespace quillo::runtime {

// A window of its own inside a form: a background colour, a picture at its own size in the
// top-left corner, what PaintPicture drew, and controls it contains. Media clips play inside it.
class PictureBox : public Control {
  public:
    PictureBox(Form& form, std::string name, int index, Control* container);

    const Picture& getPicture() const { return picture_; }
    void setPicture(const Picture& value);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool value);
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool value) { autoRedraw_ = value; }
    Color BackColor() const { return backColor_; }
    void setBackColor(Color value);
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);

    // The inner drawing area in twips (the whole box less its border).
    double ScaleWidth() const;
    double ScaleHeight() const;
    long hWnd() const { return windowId_; }

    void PaintPicture(const Picture& picture, double x, double y, double width = -1,
                      double height = -1);
    void Cls();
    void Refresh();
    const DrawList& drawList() const { return drawList_; }

  private:
    double borderTwips() const;

    Picture picture_;
    bool autoSize_ = false;
    bool autoRedraw_ = false;
    Color backColor_ = 0x8000000F;
    int borderStyle_ = 1;
    long windowId_;
    DrawList drawList_;
};

// A container with an optional caption and border.
class Frame : public Control {
  public:
    Frame(Form& form, std::string name, int index, Control* container);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string value);
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);
    Color BackColor() const { return backColor_; }
    void setBackColor(Color value);

  private:
    std::string caption_;
    int borderStyle_ = 1;
    Color backColor_ = 0x8000000F;
};

}  // namespace quillo::runtime
