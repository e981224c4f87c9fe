#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// The phrases a page must not hold, in the order they are tested, each as the wildcard pattern
// "*phrase*" against the page's lower-cased text.
const std::vector<std::string>& ForbiddenPatterns();

// True when the text, lower-cased, holds one of the forbidden phrases. The page's address plays
// no part; the empty text is never forbidden.
bool IsForbiddenText(std::string_view text);

}  // namespace quillo
