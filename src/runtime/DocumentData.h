#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillo::runtime {

// Frame indices from the top document down: {} is the page itself, {1} its second frame, {1, 0}
// the first frame inside that one.
using FramePath = std::vector<int>;

// One entry of a document's "All": an element or a comment ("!"), in document order.
struct HtmlElementData {
    std::string tagName;              // upper case for HTML elements
    std::optional<std::string> text;  // nullopt when "Text" cannot be read
    bool operator==(const HtmlElementData&) const = default;
};

// The body (or frameset) of a document.
struct HtmlBodyData {
    std::string tagName = "BODY";
    std::optional<std::string> text;
    std::optional<std::string> innerHtml;
    std::optional<std::string> outerHtml;
    bool operator==(const HtmlBodyData&) const = default;
};

// What an engine knows of one document: a snapshot for the Qt engine, the live model for the
// headless one. Every part that cannot be read is empty, so that reads of it fail.
struct DocumentData {
    std::string url;
    std::string title;
    int readyState = 0;
    std::optional<std::vector<HtmlElementData>> all;
    std::optional<HtmlBodyData> body;
    std::optional<int> frameCount;  // the length of "Frames"
    bool operator==(const DocumentData&) const = default;
};

}  // namespace quillo::runtime
