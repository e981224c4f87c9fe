#include "shared/MessageBox.h"

#include "runtime/Application.h"
#include "shared/FormMessageBox.h"
#include "shared/ModuleFucns.h"

namespace quillo {

using namespace runtime;

namespace {
constexpr double kWidth = 480;
constexpr double kCreatedHeight = 345;
constexpr double kResizedHeight = 480;
}  // namespace

MessageBox::MessageBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::UserControl, std::move(name), index, container) {
    fixing_ = true;
    setWidth(kWidth);
    setHeight(kCreatedHeight);
    fixing_ = false;
}

void MessageBox::sizeChanged() {
    if (fixing_) return;
    fixing_ = true;
    setWidth(kWidth);
    setHeight(kResizedHeight);
    fixing_ = false;
}

std::string MessageBox::show(const std::string& Message, const std::string& BoxType) {
    // A question asked while another box waits for its answer gets a box of its own above it;
    // the waiting box stays as it is until it is answered.
    Application& application = runtime::app();
    FormMessageBox& box = application.loadedForm<FormMessageBox>()
                              ? application.newForm<FormMessageBox>()
                              : application.form<FormMessageBox>();
    const std::string type = MakeUpperCase(BoxType);
    // Sets the one OK slot and the YES and NO slots, each button with its background.
    auto offer = [&box](bool ok, bool yesNo) {
        box.LabelOK.setVisible(ok);
        box.ShapeOK.setVisible(ok);
        box.LabelYES.setVisible(yesNo);
        box.ShapeYES.setVisible(yesNo);
        box.LabelNO.setVisible(yesNo);
        box.ShapeNO.setVisible(yesNo);
    };
    if (type == "YESNO") offer(false, true);
    if (type == "OK") offer(true, false);
    box.centreOnScreen();
    box.setMessage(Message);

    std::string answer;
    box.setAnswerTarget(&answer);
    std::weak_ptr<const void> alive = box.lifetime();
    box.Show(ShowMode::Modal);
    // Closed without a click: the box goes all the same, so the next message loads it afresh.
    if (!alive.expired() && box.loaded()) {
        box.setAnswerTarget(nullptr);
        box.Unload();
    }
    return answer;
}

}  // namespace quillo
