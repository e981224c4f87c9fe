#include "runtime/qt/ComboBoxWidget.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

#include "runtime/ComboBox.h"
#include "runtime/qt/EditorText.h"
#include "runtime/qt/ModelSync.h"
#include "runtime/qt/QtColors.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

using runtime::Property;

ComboBoxWidget::ComboBoxWidget(runtime::ComboBox& box) : HostWidget(box) {
    ModelSync sync;
    combo_ = new QComboBox;
    combo_->setInsertPolicy(QComboBox::NoInsert);
    setInner(combo_);
    // Opening the list is the DropDown event; the view's window is the pop-up Qt shows.
    popup_ = combo_->view()->window();
    popup_->installEventFilter(this);
    connect(combo_, &QComboBox::activated, this, &ComboBoxWidget::userChose);
    applyStyle();
}

std::unique_ptr<runtime::ControlPeer> ComboBoxWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new ComboBoxWidget(static_cast<runtime::ComboBox&>(control)));
    peer->mirrorAll();
    return peer;
}

runtime::ComboBox* ComboBoxWidget::box() const {
    return static_cast<runtime::ComboBox*>(control());
}

void ComboBoxWidget::mirror(Property property) {
    if (!control() || !combo_) return;
    switch (property) {
        case Property::Items:
            applyItems();
            applyChoice();
            applyText();
            break;
        case Property::ListIndex:
            applyChoice();
            applyText();
            break;
        case Property::Text:
            applyText();
            break;
        case Property::Selection:
            applySelection();
            break;
        case Property::Style:
            applyStyle();
            applyChoice();
            applyText();
            applySelection();
            break;
        case Property::Colors:
        case Property::Font:
            applyLook();
            break;
        default:
            break;
    }
}

void ComboBoxWidget::mirrorEntry(const runtime::EntryChange& change) {
    if (!control() || !combo_) return;
    using Kind = runtime::EntryChange::Kind;
    const QString text = QString::fromStdString(box()->List(change.place));
    switch (change.kind) {
        case Kind::Inserted:
            combo_->insertItem(change.place, text);
            break;
        case Kind::Removed:
            combo_->removeItem(change.place);
            break;
        case Kind::Replaced:
            combo_->setItemText(change.place, text);
            break;
        case Kind::Cleared:
            combo_->clear();
            break;
        case Kind::Expanded:
            break;
    }
    // Qt chooses the first entry of a list that was empty, and another when the chosen one goes.
    applyChoice();
    applyText();
}

void ComboBoxWidget::applyItems() {
    runtime::ComboBox* model = box();
    QStringList entries;
    entries.reserve(model->ListCount());
    for (int i = 0; i < model->ListCount(); ++i)
        entries.append(QString::fromStdString(model->List(i)));
    combo_->clear();
    combo_->addItems(entries);
}

void ComboBoxWidget::applyChoice() {
    if (combo_->currentIndex() != box()->ListIndex()) combo_->setCurrentIndex(box()->ListIndex());
}

void ComboBoxWidget::applyText() {
    QLineEdit* field = combo_->lineEdit();
    if (!field) return;
    const QString text = QString::fromStdString(box()->Text());
    if (field->text() != text) field->setText(text);
}

void ComboBoxWidget::applySelection() {
    QLineEdit* field = combo_->lineEdit();
    if (!field) return;
    const QString model = QString::fromStdString(box()->Text());
    const int start = ToEditorPosition(model, field->text(), box()->SelStart());
    const int end = ToEditorPosition(model, field->text(), box()->SelStart() + box()->SelLength());
    if (end > start)
        field->setSelection(start, end - start);
    else
        field->setCursorPosition(start);
}

void ComboBoxWidget::applyStyle() {
    runtime::ComboBox* model = box();
    const bool editable = model->Style() != 2;
    if (combo_->isEditable() != editable) {
        combo_->setEditable(editable);
        if (QLineEdit* field = combo_->lineEdit()) {
            combo_->setCompleter(nullptr);
            connect(field, &QLineEdit::textEdited, this, &ComboBoxWidget::userEdited);
            connect(field, &QLineEdit::cursorPositionChanged, this, &ComboBoxWidget::userSelected);
            connect(field, &QLineEdit::selectionChanged, this, &ComboBoxWidget::userSelected);
            watch(field);
        }
    }
    if (QLineEdit* field = combo_->lineEdit()) field->setReadOnly(model->Locked());
}

void ComboBoxWidget::applyLook() {
    QPalette colors = combo_->palette();
    colors.setColor(QPalette::Base, ToQColor(box()->BackColor()));
    colors.setColor(QPalette::Text, ToQColor(box()->ForeColor()));
    combo_->setPalette(colors);
    combo_->setFont(ToQFont(box()->getFont()));
}

void ComboBoxWidget::userEdited() {
    runtime::ComboBox* model = box();
    QLineEdit* field = combo_ ? combo_->lineEdit() : nullptr;
    if (!model || !field || ModelSync::active()) return;
    const QString text = field->text();
    const int start = field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
    const int end = field->hasSelectedText() ? field->selectionEnd() : start;
    const int selStart = CodePoints(text.left(start));
    model->userEdited(text.toStdString(), selStart, CodePoints(text.left(end)) - selStart);
}

void ComboBoxWidget::userSelected() {
    runtime::ComboBox* model = box();
    QLineEdit* field = combo_ ? combo_->lineEdit() : nullptr;
    if (!model || !field || ModelSync::active()) return;
    // Qt shows a chosen entry before the model has it; the text then comes from the model.
    if (field->text().toStdString() != model->Text()) return;
    userEdited();
}

void ComboBoxWidget::userChose(int index) {
    runtime::ComboBox* model = box();
    if (!model || ModelSync::active()) return;
    // A locked box refuses the user's choice as it refuses typing.
    if (!model->Locked()) model->fireChoose(index);
    // A handler may have put the choice or the text elsewhere; the field shows the model's.
    if (control() && combo_) {
        ModelSync sync;
        applyChoice();
        applyText();
    }
}

bool ComboBoxWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == popup_) {
        if (event->type() == QEvent::Show && control() && !ModelSync::active())
            box()->fireDropDown();
        return false;
    }
    return HostWidget::eventFilter(watched, event);
}

bool ComboBoxWidget::mouseInput(QMouseEvent& event) {
    reportMouse(event);
    return false;
}

}  // namespace quillo::qt
