#pragma once

#include <QPointer>
#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/HostWidget.h"

class QCheckBox;

namespace quillo::runtime {
class CheckBox;
}

namespace quillo::qt {

// A check box: a QCheckBox that shows the model's caption and value. It never toggles itself;
// a click or the space bar is the control's click, which toggles the model.
class CheckBoxWidget : public HostWidget {
    Q_OBJECT
  public:
    explicit CheckBoxWidget(runtime::CheckBox& box);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    void mirror(runtime::Property property) override;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyToWidget(QKeyEvent& event) override;
    // Whatever reaches the QCheckBox itself is the control's input too, never its own toggle.
    bool mouseInput(QMouseEvent& event) override;

  private:
    runtime::CheckBox* box() const;

    QCheckBox* check_;
};

}  // namespace quillo::qt
