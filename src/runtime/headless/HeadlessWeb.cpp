#include "runtime/headless/HeadlessWeb.h"

namespace quillo::headless {

void HeadlessWeb::add(const std::string& address, ScriptedPage page) {
    pages_[address] = std::move(page);
}

ScriptedPage& HeadlessWeb::addHtml(const std::string& address, std::string_view html) {
    return pages_[address] = ScriptedPage::fromHtml(html, address);
}

const ScriptedPage* HeadlessWeb::find(const std::string& address) const {
    static const ScriptedPage blank = [] {
        ScriptedPage page;
        page.elements = {{"HTML", ""}, {"HEAD", ""}, {"BODY", ""}};
        page.body = HtmlBodyData{"BODY", "", "", "<body></body>"};
        return page;
    }();
    auto found = pages_.find(address);
    if (found != pages_.end()) return &found->second;
    return address == "about:blank" ? &blank : nullptr;
}

}  // namespace quillo::headless
