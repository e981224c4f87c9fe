#pragma once

#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/ControlWidget.h"

namespace quillo::runtime {
class Frame;
}

namespace quillo::qt {

// A frame: a container with its back colour and, when it has a border, an etched outline with
// the caption set into its top edge.
class FrameWidget : public ControlWidget {
    Q_OBJECT
  public:
    explicit FrameWidget(runtime::Frame& frame);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillo::qt
