#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::runtime {

// A comment as written in a page's source.
struct SourceComment {
    std::string text;  // from its "<!" (or "<?", "</") to its closing ">", CR, LF and Chr(2) kept
    std::string data;  // what a parser keeps of it: the text inside, line ends made LF
    bool operator==(const SourceComment&) const = default;
};

// The comments of an HTML source in order, cut by the HTML tokenizer's rules: "<!--" to "-->"
// (or "--!>", or the source's end), "<!" and "<?" to the next ">", never inside tags, script,
// style, textarea, title and the other raw-text elements.
std::vector<SourceComment> ScanComments(std::string_view source);

// Gives each comment of a document, known by its data in document order, its text as written:
// the next source comment with the same data, or "<!--" data "-->" for one that is not in the
// source (a script made it).
std::vector<std::string> MatchComments(const std::vector<std::string>& domData,
                                       const std::vector<SourceComment>& source);

}  // namespace quillo::runtime
