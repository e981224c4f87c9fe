// A page's design: its source, whose comments the web engine cuts out as written, and optionally
// the page's address before a "%%" line. The design window takes the comment text as the main
// window hands it over, applies the design and keeps it in the cache; a second window then opens
// the same design from the cache, as a saved design does.
#include <filesystem>

#include "designs/frmMBrowser.h"
#include "fuzz/FuzzSupport.h"
#include "mainwindow/pornBuster.h"
#include "runtime/Application.h"
#include "runtime/HtmlComments.h"

namespace {

using namespace quillo;

const std::string kPageAddress = "http://www.design.test/kids/page.htm";

// A window holding nothing but a browser, for the page to be read from.
struct PageWindow : runtime::Form {
    PageWindow() : Form("PageWindow") {}
    runtime::WebBrowser& browser = add<runtime::WebBrowser>("browser");
};

// The page as the engine serves it: each comment's text as written, found by its parsed data.
headless::ScriptedPage PageOf(const std::string& source) {
    std::vector<runtime::SourceComment> comments = runtime::ScanComments(source);
    std::vector<std::string> data;
    for (const runtime::SourceComment& comment : comments)
        data.push_back(comment.data);
    headless::ScriptedPage page;
    for (std::string& text : runtime::MatchComments(data, comments))
        page.elements.push_back({"!", std::move(text)});
    return page;
}

void OpenDesign(const std::string& address, const std::string& design, bool fromCache) {
    frmMBrowser& window = runtime::app().newForm<frmMBrowser>();
    window.setTag(address);
    if (fromCache)
        window.LoadDesignFromCache(address);
    else
        window.MorphFromPage(design, address);
    fuzz::Program().advance(1000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(fuzz::Text(data, size), 2);
    const std::string address = parts[1] ? *parts[0] : kPageAddress;
    const std::string& source = parts[1] ? *parts[1] : *parts[0];
    fuzz::Reset(false);
    std::error_code ignored;
    std::filesystem::remove_all(fuzz::Program().windowsDir() + "/RN4KMorphingCache", ignored);

    fuzz::Program().backend().web.add(kPageAddress, PageOf(source));
    PageWindow& reader = runtime::app().newForm<PageWindow>();
    reader.browser.Navigate(kPageAddress);
    fuzz::Program().advance(0);
    const std::string design = GetCommentText(reader.browser.Object());
    if (!design.empty() && IsNewMorphWindow(address)) OpenDesign(address, design, false);
    OpenDesign(address, design, true);
    fuzz::Reset(false);
    return 0;
}
