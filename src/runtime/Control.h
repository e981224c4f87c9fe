#pragma once

#include <memory>
#include <string>

#include "runtime/ControlPeer.h"
#include "runtime/DataObject.h"
#include "runtime/Event.h"

namespace quillo::runtime {

class Form;

enum class ControlKind {
    Form,
    Label,
    Image,
    PictureBox,
    Frame,
    Shape,
    Line,
    TextBox,
    ComboBox,
    ListBox,
    CheckBox,
    Timer,
    Menu,
    FileListBox,
    DirListBox,
    TreeView,
    ListView,
    CommonDialog,
    SysInfo,
    PopupMenu,
    WebBrowser,
    Inet,
    UserControl
};

// A control of a form: a name (and an index inside a control array), a container, a place in
// twips, the common properties and the events every control has. Property changes reach the
// control's peer; user input enters through the fire... calls.
class Control {
  public:
    Control(Form& form, ControlKind kind, std::string name, int index, Control* container);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    // The index inside a control array, -1 for a control that is not part of one.
    int Index() const { return index_; }
    Form& form() const { return *form_; }
    // The form, a frame or a picture box; for a menu the menu that holds it; nullptr for a form.
    Control* container() const { return container_; }
    void setContainer(Control& container);

    // Geometry in twips, relative to the container (a form's to the screen).
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double value);
    void setTop(double value);
    void setWidth(double value);
    void setHeight(double value);
    // Sets the given values; a negative width or height keeps the current one.
    void Move(double left, double top, double width = -1, double height = -1);

    bool Visible() const { return visible_; }
    virtual void setVisible(bool value);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool value);
    const std::string& Tag() const { return tag_; }
    void setTag(std::string value) { tag_ = std::move(value); }
    const std::string& ToolTipText() const { return toolTipText_; }
    void setToolTipText(std::string value);
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int value);

    void SetFocus();
    void ZOrder(int position = 0);  // 0 brings to the front, 1 sends to the back
    // The position of the last ZOrder call, for the peer that restacks the control.
    int lastZOrder() const { return lastZOrder_; }

    // 0 manual: the control is dragged only after Drag; 1 automatic: pressing it starts a drag.
    int DragMode() const { return dragMode_; }
    void setDragMode(int value);
    // 1 (begin) starts dragging the control with the mouse, 0 (cancel) and 2 (end) stop it.
    void Drag(int action = 1);
    // True while a drag of this control can be dropped: automatic mode or a drag begun by Drag.
    bool draggable() const { return dragMode_ == 1 || dragging_; }
    // True from Drag(1) until the drag ends.
    bool dragging() const { return dragging_; }
    // 0 none: files dropped from other programs are refused; 1 manual: they raise OLEDragDrop.
    int OLEDropMode() const { return oleDropMode_; }
    void setOLEDropMode(int value);

    Event<> Click;
    Event<> DblClick;
    Event<int, int, double, double> MouseDown;  // Button, Shift, X, Y (twips)
    Event<int, int, double, double> MouseMove;
    Event<int, int, double, double> MouseUp;
    Event<int&, int> KeyDown;  // KeyCode (set to 0 to swallow), Shift
    Event<int&, int> KeyUp;
    Event<int&> KeyPress;  // KeyAscii (set to 0 to swallow)
    Event<> GotFocus;
    Event<> LostFocus;
    Event<Control&, double, double> DragDrop;  // Source, X, Y (twips)
    // Data, Effect, Button, Shift, X, Y (twips)
    Event<DataObject&, int&, int, int, double, double> OLEDragDrop;

    // User input, as the backend (or a test playing the user) delivers it. Each runs the
    // control's handler inside the application's dispatch. The key calls return the key that
    // remains after the handlers (0 when swallowed); the form sees keys first when it previews.
    // A click is what the control does when the user clicks it: a check box toggles first.
    virtual void fireClick();
    void fireDblClick();
    void fireMouseDown(int button, int shift, double x, double y);
    void fireMouseMove(int button, int shift, double x, double y);
    void fireMouseUp(int button, int shift, double x, double y);
    int fireKeyDown(int keyCode, int shift);
    int fireKeyUp(int keyCode, int shift);
    int fireKeyPress(int keyAscii);
    void fireGotFocus();
    void fireLostFocus();
    // A control dragged here is dropped at x, y; the drag ends.
    void fireDragDrop(Control& source, double x, double y);
    // Files from another program are dropped at x, y; returns the effect the handler chose.
    int fireOLEDragDrop(DataObject& data, int button, int shift, double x, double y);

    // Expires when the control is destroyed: a backend checks it before it delivers the next
    // event of a gesture whose earlier event may have unloaded the form.
    std::weak_ptr<const void> lifetime() const { return life_; }

    ControlPeer* peer() const { return peer_.get(); }
    void attachPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }
    void detachPeer();

  protected:
    // Tells the peer that a property changed.
    void changed(Property property);
    // Tells the peer of one step in the control's entries, nodes or items.
    void entryChanged(const EntryChange& change);
    // Stores a geometry value and tells the peer; true when it changed.
    bool setGeometryValue(double& field, double value);
    // Width or Height changed.
    virtual void sizeChanged() {}
    // Left or Top was set, also to the value it had: the program placed the control.
    virtual void placed() {}

  private:
    Form* form_;
    ControlKind kind_;
    std::string name_;
    int index_;
    Control* container_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string tag_;
    std::string toolTipText_;
    int mousePointer_ = 0;
    int dragMode_ = 0;
    bool dragging_ = false;
    int oleDropMode_ = 0;
    int lastZOrder_ = 0;
    std::unique_ptr<ControlPeer> peer_;
    std::shared_ptr<const int> life_ = std::make_shared<const int>(0);
};

}  // namespace quillo::runtime
