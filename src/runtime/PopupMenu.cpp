#include "runtime/PopupMenu.h"

#include "runtime/Application.h"

namespace quillo::runtime {

namespace {

// Where the inner area of a control lies in its form's inner area, in twips.
TwipsPoint originInForm(const Control* control) {
    TwipsPoint offset;
    for (; control && control->kind() != ControlKind::Form; control = control->container()) {
        offset.x += control->Left();
        offset.y += control->Top();
    }
    return offset;
}

}  // namespace

PopupMenu::PopupMenu(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::PopupMenu, std::move(name), index, container) {}

PopupMenu::PopupMenu(Form& owner) : PopupMenu(owner, "PopupMenu", -1, &owner) {}

void PopupMenu::Reset() {
    items_.clear();
    changed(Property::Items);
}

long PopupMenu::AddItem(std::string caption, long parent, std::string key, bool plain) {
    if (parent != 0 && !item(parent)) return 0;
    items_.push_back({std::move(caption), parent, std::move(key), true, plain});
    changed(Property::Items);
    return ItemCount();
}

const PopupMenu::Item* PopupMenu::item(long number) const {
    if (number < 1 || number > ItemCount()) return nullptr;
    return &items_[static_cast<std::size_t>(number - 1)];
}

void PopupMenu::EnableItem(long number, bool enabled) {
    if (!item(number)) return;
    items_[static_cast<std::size_t>(number - 1)].enabled = enabled;
    changed(Property::Items);
}

std::string PopupMenu::ItemKey(long number) const {
    const Item* found = item(number);
    return found ? found->key : std::string();
}

std::string PopupMenu::ItemCaption(long number) const {
    const Item* found = item(number);
    return found ? found->caption : std::string();
}

bool PopupMenu::ItemEnabled(long number) const {
    const Item* found = item(number);
    return found && found->enabled;
}

long PopupMenu::ItemParent(long number) const {
    const Item* found = item(number);
    return found ? found->parent : 0;
}

std::vector<MenuEntry> PopupMenu::entriesUnder(long parent) const {
    std::vector<MenuEntry> entries;
    for (long number = 1; number <= ItemCount(); ++number) {
        const Item& entry = *item(number);
        if (entry.parent != parent) continue;
        entries.push_back(
            {number, entry.caption, entry.enabled, false, entriesUnder(number), entry.plain});
    }
    return entries;
}

long PopupMenu::ShowMenu(double x, double y, double left, double top, double right, double bottom,
                         const Control* origin) {
    TwipsPoint offset = originInForm(origin);
    MenuRequest request{
        &form(), TwipsPoint{x + offset.x, y + offset.y},
        TwipsRect{left + offset.x, top + offset.y, right + offset.x, bottom + offset.y},
        entriesUnder(0)};
    std::weak_ptr<const void> alive = lifetime();
    long chosen = form().application().backend().showPopupMenu(request);
    if (alive.expired()) return 0;
    const Item* entry = item(chosen);
    if (!entry || !entry->enabled || !entriesUnder(chosen).empty()) return 0;
    form().application().dispatch([this, chosen] { Click(chosen); });
    return chosen;
}

}  // namespace quillo::runtime
