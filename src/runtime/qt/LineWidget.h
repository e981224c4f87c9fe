#pragma once

#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/ControlWidget.h"

namespace quillo::runtime {
class Line;
}

namespace quillo::qt {

// A line from (X1, Y1) to (X2, Y2), drawn on its container below the windowed controls. The
// widget reaches past the box around the ends by the pen's width, so that a level or upright
// line, whose box is empty, still shows. The mouse passes through it.
class LineWidget : public ControlWidget {
    Q_OBJECT
  public:
    explicit LineWidget(runtime::Line& line);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    bool windowless() const override { return true; }
    QRect placement(const QRect& place) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The ends in pixels of the container's drawing area.
    QPoint start() const;
    QPoint end() const;
    int margin() const;
};

}  // namespace quillo::qt
