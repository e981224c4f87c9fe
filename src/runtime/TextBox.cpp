#include "runtime/TextBox.h"

#include "runtime/Application.h"

namespace quillo::runtime {

TextBox::TextBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::TextBox, std::move(name), index, container) {}

void TextBox::textChanged() {
    changed(Property::Text);
    changed(Property::Selection);
    form().application().dispatch([this] { Change(); });
}

void TextBox::setText(std::string value) {
    if (edit_.setText(std::move(value)))
        textChanged();
    else
        changed(Property::Selection);
}

void TextBox::setSelStart(int value) {
    edit_.setSelStart(value);
    changed(Property::Selection);
}

void TextBox::setSelLength(int value) {
    edit_.setSelLength(value);
    changed(Property::Selection);
}

void TextBox::setSelText(const std::string& value) {
    if (edit_.replaceSelection(value))
        textChanged();
    else
        changed(Property::Selection);
}

void TextBox::setLocked(bool value) {
    locked_ = value;
    changed(Property::Style);
}

void TextBox::setMaxLength(int value) {
    maxLength_ = value < 0 ? 0 : value;
    changed(Property::Style);
}

void TextBox::setMultiLine(bool value) {
    multiLine_ = value;
    changed(Property::Style);
}

void TextBox::setAlignment(int value) {
    alignment_ = value;
    changed(Property::Style);
}

void TextBox::setBorderStyle(int value) {
    borderStyle_ = value;
    changed(Property::Style);
}

void TextBox::setBackColor(Color value) {
    backColor_ = value;
    changed(Property::Colors);
}

void TextBox::setForeColor(Color value) {
    foreColor_ = value;
    changed(Property::Colors);
}

void TextBox::setFont(const Font& value) {
    font_ = value;
    changed(Property::Font);
}

void TextBox::applyKey(int keyAscii) {
    if (locked_) return;
    if (edit_.typeKey(keyAscii, multiLine_, maxLength_))
        textChanged();
    else
        changed(Property::Selection);
}

void TextBox::applyDelete() {
    if (!locked_ && edit_.deleteForward()) textChanged();
}

void TextBox::userEdited(std::string text, int selStart, int selLength) {
    bool differs = text != edit_.text();
    edit_.setText(std::move(text));
    edit_.setSelection(selStart, selLength);
    if (differs)
        textChanged();
    else
        changed(Property::Selection);
}

}  // namespace quillo::runtime
