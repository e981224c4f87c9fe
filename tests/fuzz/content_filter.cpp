// The page text the content filter judges: its verdict must be that of the plain reading of its
// rule, one search per phrase in the text lower-cased.
#include <cstdlib>

#include "fuzz/FuzzSupport.h"
#include "mainwindow/pornBuster.h"
#include "runtime/PathResolver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = quillo::fuzz::Text(data, size);
    const std::string lower = quillo::runtime::LowerAscii(text);
    bool holdsAPhrase = false;
    for (const std::string& pattern : quillo::ForbiddenPatterns())
        holdsAPhrase |= lower.find(pattern.substr(1, pattern.size() - 2)) != std::string::npos;
    if (quillo::IsForbiddenText(text) != holdsAPhrase) std::abort();
    return 0;
}
