// A page's design: its source, whose comments the web engine cuts out as written, and optionally
// the page's address before a "%%" line. The page is loaded and handed to the design subsystem as
// the main window hands over every page that passed the filter: a design window takes its comment
// text, applies the design and keeps it in the cache. A second window then opens the same address
// from the cache, as a saved design does.
#include <filesystem>

#include "designs/MorphingFunctions.h"
#include "designs/frmMBrowser.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/Application.h"
#include "runtime/HtmlComments.h"
#include "runtime/WebAddress.h"

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

void OpenFromCache(const std::string& address) {
    frmMBrowser& window = runtime::app().newForm<frmMBrowser>();
    window.setTag(address);
    window.LoadDesignFromCache(address);
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

    // The browser goes to the address as completed; a page there is served either way.
    const std::string location = runtime::CompleteAddress(address);
    fuzz::Program().backend().web.add(location.empty() ? address : location, PageOf(source));
    PageWindow& reader = runtime::app().newForm<PageWindow>();
    reader.browser.Navigate(address);
    fuzz::Program().advance(0);
    OpenDesignOfPage(reader.browser, reader.browser.Object());
    fuzz::Program().advance(1000);
    OpenFromCache(address);
    fuzz::Reset(false);
    return 0;
}
