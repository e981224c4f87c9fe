#pragma once

#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/ControlWidget.h"

namespace quillo::runtime {
class PictureBox;
}

namespace quillo::qt {

// A picture box: a window of its own with its back colour, its picture at its own size in the
// top-left corner of the drawing area, what PaintPicture drew, its border, and the controls it
// contains (placed inside the border).
class PictureBoxWidget : public ControlWidget {
    Q_OBJECT
  public:
    explicit PictureBoxWidget(runtime::PictureBox& box);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    QPoint clientOrigin() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillo::qt
