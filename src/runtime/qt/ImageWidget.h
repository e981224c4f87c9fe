#pragma once

#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/ControlWidget.h"

namespace quillo::runtime {
class Image;
}

namespace quillo::qt {

// An image: its picture stretched over the control or at its own size in the top-left corner,
// with the picture's transparent parts showing what lies below.
class ImageWidget : public ControlWidget {
    Q_OBJECT
  public:
    explicit ImageWidget(runtime::Image& image);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    bool windowless() const override { return true; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillo::qt
