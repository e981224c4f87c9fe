#include "runtime/Form.h"

#include <algorithm>

#include "runtime/Application.h"
#include "runtime/Menu.h"
#include "runtime/WindowIds.h"

namespace quillo::runtime {

namespace {

// Where a window of this size starts along one axis to lie inside the span of the work area,
// as near as it can to where it was meant to start; one larger than the span keeps its start
// (its title, its buttons) inside.
double KeptInside(double start, double size, double spanStart, double spanSize) {
    return std::max(spanStart, std::min(start, spanStart + spanSize - size));
}

}  // namespace

Form::Form(std::string name)
    : Control(*this, ControlKind::Form, std::move(name), -1, nullptr),
      app_(&app()),
      windowId_(NewWindowId()) {
    // A form is hidden until it is shown, also once it is loaded.
    Control::setVisible(false);
}

Form::~Form() {
    // Controls go first, while the form they point to still exists.
    controls_.clear();
}

void Form::Show(ShowMode mode) {
    if (!loaded_) app_->loadForm(*this);
    if (!loaded_) return;  // unloaded again by its own Load
    if (mode == ShowMode::Modal) modal_ = true;
    setVisible(true);
    if (mode == ShowMode::Modal) app_->runModal(*this);
}

void Form::Hide() {
    if (!loaded_) app_->loadForm(*this);
    setVisible(false);
}

void Form::Unload() {
    app_->unloadForm(*this);
}

void Form::opensOver(Form& window) {
    opensOverForm_ = &window;
    opensOver_ = window.lifetime();
}

void Form::noteUserInput() {
    ++userInputs_;
    app_->noteInput(*this);
}

void Form::fireCloseRequest() {
    app_->dispatch([this] {
        if (CloseRequest)
            CloseRequest();
        else
            Unload();
    });
}

void Form::setCaption(std::string value) {
    caption_ = std::move(value);
    changed(Property::Caption);
}

void Form::setBorderStyle(int value) {
    borderStyle_ = value;
    changed(Property::Style);
}

void Form::setBackColor(Color value) {
    backColor_ = value;
    changed(Property::Colors);
}

void Form::setFont(const Font& value) {
    font_ = value;
    changed(Property::Font);
}

void Form::setPicture(const Picture& value) {
    picture_ = value;
    changed(Property::Picture);
}

void Form::setMinimumSize(double width, double height) {
    if (minimumWidth_ == width && minimumHeight_ == height) return;
    minimumWidth_ = width;
    minimumHeight_ = height;
    changed(Property::Geometry);
}

void Form::setWindowState(WindowState value) {
    if (windowState_ == value) return;
    windowState_ = value;
    changed(Property::WindowState);
}

double Form::ScaleWidth() const {
    return Width();
}
double Form::ScaleHeight() const {
    return Height();
}

void Form::PaintPicture(const Picture& picture, double x, double y, double width, double height) {
    const Screen& screen = application().screen();
    if (drawList_.paint(picture, x, y, width, height, screen.TwipsPerPixelX, screen.TwipsPerPixelY))
        changed(Property::Draw);
}

namespace {

// The visible children of a menu as entries; each entry's id is its place in chosen, from 1.
std::vector<MenuEntry> menuEntries(const Menu& menu, std::vector<Menu*>& chosen) {
    std::vector<MenuEntry> entries;
    for (Menu* child : menu.children()) {
        if (!child->Visible()) continue;
        chosen.push_back(child);
        MenuEntry entry{static_cast<long>(chosen.size()),
                        child->Caption(),
                        child->Enabled(),
                        child->Checked(),
                        {},
                        false};
        entry.children = menuEntries(*child, chosen);
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

void Form::PopupMenu(Menu& menu) {
    popup(menu, std::nullopt);
}

void Form::PopupMenu(Menu& menu, double x, double y) {
    popup(menu, TwipsPoint{x, y});
}

void Form::popup(Menu& menu, std::optional<TwipsPoint> at) {
    std::vector<Menu*> chosen;
    MenuRequest request{this, at, std::nullopt, menuEntries(menu, chosen)};
    if (request.entries.empty()) return;
    // Timers run while the menu is open and may unload the form or its menus meanwhile.
    std::vector<std::weak_ptr<const void>> alive;
    for (Menu* item : chosen)
        alive.push_back(item->lifetime());
    long id = app_->backend().showPopupMenu(request);
    if (id < 1 || id > static_cast<long>(chosen.size())) return;
    auto place = static_cast<std::size_t>(id - 1);
    if (alive[place].expired()) return;
    Menu* item = chosen[place];
    if (item->Enabled() && item->form().loaded()) item->fireClick();
}

void Form::Cls() {
    drawList_.clear();
    changed(Property::Draw);
}

void Form::Refresh() {
    changed(Property::Draw);
}

Control* Form::findControl(const std::string& name, int index) const {
    for (const auto& control : controls_)
        if (control->Name() == name && control->Index() == index) return control.get();
    return nullptr;
}

void Form::sizeChanged() {
    app_->dispatch([this] { Resize(); });
}

void Form::setVisible(bool value) {
    if (value && !loaded_) app_->loadForm(*this);
    if (value && !Visible()) openOver(opensOver_.expired() ? app_->opener() : opensOverForm_);
    if (!value) modal_ = false;
    Control::setVisible(value);
}

void Form::openOver(Form* opener) {
    if (opener == this) opener = nullptr;
    owner_ = opener;
    ownerLife_ = opener ? opener->lifetime() : std::weak_ptr<const void>();
    if (placed_) return;
    const Screen& screen = app_->screen();
    const double centreX = opener ? opener->Left() + opener->Width() / 2 : screen.Width / 2;
    const double centreY = opener ? opener->Top() + opener->Height() / 2 : screen.Height / 2;
    // Inside the work area of the screen there, moved from the centre as little as needed.
    const RectPx area =
        app_->backend().windows().workAreaAt({static_cast<int>(centreX / screen.TwipsPerPixelX),
                                              static_cast<int>(centreY / screen.TwipsPerPixelY)});
    Move(KeptInside(centreX - Width() / 2, Width(), area.left * screen.TwipsPerPixelX,
                    area.width * screen.TwipsPerPixelX),
         KeptInside(centreY - Height() / 2, Height(), area.top * screen.TwipsPerPixelY,
                    area.height * screen.TwipsPerPixelY));
}

void Form::attachPeers() {
    Backend& backend = app_->backend();
    if (!peer()) attachPeer(backend.createPeer(*this));
    for (auto& control : controls_)
        if (!control->peer()) control->attachPeer(backend.createPeer(*control));
}

void Form::detachPeers() {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        (*it)->detachPeer();
    detachPeer();
}

void Form::remove(Control& control) {
    control.detachPeer();
    if (activeControl_ == &control) activeControl_ = nullptr;
    auto found = std::find_if(controls_.begin(), controls_.end(),
                              [&](const auto& owned) { return owned.get() == &control; });
    if (found != controls_.end()) controls_.erase(found);
}

}  // namespace quillo::runtime
