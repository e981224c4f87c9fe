#include "runtime/qt/LabelEditor.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace quillo::qt {

namespace {

void GiveFocusToOwner(const QWidget& field) {
    for (QWidget* owner = field.parentWidget(); owner; owner = owner->parentWidget()) {
        if (owner->focusPolicy() == Qt::NoFocus) continue;
        owner->setFocus(Qt::OtherFocusReason);
        return;
    }
}

}  // namespace

LabelEditor::LabelEditor() {
    delay_.setSingleShot(true);
    connect(&delay_, &QTimer::timeout, this, [this] {
        std::function<void()> start = std::move(pendingStart_);
        pendingStart_ = nullptr;
        if (start) start();
    });
}

void LabelEditor::startSoon(std::function<void()> start) {
    pendingStart_ = std::move(start);
    delay_.start(QApplication::doubleClickInterval());
}

void LabelEditor::cancelStart() {
    delay_.stop();
    pendingStart_ = nullptr;
}

void LabelEditor::open(QWidget* parent, const QRect& place, const QString& text) {
    close();
    field_ = new QLineEdit(parent);
    field_->setText(text);
    field_->selectAll();
    field_->setGeometry(place);
    field_->installEventFilter(this);
    field_->show();
    field_->setFocus(Qt::OtherFocusReason);
}

void LabelEditor::close() {
    if (!field_) return;
    QLineEdit* field = field_;
    field_ = nullptr;
    field->removeEventFilter(this);
    // The focus goes back to the list or tree that was edited, not on to the next control.
    if (field->hasFocus()) GiveFocusToOwner(*field);
    field->hide();
    // It may be inside its own key handling.
    field->deleteLater();
}

void LabelEditor::finish(bool keep) {
    if (!field_) return;
    const std::string text = field_->text().toStdString();
    close();
    if (finished) finished(keep ? std::optional<std::string>(text) : std::nullopt);
}

bool LabelEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_) return false;
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (event->type() == QEvent::KeyPress &&
            (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) {
            finish(key != Qt::Key_Escape);
            return true;
        }
        // Keys stay with the field: one it ignores would otherwise move the list below.
        field_->event(event);
        event->accept();
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        finish(true);
    }
    return false;
}

}  // namespace quillo::qt
