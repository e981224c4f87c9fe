#pragma once

#include <string>
#include <string_view>

namespace quillo::runtime {

// Completes an address the way a browser's address bar does: one with a scheme stays,
// "www.x.org/a" becomes "http://www.x.org/a", an absolute file path becomes a file address.
// Leading and trailing blanks are dropped; an empty text stays empty.
std::string CompleteAddress(std::string_view typed);

// The typed text without the white space around it: the address that Navigate loads.
std::string_view TrimAddress(std::string_view typed);

}  // namespace quillo::runtime
