#include "runtime/ComboBox.h"

#include "runtime/Application.h"

namespace quillo::runtime {

ComboBox::ComboBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::ComboBox, std::move(name), index, container) {}

void ComboBox::textChanged() {
    dropStaleChoice();
    changed(Property::Text);
    changed(Property::Selection);
    form().application().dispatch([this] { Change(); });
}

void ComboBox::dropStaleChoice() {
    if (items_.listIndex() >= 0 && items_.at(items_.listIndex()) != edit_.text()) {
        items_.setListIndex(-1);
        changed(Property::ListIndex);
    }
}

void ComboBox::setText(std::string value) {
    if (style_ == 2) {
        int entry = items_.find(value);
        if (entry >= 0) setListIndex(entry);
        return;
    }
    if (edit_.setText(std::move(value)))
        textChanged();
    else
        changed(Property::Selection);
}

void ComboBox::setSelStart(int value) {
    edit_.setSelStart(value);
    changed(Property::Selection);
}

void ComboBox::setSelLength(int value) {
    edit_.setSelLength(value);
    changed(Property::Selection);
}

void ComboBox::setSelText(const std::string& value) {
    if (style_ == 2) return;
    if (edit_.replaceSelection(value))
        textChanged();
    else
        changed(Property::Selection);
}

void ComboBox::AddItem(std::string item, int index) {
    int place = items_.add(std::move(item), index);
    entryChanged({EntryChange::Kind::Inserted, place});
}

void ComboBox::RemoveItem(int index) {
    int chosen = items_.listIndex();
    if (!items_.remove(index)) return;
    entryChanged({EntryChange::Kind::Removed, index});
    // The entries after it move up with their choice; only the chosen one's removal changes it.
    if (chosen == index) changed(Property::ListIndex);
}

void ComboBox::Clear() {
    items_.clear();
    entryChanged({EntryChange::Kind::Cleared});
    changed(Property::ListIndex);
    if (style_ == 2 && edit_.setText("")) changed(Property::Text);
}

void ComboBox::setList(int index, std::string text) {
    if (items_.setAt(index, std::move(text))) entryChanged({EntryChange::Kind::Replaced, index});
}

void ComboBox::setListIndex(int value) {
    items_.setListIndex(value);
    changed(Property::ListIndex);
    if (items_.listIndex() >= 0 && edit_.setText(items_.at(items_.listIndex())))
        changed(Property::Text);
    changed(Property::Selection);
    form().application().dispatch([this] { Click(); });
}

void ComboBox::setSorted(bool value) {
    items_.setSorted(value);
    changed(Property::Items);
}

void ComboBox::setStyle(int value) {
    style_ = value;
    changed(Property::Style);
}

void ComboBox::setLocked(bool value) {
    locked_ = value;
    changed(Property::Style);
}

void ComboBox::setBackColor(Color value) {
    backColor_ = value;
    changed(Property::Colors);
}

void ComboBox::setForeColor(Color value) {
    foreColor_ = value;
    changed(Property::Colors);
}

void ComboBox::setFont(const Font& value) {
    font_ = value;
    changed(Property::Font);
}

void ComboBox::applyKey(int keyAscii) {
    if (locked_ || style_ == 2) return;
    if (edit_.typeKey(keyAscii, false, 0))
        textChanged();
    else
        changed(Property::Selection);
}

void ComboBox::applyDelete() {
    if (!locked_ && style_ != 2 && edit_.deleteForward()) textChanged();
}

void ComboBox::userEdited(std::string text, int selStart, int selLength) {
    bool differs = text != edit_.text();
    edit_.setText(std::move(text));
    edit_.setSelection(selStart, selLength);
    if (differs)
        textChanged();
    else
        changed(Property::Selection);
}

void ComboBox::fireDropDown() {
    form().application().dispatch([this] { DropDown(); });
}

void ComboBox::fireChoose(int index) {
    if (index < 0 || index >= ListCount()) return;
    form().application().dispatch([this, index] { setListIndex(index); });
}

}  // namespace quillo::runtime
