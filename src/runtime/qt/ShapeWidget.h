#pragma once

#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/ControlWidget.h"

namespace quillo::runtime {
class Shape;
}

namespace quillo::qt {

// A shape: a rectangle, square, oval, circle or rounded one, filled and outlined as the model
// says, drawn on its container below the windowed controls. The mouse passes through it.
class ShapeWidget : public ControlWidget {
    Q_OBJECT
  public:
    explicit ShapeWidget(runtime::Shape& shape);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    bool windowless() const override { return true; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillo::qt
