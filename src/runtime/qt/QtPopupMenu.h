#pragma once

#include "runtime/MenuRequest.h"

namespace quillo::qt {

// Shows a pop-up menu with QMenu and waits for the choice (timers go on meanwhile); the result is
// the chosen entry's id, 0 when the menu was dismissed.
long ShowPopupMenu(const runtime::MenuRequest& request);

}  // namespace quillo::qt
