#pragma once

#include <cstdint>
#include <string>

#include "designs/MorphingFunctions.h"
#include "runtime/Form.h"

namespace quillo {

// A design window: a second browser window dressed in the design that a page carries in its
// comments. A new one is made for every design; it stays hidden until its design is applied.
class frmMBrowser : public runtime::Form {
  public:
    frmMBrowser();

    void Form_Load();

    // Takes the design text of the page at URL (the window's Tag holds URL already): derives the
    // cache keys from URL, reads the records into the slots and validates them. For now the
    // window keeps what it read and stays hidden; Outcome tells how far the design came.
    void MorphFromPage(const std::string& PageText, const std::string& URL);

    // The slots and the counter of this window's design.
    bool ValidateDesign();
    void ClearDesign();

    enum class DesignOutcome { None, AddressRefused, Invalid, Valid };

    // The design text received.
    std::string DesignText;
    DesignSlots Design;
    std::string HostKey;
    std::string PageKey;
    // Pictures still to arrive before the design can be shown.
    std::int16_t PendingDownloads = 0;
    DesignOutcome Outcome = DesignOutcome::None;
};

}  // namespace quillo
