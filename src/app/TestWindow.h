#pragma once

#include <string>

#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
#include "runtime/WebBrowser.h"

namespace quillo {

// A small borderless window built from runtime controls, shown until the program's start-up
// form exists: a label, an image and a picture box holding a label and the maker's home page.
// Dragging moves it, the edges size it, a double click or Escape closes it.
class TestWindow : public runtime::Form {
  public:
    // pictureFile: a picture for the image and the picture box.
    explicit TestWindow(std::string pictureFile);

    runtime::Label& Label1 = add<runtime::Label>("Label1");
    runtime::Image& Image1 = add<runtime::Image>("Image1");
    runtime::PictureBox& Picture1 = add<runtime::PictureBox>("Picture1");
    runtime::Label& Label2 = add<runtime::Label>("Label2", &Picture1);
    runtime::WebBrowser& WebBrowser1 = add<runtime::WebBrowser>("WebBrowser1", &Picture1);

  private:
    void Form_Load();
    void Form_MouseMove(int button, int shift, double x, double y);
    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_KeyDown(int& keyCode, int shift);
    void Form_Resize();

    std::string pictureFile_;
    int edge_ = 0;  // the border code under the mouse, 0 inside
};

}  // namespace quillo
