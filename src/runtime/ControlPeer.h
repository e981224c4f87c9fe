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
    Destroyed  // the form was unloaded: the peer lets go of its widget
};

// The backend's side of a control: it mirrors each change of the model and sends user input back
// to the control as events.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void changed(Control& control, Property property) = 0;
};

}  // namespace quillo::runtime
