#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/HtmlElement.h"
#include "runtime/WebBrowser.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/HeadlessWebEngine.h"

using namespace quillo::runtime;
using quillo::headless::Harness;
using quillo::headless::HeadlessWebEngine;
using quillo::headless::ScriptedPage;

namespace {

std::string describe(const BrowserObject& object) {
    if (object.isTopLevel()) return "page";
    if (!object.frame()) return "frame?";
    std::string name = "frame";
    for (int i : *object.frame())
        name += " " + std::to_string(i);
    return name;
}

// A window with two browsers whose every event is written into one log.
class Browsing : public Form {
  public:
    Browsing() : Form("Browsing") {
        Main.BeforeNavigate2 = [this](const BrowserObject& pDisp, const std::string& url,
                                      bool& cancel) {
            log.push_back("BeforeNavigate2 " + describe(pDisp) + " " + url);
            if (cancelAddress == url) cancel = true;
        };
        Main.NavigateComplete2 = [this](const BrowserObject& pDisp, const std::string& url) {
            log.push_back("NavigateComplete2 " + describe(pDisp) + " " + url);
        };
        Main.DocumentComplete = [this](const BrowserObject& pDisp, const std::string& url) {
            log.push_back("DocumentComplete " + describe(pDisp) + " " + url);
            busyAtCompletion.push_back(Main.Busy());
        };
        Main.CommandStateChange = [this](int command, bool enable) {
            log.push_back("CommandStateChange " + std::to_string(command) + " " +
                          (enable ? "on" : "off") + (Main.Busy() ? " busy" : ""));
        };
        Main.ProgressChange = [this](std::int32_t progress, std::int32_t max) {
            log.push_back("ProgressChange " + std::to_string(progress) + " " + std::to_string(max));
        };
        Main.StatusTextChange = [this](const std::string&) { log.push_back("StatusTextChange"); };
        Main.DownloadComplete = [this] { log.push_back("DownloadComplete"); };
        Main.NewWindow2 = [this](BrowserObject& ppDisp, bool& cancel) {
            log.push_back("NewWindow2");
            if (refuseWindows) cancel = true;
            if (chosen) ppDisp = chosen->Object();
        };
    }
    WebBrowser& Main = add<WebBrowser>("Main");
    WebBrowser& Side = add<WebBrowser>("Side");
    std::vector<std::string> log;
    std::vector<bool> busyAtCompletion;
    std::string cancelAddress;
    WebBrowser* chosen = nullptr;
    bool refuseWindows = false;

    // The log without the events that only repeat themselves.
    std::vector<std::string> navigationLog() const {
        std::vector<std::string> kept;
        for (const auto& line : log)
            if (line.starts_with("BeforeNavigate2") || line.starts_with("NavigateComplete2") ||
                line.starts_with("DocumentComplete"))
                kept.push_back(line);
        return kept;
    }
};

HeadlessWebEngine& engineOf(WebBrowser& browser) {
    return dynamic_cast<HeadlessWebEngine&>(*browser.engine());
}

void addFramedSite(Harness& harness) {
    auto& web = harness.backend().web;
    web.addHtml(
        "http://site.test/",
        "<html><head><title>Frames</title></head><frameset cols='50%,50%'>"
        "<frame src='/left.htm'><frame src='http://other.test/right.htm'></frameset></html>");
    web.addHtml("http://site.test/left.htm",
                "<html><body><p>Left <b>side</b></p><!-- note --></body></html>");
    web.addHtml("http://other.test/right.htm", "<html><body>Right side</body></html>");
}

}  // namespace

TEST(WebBrowserEvents, APageWithTwoFramesCompletesEachFrameAndThePageLast) {
    Harness harness;
    addFramedSite(harness);
    auto& form = app().form<Browsing>();
    form.Main.Navigate("site.test/");
    harness.advance(0);
    EXPECT_EQ(form.navigationLog(), (std::vector<std::string>{
                                        "BeforeNavigate2 page http://site.test/",
                                        "NavigateComplete2 page http://site.test/",
                                        "BeforeNavigate2 frame 0 http://site.test/left.htm",
                                        "NavigateComplete2 frame 0 http://site.test/left.htm",
                                        "BeforeNavigate2 frame 1 http://other.test/right.htm",
                                        "NavigateComplete2 frame 1 http://other.test/right.htm",
                                        "DocumentComplete frame 0 http://site.test/left.htm",
                                        "DocumentComplete frame 1 http://other.test/right.htm",
                                        "DocumentComplete page http://site.test/",
                                    }));
    EXPECT_EQ(form.log.back(), "DownloadComplete");
    EXPECT_EQ(form.busyAtCompletion, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(form.Main.LocationURL(), "http://site.test/");
    EXPECT_EQ(form.Main.LocationName(), "Frames");
}

TEST(WebBrowserEvents, ThePageBeforeNavigate2RunsInsideNavigateAndTheRestLater) {
    Harness harness;
    addFramedSite(harness);
    auto& form = app().form<Browsing>();
    form.Main.Navigate("http://site.test/");
    ASSERT_FALSE(form.log.empty());
    EXPECT_EQ(form.log.front(), "BeforeNavigate2 page http://site.test/");
    EXPECT_TRUE(form.Main.Busy());
    EXPECT_EQ(form.Main.ReadyState(), 1);
    // A command-state change arrives while busy, before the page is committed.
    EXPECT_NE(std::find(form.log.begin(), form.log.end(), "CommandStateChange 2 off busy"),
              form.log.end());
    EXPECT_EQ(form.navigationLog().size(), 1u);
    harness.advance(0);
    EXPECT_FALSE(form.Main.Busy());
    EXPECT_EQ(form.Main.ReadyState(), 4);
}

TEST(WebBrowserEvents, AFrameStaysInteractiveUntilItsLoadTimeHasPassed) {
    Harness harness;
    harness.backend().web.addHtml("http://slow.test/", "<body>slow</body>").loadMs = 2500;
    auto& form = app().form<Browsing>();
    form.Main.Navigate("http://slow.test/");
    harness.advance(2000);
    EXPECT_EQ(form.Main.ReadyState(), 3);
    EXPECT_TRUE(form.Main.Busy());
    EXPECT_TRUE(form.busyAtCompletion.empty());
    harness.advance(500);
    EXPECT_EQ(form.Main.ReadyState(), 4);
    EXPECT_EQ(form.busyAtCompletion.size(), 1u);
}

TEST(WebBrowserEvents, ACancelledNavigationGoesNoFurther) {
    Harness harness;
    addFramedSite(harness);
    auto& form = app().form<Browsing>();
    form.cancelAddress = "http://site.test/";
    form.Main.Navigate("http://site.test/");
    harness.advance(100);
    EXPECT_EQ(form.log, (std::vector<std::string>{"BeforeNavigate2 page http://site.test/"}));
    EXPECT_FALSE(form.Main.Busy());
    EXPECT_EQ(form.Main.LocationURL(), "");
}

TEST(WebBrowserEvents, ACancelledFrameIsNotLoadedButThePageIs) {
    Harness harness;
    addFramedSite(harness);
    auto& form = app().form<Browsing>();
    form.cancelAddress = "http://site.test/left.htm";
    form.Main.Navigate("http://site.test/");
    harness.advance(0);
    auto nav = form.navigationLog();
    EXPECT_EQ(std::count_if(nav.begin(), nav.end(),
                            [](const std::string& l) { return l.find("left.htm") != l.npos; }),
              1);
    EXPECT_EQ(nav.back(), "DocumentComplete page http://site.test/");
    auto frames = form.Main.Document()->Frames();
    ASSERT_TRUE(frames);
    EXPECT_FALSE((*frames)[0].Document());
}

TEST(WebBrowserEvents, AnUnknownHostLeavesTheCanceledAddress) {
    Harness harness;
    auto& form = app().form<Browsing>();
    form.Main.Navigate("nowhere.test/page.htm");
    harness.advance(0);
    EXPECT_EQ(form.Main.LocationURL(), "about:navigationcanceled#http://nowhere.test/page.htm");
    EXPECT_EQ(form.navigationLog().back(),
              "DocumentComplete page about:navigationcanceled#http://nowhere.test/page.htm");
    EXPECT_FALSE(form.Main.Busy());
}

TEST(WebBrowserHistory, BackAndForwardMoveThroughTheVisitedPages) {
    Harness harness;
    auto& web = harness.backend().web;
    web.addHtml("http://a.test/", "<title>A</title>");
    web.addHtml("http://b.test/", "<title>B</title>");
    web.addHtml("http://c.test/", "<title>C</title>");
    auto& form = app().form<Browsing>();
    for (const char* address : {"a.test/", "b.test/", "c.test/"}) {
        form.Main.Navigate(address);
        harness.advance(0);
    }
    EXPECT_EQ(form.log.back(), "DownloadComplete");
    form.log.clear();
    form.Main.GoBack();
    harness.advance(0);
    EXPECT_EQ(form.Main.LocationName(), "B");
    EXPECT_NE(std::find(form.log.begin(), form.log.end(), "CommandStateChange 1 on"),
              form.log.end());
    form.Main.GoBack();
    harness.advance(0);
    EXPECT_EQ(form.Main.LocationName(), "A");
    EXPECT_FALSE(form.Main.GoBack());  // nothing before the first page
    harness.advance(0);
    EXPECT_EQ(form.Main.LocationName(), "A");
    EXPECT_TRUE(form.Main.GoForward());
    harness.advance(0);
    EXPECT_EQ(form.Main.LocationName(), "B");
    // A new page drops the pages ahead.
    form.Main.Navigate("a.test/");
    harness.advance(0);
    EXPECT_FALSE(form.Main.GoForward());
    harness.advance(0);
    EXPECT_EQ(form.Main.LocationName(), "A");
    EXPECT_EQ(engineOf(form.Main).history(),
              (std::vector<std::string>{"http://a.test/", "http://b.test/", "http://a.test/"}));
}

TEST(WebBrowserHistory, StopEndsALoadingPageWithoutCompletion) {
    Harness harness;
    harness.backend().web.addHtml("http://slow.test/", "<body>slow</body>").loadMs = 1000;
    auto& form = app().form<Browsing>();
    form.Main.Navigate("http://slow.test/");
    harness.advance(10);
    form.log.clear();
    form.Main.Stop();
    const std::vector<std::string> ended = {"StatusTextChange", "DownloadComplete"};
    EXPECT_EQ(form.log, ended);
    harness.advance(2000);
    EXPECT_FALSE(form.Main.Busy());
    EXPECT_TRUE(form.busyAtCompletion.empty());
    EXPECT_EQ(form.log, ended);
}

TEST(WebDocument, ReadsFramesElementsCommentsAndBodyMarkup) {
    Harness harness;
    addFramedSite(harness);
    auto& form = app().form<Browsing>();
    form.Main.Navigate("http://site.test/");
    harness.advance(0);
    auto frames = form.Main.Document()->Frames();
    ASSERT_TRUE(frames);
    ASSERT_EQ(frames->size(), 2u);
    auto left = (*frames)[0].Document();
    ASSERT_TRUE(left);
    auto all = left->All();
    ASSERT_TRUE(all);
    std::vector<std::string> tags, texts;
    for (const auto& element : *all) {
        tags.push_back(element.tagName().value_or("?"));
        texts.push_back(element.Text().value_or("?"));
    }
    EXPECT_EQ(tags, (std::vector<std::string>{"HTML", "BODY", "P", "B", "!"}));
    EXPECT_EQ(texts[2], "Left side");
    EXPECT_EQ(texts[4], "<!-- note -->");
    EXPECT_EQ(left->body()->innerHTML(), "<p>Left <b>side</b></p><!-- note -->");
    EXPECT_EQ(left->body()->outerHTML(), "<body><p>Left <b>side</b></p><!-- note --></body>");
    EXPECT_EQ((*frames)[1].LocationURL(), "http://other.test/right.htm");
    EXPECT_EQ((*frames)[1].ReadyState(), 4);
}

TEST(WebDocument, AForeignFrameCompletesButItsDocumentCannotBeRead) {
    Harness harness;
    addFramedSite(harness);
    ScriptedPage foreign = ScriptedPage::fromHtml("<body>secret</body>");
    foreign.readable = false;
    harness.backend().web.add("http://other.test/right.htm", foreign);
    auto& form = app().form<Browsing>();
    form.Main.Navigate("http://site.test/");
    harness.advance(0);
    auto nav = form.navigationLog();
    EXPECT_NE(
        std::find(nav.begin(), nav.end(), "DocumentComplete frame 1 http://other.test/right.htm"),
        nav.end());
    auto frames = form.Main.Document()->Frames();
    EXPECT_FALSE((*frames)[1].Document());
    EXPECT_FALSE((*frames)[1].ReadyState());
    EXPECT_TRUE((*frames)[0].Document());
}

TEST(WebDocument, EachMemberCanBeMadeToFail) {
    struct Case {
        const char* member;
        bool document, all, frames, body, text, inner, outer, writes;
    };
    const Case cases[] = {
        {"Document", false, false, false, false, false, false, false, false},
        {"All", true, false, true, true, true, true, true, true},
        {"Frames", true, true, false, true, true, true, true, true},
        {"body", true, true, true, false, true, false, false, true},
        {"Text", true, true, true, true, false, true, true, true},
        {"innerhtml", true, true, true, true, true, false, true, true},
        {"outerhtml", true, true, true, true, true, true, false, true},
        {"writeln", true, true, true, true, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.member);
        Harness harness;
        harness.backend().web.addHtml("http://p.test/", "<html><body><p>x</p></body></html>");
        auto& form = app().form<Browsing>();
        form.Main.Navigate("http://p.test/");
        harness.advance(0);
        harness.backend().web.failing = {c.member};
        auto document = form.Main.Document();
        EXPECT_EQ(document.has_value(), c.document);
        if (!document) continue;
        EXPECT_EQ(document->All().has_value(), c.all);
        EXPECT_EQ(document->Frames().has_value(), c.frames);
        auto body = document->body();
        EXPECT_EQ(body.has_value(), c.body);
        if (c.all) {
            EXPECT_EQ((*document->All())[2].Text().has_value(), c.text);
        }
        if (body) {
            EXPECT_EQ(body->innerHTML().has_value(), c.inner);
            EXPECT_EQ(body->outerHTML().has_value(), c.outer);
        }
        EXPECT_EQ(document->writeln("<p>w</p>"), c.writes);
    }
}

TEST(WebDocument, ReadsFailBeforeAnyPageAndWithoutAnEngineToAsk) {
    Harness harness;
    auto& form = app().form<Browsing>();
    EXPECT_FALSE(form.Main.Document());
    EXPECT_EQ(form.Main.ReadyState(), 0);
    EXPECT_FALSE(BrowserObject().Document());
    EXPECT_FALSE(BrowserObject().ReadyState());
}

TEST(WebDocument, AnElementOutsideTheCollectionCannotBeReadOrWritten) {
    Harness harness;
    harness.backend().web.addHtml("http://p.test/", "<html><body><p>text</p></body></html>");
    auto& form = app().form<Browsing>();
    form.Main.Navigate("http://p.test/");
    harness.advance(0);
    ASSERT_EQ(HtmlElement::element(form.Main, {}, 0).tagName(), "HTML");
    for (int index : {-1, -2, 3, 1000}) {
        HtmlElement element = HtmlElement::element(form.Main, {}, index);
        EXPECT_FALSE(element.isBody()) << index;
        EXPECT_FALSE(element.tagName()) << index;
        EXPECT_FALSE(element.Text()) << index;
        EXPECT_FALSE(element.setText("")) << index;
    }
    EXPECT_EQ(HtmlElement::element(form.Main, {}, 0).Text(), "text");
}

TEST(WebDocument, WritesChangeTextsAndBodyAndWritelnReplacesTheFinishedPage) {
    Harness harness;
    harness.backend().web.addHtml("http://p.test/",
                                  "<html><body><p>bad words</p><!-- c --></body></html>");
    auto& form = app().form<Browsing>();
    form.Main.Navigate("http://p.test/");
    harness.advance(0);
    auto document = *form.Main.Document();
    auto all = *document.All();
    EXPECT_TRUE(all[2].setText(""));
    EXPECT_EQ((*document.All())[2].Text(), "");
    EXPECT_TRUE(document.body()->setInnerHTML(""));
    EXPECT_EQ(document.body()->innerHTML(), "");
    EXPECT_EQ(document.body()->outerHTML(), "<body></body>");
    EXPECT_TRUE(document.writeln("<CENTER><H1>Gone.</H1></CENTER>"));
    EXPECT_TRUE(document.writeln("<p>More</p>"));
    auto written = *document.All();
    std::vector<std::string> tags;
    for (const auto& element : written)
        tags.push_back(*element.tagName());
    EXPECT_EQ(tags, (std::vector<std::string>{"CENTER", "H1", "P"}));
    EXPECT_EQ(written[1].Text(), "Gone.");
}

TEST(WebNewWindows, TheHandlerChoosesTheBrowserThatLoadsTheNewWindow) {
    Harness harness;
    harness.backend().web.addHtml("http://p.test/", "<body>opener</body>");
    harness.backend().web.addHtml("http://p.test/pop.htm", "<title>Pop</title>");
    auto& form = app().form<Browsing>();
    form.Main.Navigate("http://p.test/");
    harness.advance(0);
    form.chosen = &form.Side;
    EXPECT_TRUE(engineOf(form.Main).openNewWindow("http://p.test/pop.htm"));
    harness.advance(0);
    EXPECT_EQ(form.Side.LocationName(), "Pop");
    EXPECT_EQ(form.Main.LocationURL(), "http://p.test/");
}

TEST(WebNewWindows, ACancelOrNoChoiceRefusesTheWindow) {
    Harness harness;
    harness.backend().web.addHtml("http://p.test/pop.htm", "<title>Pop</title>");
    auto& form = app().form<Browsing>();
    form.chosen = &form.Side;
    form.refuseWindows = true;
    EXPECT_FALSE(engineOf(form.Main).openNewWindow("http://p.test/pop.htm"));
    form.refuseWindows = false;
    form.chosen = nullptr;
    EXPECT_FALSE(engineOf(form.Main).openNewWindow("http://p.test/pop.htm"));
    harness.advance(0);
    EXPECT_EQ(form.Side.LocationURL(), "");
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "NewWindow2"), 2);
}

TEST(WebNewWindows, AfterOneWindowOfThePagesOwnAccordFurtherOnesAreRefusedUntilTheUserActs) {
    Harness harness;
    harness.backend().web.addHtml("http://p.test/pop.htm", "<title>Pop</title>");
    auto& form = app().form<Browsing>();
    form.chosen = &form.Side;
    HeadlessWebEngine& page = engineOf(form.Main);
    EXPECT_TRUE(page.openNewWindow("http://p.test/pop.htm", false));
    EXPECT_FALSE(page.openNewWindow("http://p.test/pop.htm", false));
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "NewWindow2"), 1);
    // Moving the mouse is no action of the user; pressing a button or a key is.
    form.Side.fireMouseMove(0, 0, 10, 10);
    EXPECT_FALSE(page.openNewWindow("http://p.test/pop.htm", false));
    form.Side.fireMouseDown(vbLeftButton, 0, 10, 10);
    EXPECT_TRUE(page.openNewWindow("http://p.test/pop.htm", false));
    form.fireKeyDown(65, 0);
    EXPECT_TRUE(page.openNewWindow("http://p.test/pop.htm", false));
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "NewWindow2"), 3);
}

TEST(WebBrowserEvents, AHandlerThatUnloadsTheFormEndsTheSequence) {
    Harness harness;
    addFramedSite(harness);
    auto& form = app().form<Browsing>();
    int completions = 0;
    form.Main.DocumentComplete = [&](const BrowserObject&, const std::string&) {
        ++completions;
        form.Unload();
    };
    form.Main.Navigate("http://site.test/");
    harness.advance(0);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(app().loadedForm<Browsing>(), nullptr);
}
