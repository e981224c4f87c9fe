// The web engine started ahead of the first browser control: no control hears of it, and its page
// goes once a control's page begins loading.

#include <gtest/gtest.h>

#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "E2E.h"
#include "runtime/WebBrowser.h"
#include "runtime/qt/WebBrowserPeer.h"
#include "runtime/qt/WebEngineWarmUp.h"

using namespace e2e;

namespace {

class Watched : public Form {
  public:
    Watched() : Form("Watched") {
        Browser.BeforeNavigate2 = [this](const BrowserObject&, const std::string& url, bool&) {
            events.push_back("before " + url);
        };
        Browser.NavigateComplete2 = [this](const BrowserObject&, const std::string& url) {
            events.push_back("navigated " + url);
        };
        Browser.DocumentComplete = [this](const BrowserObject&, const std::string& url) {
            events.push_back("complete " + url);
        };
        Browser.DownloadBegin = [this] { events.push_back("download"); };
        Browser.ProgressChange = [this](std::int32_t, std::int32_t) {
            events.push_back("progress");
        };
    }
    WebBrowser& Browser = add<WebBrowser>("Browser");
    std::vector<std::string> events;
};

}  // namespace

TEST(WebEngineWarmUp, NoBrowserControlHearsOfTheWarmPageWhichGoesOnceAControlsPageLoads) {
    QtApp qt;
    auto& form = app().form<Watched>();
    QWidget window;
    form.Browser.Move(0, 0, 6000, 4500);
    form.Browser.attachPeer(quillo::qt::makeWebBrowserPeer(
        form.Browser, [&](Control&) { return &window; }, 15, 15));
    window.show();

    quillo::qt::WarmUpWebEngine();
    EXPECT_TRUE(quillo::qt::WebEngineWarming());
    waitFor([] { return false; }, 1000);
    EXPECT_TRUE(form.events.empty());
    EXPECT_EQ(form.Browser.LocationURL(), "");
    EXPECT_TRUE(quillo::qt::WebEngineWarming());

    PageServer site;
    site.add("/page.htm", "<html><body>A page</body></html>");
    std::string address = site.url("/page.htm").toStdString();
    form.Browser.Navigate(address);
    EXPECT_TRUE(waitFor([] { return !quillo::qt::WebEngineWarming(); }));
    ASSERT_TRUE(waitFor([&] {
        return std::find(form.events.begin(), form.events.end(), "complete " + address) !=
               form.events.end();
    }));
    EXPECT_EQ(form.events.front(), "before " + address);
}
