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

// One step in the entries of a list or combo box, the nodes of a tree view or the items of a list
// view, so that a peer changes the one row it concerns instead of reading every row again. The
// model holds the step already when the peer hears of it.
struct EntryChange {
    enum class Kind {
        Inserted,  // a new entry at place
        Removed,   // the entry at place (a node with every node below it)
        Replaced,  // the text of the entry at place
        Cleared,   // every entry
        Expanded   // a node was expanded or collapsed
    };
    Kind kind;
    int place = -1;  // from 0: the row of a list, a node's place among its siblings
    long id = 0;     // the tree node or list item; 0 for the entries of list and combo boxes
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
    // One entry changed. A peer that reads the entries only as a whole takes it as a change of
    // Items (of Expansion for a node expanded or collapsed).
    virtual void entryChanged(Control& control, const EntryChange& change) {
        changed(control,
                change.kind == EntryChange::Kind::Expanded ? Property::Expansion : Property::Items);
    }
};

}  // namespace quillo::runtime
