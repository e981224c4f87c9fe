#pragma once

#include "runtime/Control.h"
#include "runtime/EditText.h"
#include "runtime/ItemList.h"
#include "runtime/Types.h"

namespace quillo::runtime {

// An edit field with a list of entries (indexed from 0). Style 0 drops the list down under the
// field, 1 shows it always, 2 has no field: its text is the chosen entry. Change runs when the
// field's text changes (not when an entry is chosen); Click runs when an entry is chosen, by the
// user or by setting ListIndex. Positions in the text count code points.
class ComboBox : public Control {
  public:
    ComboBox(Form& form, std::string name, int index, Control* container);

    const std::string& Text() const { return edit_.text(); }
    // Sets the field's text; the chosen entry stays only when it reads the same text. With style 2
    // the text chooses the entry that reads it exactly, and other texts change nothing.
    void setText(std::string value);
    int SelStart() const { return edit_.selStart(); }
    void setSelStart(int value);
    int SelLength() const { return edit_.selLength(); }
    void setSelLength(int value);
    std::string SelText() const { return edit_.selText(); }
    void setSelText(const std::string& value);

    void AddItem(std::string item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    // The entry at index; the empty text outside the list.
    std::string List(int index) const { return items_.at(index); }
    void setList(int index, std::string text);
    int ListCount() const { return items_.count(); }
    int ListIndex() const { return items_.listIndex(); }
    // Chooses an entry (-1: none): the field takes its text and Click runs.
    void setListIndex(int value);
    long ItemData(int index) const { return items_.itemData(index); }
    void setItemData(int index, long value) { items_.setItemData(index, value); }
    bool Sorted() const { return items_.sorted(); }
    void setSorted(bool value);

    int Style() const { return style_; }
    void setStyle(int value);
    bool Locked() const { return locked_; }
    void setLocked(bool value);
    Color BackColor() const { return backColor_; }
    void setBackColor(Color value);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color value);
    const Font& getFont() const { return font_; }
    void setFont(const Font& value);

    Event<> Change;
    Event<> DropDown;

    // User input: typing into the field (as TextBox), opening the list, choosing an entry.
    void applyKey(int keyAscii);
    void applyDelete();
    void userEdited(std::string text, int selStart, int selLength);
    void fireDropDown();
    void fireChoose(int index);

  private:
    void textChanged();
    // The field's text no longer reads the chosen entry: none is chosen.
    void dropStaleChoice();

    EditText edit_;
    ItemList items_;
    int style_ = 0;
    bool locked_ = false;
    Color backColor_ = 0x80000005;
    Color foreColor_ = 0x80000008;
    Font font_;
};

}  // namespace quillo::runtime
