#pragma once

#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/ControlWidget.h"

namespace quillo::runtime {
class Label;
}

namespace quillo::qt {

// A label: its caption in its font and fore colour, over its back colour when opaque or over
// whatever lies below when transparent.
class LabelWidget : public ControlWidget {
    Q_OBJECT
  public:
    explicit LabelWidget(runtime::Label& label);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    bool windowless() const override { return true; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillo::qt
