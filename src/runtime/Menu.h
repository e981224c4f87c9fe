#pragma once

#include <vector>

#include "runtime/Control.h"

namespace quillo::runtime {

// An entry of a form's menus. Its container is the form for a menu of the menu bar, or the menu
// that holds it. A caption "-" makes a separator. A menu that is not visible stays out of the
// menu bar and can still pop up with Form::PopupMenu, which shows its visible children.
class Menu : public Control {
  public:
    Menu(Form& form, std::string name, int index, Control* container);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string value);
    bool Checked() const { return checked_; }
    void setChecked(bool value);
    // The menus it holds, in creation order.
    std::vector<Menu*> children() const;

  private:
    std::string caption_;
    bool checked_ = false;
};

}  // namespace quillo::runtime
