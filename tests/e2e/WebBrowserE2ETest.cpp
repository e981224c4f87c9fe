#include <gtest/gtest.h>

#include <QWebEnginePage>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "E2E.h"
#include "runtime/HtmlElement.h"
#include "runtime/WebBrowser.h"
#include "runtime/qt/QtWebEngine.h"
#include "runtime/qt/WebBrowserPeer.h"

using namespace e2e;

namespace {

struct Seen {
    std::string name;  // "before", "complete", "newwindow"
    std::string who;   // "page" or "frame" (with its path when known)
    std::string url;
};

std::string who(const BrowserObject& object) {
    if (object.isTopLevel()) return "page";
    std::string name = "frame";
    if (object.frame())
        for (int i : *object.frame())
            name += " " + std::to_string(i);
    return name;
}

class Browsing : public Form {
  public:
    Browsing() : Form("Browsing") {
        Main.BeforeNavigate2 = [this](const BrowserObject& pDisp, const std::string& url, bool&) {
            events.push_back({"before", who(pDisp), url});
        };
        Main.DocumentComplete = [this](const BrowserObject& pDisp, const std::string& url) {
            events.push_back({"complete", who(pDisp), url});
            if (pDisp.isTopLevel()) ++mainPages;
        };
        Main.NewWindow2 = [this](BrowserObject& ppDisp, bool&) {
            events.push_back({"newwindow", "page", ""});
            ppDisp = Side.Object();
        };
        Side.BeforeNavigate2 = [this](const BrowserObject& pDisp, const std::string& url, bool&) {
            if (pDisp.isTopLevel()) sideAddresses.push_back(url);
        };
        Side.DocumentComplete = [this](const BrowserObject& pDisp, const std::string&) {
            if (pDisp.isTopLevel()) ++sidePages;
        };
    }
    WebBrowser& Main = add<WebBrowser>("Main");
    WebBrowser& Side = add<WebBrowser>("Side");
    std::vector<Seen> events;
    int mainPages = 0;
    int sidePages = 0;
    std::vector<std::string> sideAddresses;
};

// The browsers shown in a plain window, placed by their peers.
struct Shown {
    QtApp qt;
    Browsing& form = app().form<Browsing>();
    QWidget window;
    Shown() {
        window.resize(800, 600);
        form.Main.Move(0, 0, 6000, 4500);
        form.Side.Move(6000, 0, 6000, 4500);
        for (WebBrowser* browser : {&form.Main, &form.Side})
            browser->attachPeer(quillo::qt::makeWebBrowserPeer(
                *browser, [this](Control&) { return &window; }, 15, 15));
        window.show();
    }
    bool loadMain(const std::string& url) {
        int before = form.mainPages;
        form.Main.Navigate(url);
        return waitFor([&] { return form.mainPages > before; });
    }
};

std::vector<std::string> texts(const HtmlDocument& document) {
    std::vector<std::string> out;
    if (auto all = document.All())
        for (const auto& element : *all)
            out.push_back(element.Text().value_or("<unreadable>"));
    return out;
}

bool holds(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

}  // namespace

TEST(QtWebBrowser, APageWithAForeignFrameCompletesEachFrameThenThePageAndReadsBoth) {
    Shown shown;
    PageServer site, other;
    site.add("/frames.htm",
             "<html><head><title>Two frames</title></head><body><p>Top text</p>"
             "<iframe src='/left.htm'></iframe><iframe src='" +
                 other.url("/right.htm").toUtf8() + "'></iframe></body></html>");
    site.add("/left.htm", "<html><body><p>Left side</p></body></html>");
    other.add("/right.htm", "<html><body><p>Right side from elsewhere</p></body></html>");
    std::string page = site.url("/frames.htm").toStdString();
    ASSERT_TRUE(shown.loadMain(page));

    std::vector<std::string> before, complete;
    for (const Seen& e : shown.form.events) {
        if (e.name == "before") before.push_back(e.who + " " + e.url);
        if (e.name == "complete") complete.push_back(e.who);
    }
    EXPECT_EQ(before.front(), "page " + page);
    EXPECT_TRUE(holds(before, "frame " + site.url("/left.htm").toStdString()));
    EXPECT_TRUE(holds(before, "frame " + other.url("/right.htm").toStdString()));
    ASSERT_EQ(complete.size(), 3u);
    EXPECT_EQ(complete.back(), "page");
    std::sort(complete.begin(), complete.end() - 1);
    EXPECT_EQ(complete[0], "frame 0");
    EXPECT_EQ(complete[1], "frame 1");

    auto frames = shown.form.Main.Document()->Frames();
    ASSERT_TRUE(frames);
    ASSERT_EQ(frames->size(), 2u);
    auto foreign = (*frames)[1].Document();
    ASSERT_TRUE(foreign);
    EXPECT_TRUE(holds(texts(*foreign), "Right side from elsewhere"));
    EXPECT_EQ((*frames)[1].LocationURL(), other.url("/right.htm").toStdString());
    // Writes reach only the frames of the page's own origin.
    EXPECT_FALSE(foreign->writeln("<p>no</p>"));
    EXPECT_TRUE(holds(texts(*(*frames)[0].Document()), "Left side"));
    EXPECT_EQ(shown.form.Main.LocationName(), "Two frames");
}

TEST(QtWebBrowser, TheSnapshotHoldsTextsBodyMarkupAndCommentsAsWritten) {
    Shown shown;
    PageServer site;
    site.add("/comments.htm",
             "<html><head><title>Design</title></head><body><p>Alpha</p>\r\n"
             "<! FRM\x02"
             "10\x02"
             "20 >\r\n<!-- plain\r\ncomment -->\r\n<b>Beta</b></body></html>",
             "text/html; charset=utf-8");
    ASSERT_TRUE(shown.loadMain(site.url("/comments.htm").toStdString()));
    auto document = shown.form.Main.Document();
    ASSERT_TRUE(document);
    std::vector<std::string> comments;
    auto elements = document->All();
    ASSERT_TRUE(elements);
    for (const auto& element : *elements)
        if (element.tagName() == "!") comments.push_back(element.Text().value_or("?"));
    EXPECT_EQ(comments, (std::vector<std::string>{"<! FRM\x02"
                                                  "10\x02"
                                                  "20 >",
                                                  "<!-- plain\r\ncomment -->"}));
    // The page's rendered text holds every text laid out inside it, which then has none of its
    // own in the model.
    auto all = texts(*document);
    ASSERT_FALSE(all.empty());
    EXPECT_NE(all[0].find("Alpha"), std::string::npos);
    EXPECT_NE(all[0].find("Beta"), std::string::npos);
    EXPECT_FALSE(holds(all, "Alpha"));
    auto body = document->body();
    ASSERT_TRUE(body);
    EXPECT_NE(body->innerHTML().value_or("").find("<b>Beta</b>"), std::string::npos);
    EXPECT_EQ(body->outerHTML().value_or("").rfind("<body>", 0), 0u);
    EXPECT_EQ(shown.form.Main.ReadyState(), 4);
    EXPECT_FALSE(shown.form.Main.Busy());
}

TEST(QtWebBrowser, WritelnReplacesTheShownPage) {
    Shown shown;
    PageServer site;
    site.add("/page.htm", "<html><body><p>Alpha words</p></body></html>");
    ASSERT_TRUE(shown.loadMain(site.url("/page.htm").toStdString()));
    auto document = shown.form.Main.Document();
    ASSERT_TRUE(document);
    auto body = document->body();
    ASSERT_TRUE(body);
    EXPECT_TRUE(body->setInnerHTML(""));
    EXPECT_TRUE(document->writeln("<CENTER><H1>Written over</H1></CENTER>"));
    ASSERT_TRUE(waitFor([&] {
        auto now = shown.form.Main.Document();
        return now && holds(texts(*now), "Written over") && !holds(texts(*now), "Alpha words");
    }));
    auto* engine = dynamic_cast<quillo::qt::QtWebEngine*>(shown.form.Main.engine());
    std::optional<QString> shownText;
    engine->page()->runJavaScript("document.body.innerText",
                                  [&](const QVariant& value) { shownText = value.toString(); });
    ASSERT_TRUE(waitFor([&] { return shownText.has_value(); }));
    EXPECT_TRUE(shownText->contains("Written over"));
    EXPECT_FALSE(shownText->contains("Alpha"));
}

TEST(QtWebBrowser, ALinkToANewWindowLoadsInTheBrowserTheHandlerChose) {
    Shown shown;
    PageServer site;
    site.add("/opener.htm",
             "<html><body><a id='l' href='/pop.htm' target='_blank'>pop</a></body></html>");
    site.add("/pop.htm", "<html><head><title>Popped</title></head><body>new</body></html>");
    site.add("/before.htm", "<html><head><title>Before</title></head><body>old</body></html>");
    // The chosen browser already shows a page: the new window replaces it.
    shown.form.Side.Navigate(site.url("/before.htm").toStdString());
    ASSERT_TRUE(waitFor([&] { return shown.form.sidePages == 1; }));
    ASSERT_TRUE(shown.loadMain(site.url("/opener.htm").toStdString()));
    auto* engine = dynamic_cast<quillo::qt::QtWebEngine*>(shown.form.Main.engine());
    engine->page()->runJavaScript("document.getElementById('l').click()");
    ASSERT_TRUE(waitFor([&] { return shown.form.sidePages > 1; }));
    EXPECT_EQ(shown.form.Side.LocationURL(), site.url("/pop.htm").toStdString());
    EXPECT_EQ(shown.form.Side.LocationName(), "Popped");
    // The chosen browser sees where the new window heads before it goes there.
    EXPECT_EQ(shown.form.sideAddresses.back(), site.url("/pop.htm").toStdString());
    EXPECT_EQ(shown.form.Main.LocationURL(), site.url("/opener.htm").toStdString());
    EXPECT_EQ(std::count_if(shown.form.events.begin(), shown.form.events.end(),
                            [](const Seen& e) { return e.name == "newwindow"; }),
              1);
}

TEST(QtWebBrowser, TheMakersBlockedPageLoadsWithNoNetwork) {
    Shown shown;
    ASSERT_TRUE(shown.loadMain("www.quillo.example/blocked.htm"));
    EXPECT_EQ(shown.form.Main.LocationURL(), "http://www.quillo.example/blocked.htm");
    EXPECT_EQ(shown.form.Main.LocationName(), "Blocked");
    EXPECT_TRUE(holds(texts(*shown.form.Main.Document()), "Let us go somewhere else."));
}

TEST(QtWebBrowser, AnUnknownHostLeavesTheBrowserOnTheCanceledPage) {
    Shown shown;
    ASSERT_TRUE(shown.loadMain("http://nowhere.invalid/page.htm"));
    EXPECT_EQ(shown.form.Main.LocationURL(),
              "about:navigationcanceled#http://nowhere.invalid/page.htm");
    EXPECT_EQ(shown.form.events.back().url,
              "about:navigationcanceled#http://nowhere.invalid/page.htm");
    EXPECT_FALSE(shown.form.Main.Busy());
}

TEST(QtWebBrowser, ACancelInBeforeNavigate2KeepsThePageWhereItIs) {
    Shown shown;
    PageServer site;
    site.add("/here.htm", "<html><body><a id='l' href='/there.htm'>go</a></body></html>");
    site.add("/there.htm", "<html><body>there</body></html>");
    ASSERT_TRUE(shown.loadMain(site.url("/here.htm").toStdString()));
    std::vector<std::string> refused;
    shown.form.Main.BeforeNavigate2 = [&](const BrowserObject&, const std::string& url,
                                          bool& cancel) {
        refused.push_back(url);
        cancel = true;
    };
    auto* engine = dynamic_cast<quillo::qt::QtWebEngine*>(shown.form.Main.engine());
    engine->page()->runJavaScript("document.getElementById('l').click()");
    ASSERT_TRUE(waitFor([&] { return !refused.empty(); }));
    shown.form.Main.Navigate(site.url("/there.htm").toStdString());
    waitFor([] { return false; }, 1000);
    EXPECT_EQ(refused.size(), 2u);
    EXPECT_EQ(shown.form.Main.LocationURL(), site.url("/here.htm").toStdString());
    EXPECT_EQ(shown.form.mainPages, 1);
}

TEST(QtWebBrowser, BackAndForwardSayWhetherTheHistoryHadAPageToGoTo) {
    Shown shown;
    PageServer site;
    site.add("/a.htm", "<html><head><title>A</title></head><body>a</body></html>");
    site.add("/b.htm", "<html><head><title>B</title></head><body>b</body></html>");
    ASSERT_TRUE(shown.loadMain(site.url("/a.htm").toStdString()));
    EXPECT_FALSE(shown.form.Main.GoBack());
    EXPECT_FALSE(shown.form.Main.GoForward());
    ASSERT_TRUE(shown.loadMain(site.url("/b.htm").toStdString()));
    EXPECT_FALSE(shown.form.Main.GoForward());
    int before = shown.form.mainPages;
    EXPECT_TRUE(shown.form.Main.GoBack());
    ASSERT_TRUE(waitFor([&] { return shown.form.mainPages > before; }));
    EXPECT_EQ(shown.form.Main.LocationName(), "A");
}

TEST(QtWebBrowser, StopOfALoadingPageEndsItsDownloadWithoutCompletingIt) {
    Shown shown;
    PageServer site;
    site.addSilent("/never.htm");
    int downloadsEnded = 0;
    shown.form.Main.DownloadComplete = [&] { ++downloadsEnded; };
    shown.form.Main.Navigate(site.url("/never.htm").toStdString());
    ASSERT_TRUE(waitFor([&] { return shown.form.Main.Busy(); }));
    waitFor([] { return false; }, 300);
    EXPECT_EQ(downloadsEnded, 0);
    shown.form.Main.Stop();
    ASSERT_TRUE(waitFor([&] { return downloadsEnded > 0; }, 5000));
    EXPECT_FALSE(shown.form.Main.Busy());
    waitFor([] { return false; }, 300);
    EXPECT_EQ(downloadsEnded, 1);
    EXPECT_EQ(shown.form.mainPages, 0);
}
