#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "runtime/headless/ScriptedPage.h"

namespace quillo::headless {

// The pages the headless browsers can reach, by address. An address with no page fails like an
// unknown host; "about:blank" is always there, empty.
class HeadlessWeb {
  public:
    void add(const std::string& address, ScriptedPage page);
    // Adds the page that this HTML makes (ScriptedPage::fromHtml).
    ScriptedPage& addHtml(const std::string& address, std::string_view html);
    const ScriptedPage* find(const std::string& address) const;

    // Members whose reads (and writes) fail on every document: "Document", "Frames", "All",
    // "body", "Text", "innerhtml", "outerhtml", "writeln".
    std::set<std::string> failing;

  private:
    std::map<std::string, ScriptedPage> pages_;
};

}  // namespace quillo::headless
