#pragma once

#include <string>

#include "runtime/Form.h"

namespace quillo {

// A design window: a second browser window dressed in the design that a page carries in its
// comments. A new one is made for every design; it stays hidden until its design is applied.
class frmMBrowser : public runtime::Form {
  public:
    frmMBrowser();

    // Takes the design text of the page at URL (the window's Tag holds URL already). For now
    // the window keeps the text and stays hidden.
    void MorphFromPage(const std::string& PageText, const std::string& URL);

    // The design text received.
    std::string DesignText;
};

}  // namespace quillo
