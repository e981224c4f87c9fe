#include "runtime/qt/CheckBoxWidget.h"

#include <QCheckBox>
#include <QKeyEvent>

#include "runtime/CheckBox.h"
#include "runtime/qt/QtColors.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

using runtime::Property;

CheckBoxWidget::CheckBoxWidget(runtime::CheckBox& box) : HostWidget(box) {
    check_ = new QCheckBox;
    check_->setTristate(true);
    check_->setFocusPolicy(Qt::StrongFocus);
    // The mouse reaches this widget, which raises the control's events and its click.
    check_->setAttribute(Qt::WA_TransparentForMouseEvents);
    check_->setAutoFillBackground(true);
    setInner(check_);
}

std::unique_ptr<runtime::ControlPeer> CheckBoxWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new CheckBoxWidget(static_cast<runtime::CheckBox&>(control)));
    peer->mirrorAll();
    return peer;
}

runtime::CheckBox* CheckBoxWidget::box() const {
    return static_cast<runtime::CheckBox*>(control());
}

void CheckBoxWidget::mirror(Property property) {
    if (!control()) return;
    switch (property) {
        case Property::Caption:
            check_->setText(QString::fromStdString(box()->Caption()));
            break;
        case Property::Value:
            check_->setCheckState(box()->Value() == 1   ? Qt::Checked
                                  : box()->Value() == 2 ? Qt::PartiallyChecked
                                                        : Qt::Unchecked);
            break;
        case Property::Colors: {
            QPalette colors = check_->palette();
            colors.setColor(QPalette::Window, ToQColor(box()->BackColor()));
            colors.setColor(QPalette::WindowText, ToQColor(box()->ForeColor()));
            check_->setPalette(colors);
            break;
        }
        case Property::Font:
            check_->setFont(ToQFont(box()->getFont()));
            break;
        default:
            break;
    }
}

void CheckBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (control()) check_->setFocus(Qt::MouseFocusReason);
    HostWidget::mousePressEvent(event);
}

bool CheckBoxWidget::mouseInput(QMouseEvent& event) {
    HostWidget::mouseInput(event);
    return true;
}

void CheckBoxWidget::keyToWidget(QKeyEvent& event) {
    // The space bar clicks; the box keeps no other key for itself.
    if (event.key() == Qt::Key_Space && !event.isAutoRepeat() && control()) box()->fireClick();
}

}  // namespace quillo::qt
