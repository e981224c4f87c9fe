#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/DocumentData.h"

namespace quillo::headless {

using namespace quillo::runtime;

// A page the headless web engine serves: its title, its elements in document order (comments
// as "!" with their text as written), its body markup and the addresses of its frames, which are
// pages of their own.
struct ScriptedPage {
    std::string title;
    std::vector<HtmlElementData> elements;
    std::optional<HtmlBodyData> body;
    std::vector<std::string> frames;
    // A foreign frame: its document cannot be read.
    bool readable = true;
    // Virtual milliseconds from the page turning interactive to its completion.
    int loadMs = 0;

    // Builds a page from HTML: elements with their whole text (entities &amp; &lt; &gt; &quot;
    // &#n; &nbsp; decoded), comments as written, the body's inner and outer markup as written,
    // frame and iframe sources made absolute against the page's address.
    static ScriptedPage fromHtml(std::string_view html, const std::string& address = "");
};

}  // namespace quillo::headless
