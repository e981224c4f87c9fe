#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Control.h"
#include "runtime/ControlArray.h"
#include "runtime/DrawList.h"
#include "runtime/MenuRequest.h"
#include "runtime/Picture.h"
#include "runtime/Types.h"

namespace quillo::runtime {

class Application;
class Menu;

// A window. Its controls are created in the derived form's constructor with add(); its handlers
// are wired there too. Loading, showing and unloading go through the application, which owns it.
class Form : public Control {
  public:
    explicit Form(std::string name);
    ~Form() override;

    Application& application() const { return *app_; }
    bool loaded() const { return loaded_; }

    // Load (if needed) and make visible; a modal show returns when the form is hidden or unloaded.
    void Show(ShowMode mode = ShowMode::Modeless);
    void Hide();
    // Unloads the form; safe from inside its own handlers (it is destroyed once they returned).
    void Unload();

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string value);
    // 0 none (borderless), 1 fixed single, 2 sizable, 3 fixed dialog, 4 fixed tool window.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);
    Color BackColor() const { return backColor_; }
    void setBackColor(Color value);
    // The window's own font: what it measures and prints its texts in.
    const Font& getFont() const { return font_; }
    void setFont(const Font& value);
    const Picture& getPicture() const { return picture_; }
    void setPicture(const Picture& value);
    WindowState getWindowState() const { return windowState_; }
    void setWindowState(WindowState value);
    bool KeyPreview() const { return keyPreview_; }
    void setKeyPreview(bool value) { keyPreview_ = value; }
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool value) { autoRedraw_ = value; }
    bool ShowInTaskbar() const { return showInTaskbar_; }
    void setShowInTaskbar(bool value) { showInTaskbar_ = value; }
    // The least size (twips) to which the user can bring the window by its edges; the window
    // system is told, and keeps to it. 0 for none.
    double MinimumWidth() const { return minimumWidth_; }
    double MinimumHeight() const { return minimumHeight_; }
    void setMinimumSize(double width, double height);

    // The window this one was last shown over: the one that had taken the user's last input.
    // A modal window stays above it. nullptr when there was none or it is gone.
    Form* owner() const { return ownerLife_.expired() ? nullptr : owner_; }
    // True from a modal Show until the window is hidden.
    bool modal() const { return modal_; }
    // The window this one belongs to, whichever window the user used last: it opens over that
    // one while that one is there (a pop-up over the page that opened it).
    void opensOver(Form& window);

    // The inner drawing area in twips; a borderless form's is its whole size.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // A number that names the window for the window services and media commands.
    long hWnd() const { return windowId_; }

    // Pops up the visible children of one of the form's menus, at the mouse pointer or at x, y
    // (twips of the form's inner area), and waits; the chosen entry's Click runs before it returns.
    void PopupMenu(Menu& menu);
    void PopupMenu(Menu& menu, double x, double y);

    void PaintPicture(const Picture& picture, double x, double y, double width = -1,
                      double height = -1);
    void Cls();
    const DrawList& drawList() const { return drawList_; }
    void Refresh();

    // The controls of the form in creation order (containers before what they contain).
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* findControl(const std::string& name, int index = -1) const;
    Control* activeControl() const { return activeControl_; }

    Event<> Initialize;
    Event<> Load;
    Event<> Activate;
    Event<> Resize;
    Event<> Paint;
    Event<> Unloading;  // Form_Unload
    // The window system asks to close the window (its close button, Alt+F4). A form whose own
    // close control does something else (hides it, answers a question) does that here; without
    // a handler the form is unloaded.
    Event<> CloseRequest;

    // User input: the window system's close.
    void fireCloseRequest();

    void setVisible(bool value) override;

    // Counts the user's clicks and key presses in the window (its controls, its menus, its
    // pages): a page may open a window of its own accord once between two of them.
    void noteUserInput();
    std::uint64_t userInputs() const { return userInputs_; }

    // Used by the application and the controls.
    void markLoaded(bool loaded) { loaded_ = loaded; }
    void setActiveControl(Control* control) { activeControl_ = control; }
    void attachPeers();
    void detachPeers();
    template <class T>
    T& adopt(std::unique_ptr<T> control);
    void remove(Control& control);

  protected:
    // Width or Height changed: Resize runs at once, also during Load.
    void sizeChanged() override;
    void placed() override { placed_ = true; }
    // Creates a control of this form; the form itself is the container when none is given.
    template <class T>
    T& add(std::string name, Control* container = nullptr, int index = -1) {
        return adopt(
            std::make_unique<T>(*this, std::move(name), index, container ? container : this));
    }
    // Creates a control array with the given indices.
    template <class T>
    ControlArray<T> addArray(std::string name, std::initializer_list<int> indices,
                             Control* container = nullptr) {
        ControlArray<T> array(*this, std::move(name), container ? container : this);
        for (int index : indices)
            array.Load(index);
        return array;
    }

  private:
    void popup(Menu& menu, std::optional<TwipsPoint> at);
    // Takes the opener as owner; a window the program has not placed opens centred over it, or
    // on the screen when there is none, and inside the work area of the screen there.
    void openOver(Form* opener);

    Application* app_;
    bool loaded_ = false;
    std::string caption_;
    int borderStyle_ = 0;
    Color backColor_ = 0x8000000F;
    Font font_;
    Picture picture_;
    WindowState windowState_ = WindowState::Normal;
    bool keyPreview_ = false;
    bool autoRedraw_ = false;
    bool showInTaskbar_ = true;
    double minimumWidth_ = 0;
    double minimumHeight_ = 0;
    bool placed_ = false;
    bool modal_ = false;
    Form* owner_ = nullptr;
    std::weak_ptr<const void> ownerLife_;
    Form* opensOverForm_ = nullptr;
    std::weak_ptr<const void> opensOver_;
    long windowId_;
    DrawList drawList_;
    std::vector<std::unique_ptr<Control>> controls_;
    Control* activeControl_ = nullptr;
    std::uint64_t userInputs_ = 0;
};

template <class T>
T& Form::adopt(std::unique_ptr<T> control) {
    T& ref = *control;
    controls_.push_back(std::move(control));
    if (loaded_) attachPeers();
    return ref;
}

template <class T>
T& ControlArray<T>::Load(int index) {
    if (contains(index)) return (*this)(index);
    T& created = form_->adopt(std::make_unique<T>(*form_, name_, index, container_));
    elements_[index] = &created;
    return created;
}

template <class T>
void ControlArray<T>::Unload(int index) {
    auto found = elements_.find(index);
    if (found == elements_.end()) return;
    T* element = found->second;
    elements_.erase(found);
    form_->remove(*element);
}

}  // namespace quillo::runtime
