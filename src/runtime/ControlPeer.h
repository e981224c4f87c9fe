#pragma once

namespace quillo::runtime {

class Control;

// What changed on a control; the peer reads the new values from the control itself.
enum class Property {
    Geometry,
    Visible,
    Enabled,
    Caption,  // Caption of labels, forms, check boxes and menus
    Text,     // Text of text and combo boxes
    Selection,
    Picture,
    Colors,
    Font,
    ToolTip,
    Items,      // list entries, tree nodes, list items, menu entries
    ListIndex,  // selected entry
    Value,
    Style,  // alignment, border, stretch, auto size, shape kind and similar looks
    Draw,   // the draw list of a form or picture box
    ZOrder,
    Container,  // the control moved into another container
    WindowState,
    MousePointer,
    Focus,
    Expansion,      // a tree node was expanded or collapsed
    DropHighlight,  // the drop-highlighted tree node or list item
    LabelEdit,      // a label edit of a tree node or list item started or ended
    DragDrop,       // DragMode, OLEDropMode or the state of a drag started by Drag
    Destroyed       // the form was unloaded: the peer lets go of its widget
};

// The backend's side of a control: it mirrors each change of the model and sends user input back
// to the control as events.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void changed(Control& control, Property property) = 0;
    // The tree node or list item shown at x, y (twips, in the control's own coordinates): its
    // id, or 0 when there is none there. Only peers of tree views and list views are asked.
    virtual long itemAt(const Control& control, double x, double y) = 0;
};

}  // namespace quillo::runtime
