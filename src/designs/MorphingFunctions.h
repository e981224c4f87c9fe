#pragma once

#include <string>

namespace quillo {

// False when a loaded design window already carries this address in its Tag (compared exactly),
// so that one page opens one design window at a time.
bool IsNewMorphWindow(const std::string& URL);

}  // namespace quillo
