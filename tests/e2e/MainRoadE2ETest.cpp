// The program on the Qt backend and the Qt web engine, as the user meets it: it starts behind its
// splash, shows the home page of the maker's site (served on 127.0.0.1), opens the address of its
// command line, blocks a page whose frame holds a forbidden phrase, hands a link to a new window
// to a new copy of itself and writes its settings at exit. Starting a copy is recorded instead.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "E2E.h"
#include "ProgramOnQt.h"
#include "designs/frmMBrowser.h"
#include "mainwindow/FormBabyBrowser.h"
#include "mainwindow/FormSplashScreen.h"
#include "mainwindow/form1.h"
#include "mainwindow/pornBuster.h"
#include "runtime/Application.h"
#include "runtime/headless/User.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/QtWebEngine.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::e2e {

namespace {

class MainRoad : public ProgramOnQt {
  protected:
    // Writes down the page's own navigation events (not its frames'), ahead of the program's.
    void recordPageEvents(form1& main) {
        runtime::WebBrowser& browser = main.WebBrowser2;
        auto before = browser.BeforeNavigate2;
        browser.BeforeNavigate2 = [this, before](const runtime::BrowserObject& pDisp,
                                                 const std::string& url, bool& cancel) {
            if (pDisp.isTopLevel()) pageEvents_.push_back("before " + url);
            before(pDisp, url, cancel);
        };
        auto navigated = browser.NavigateComplete2;
        browser.NavigateComplete2 = [this, navigated](const runtime::BrowserObject& pDisp,
                                                      const std::string& url) {
            if (pDisp.isTopLevel()) pageEvents_.push_back("navigated " + url);
            navigated(pDisp, url);
        };
        auto complete = browser.DocumentComplete;
        browser.DocumentComplete = [this, complete](const runtime::BrowserObject& pDisp,
                                                    const std::string& url) {
            if (pDisp.isTopLevel()) pageEvents_.push_back("complete " + url);
            complete(pDisp, url);
        };
    }

    // The page's events from the first BeforeNavigate2 for this address on.
    std::vector<std::string> pageEventsFrom(const std::string& address) const {
        auto first = std::find(pageEvents_.begin(), pageEvents_.end(), "before " + address);
        return {first, pageEvents_.end()};
    }

    std::vector<std::string> pageEvents_;
};

}  // namespace

TEST_F(MainRoad, TheProgramStartsBehindItsSplashAndShowsTheHomePageAndThatItIsDone) {
    form1& main = start();
    EXPECT_EQ(runtime::app().loadedForm<FormSplashScreen>(), nullptr);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), "http://www.quillo.example/");
    EXPECT_NE(GetPageText(main.WebBrowser2.Object()).find("Hello"), std::string::npos);
    EXPECT_EQ(main.ComboURL.Text(), "http://www.quillo.example/");
    EXPECT_TRUE(main.WebBrowser1.Visible());
    EXPECT_GT(main.WebBrowser2.Width(), 0);
    EXPECT_EQ(main.LabelStatusBarMini.Caption(), "100% Done");
    const QFontMetrics shown(qt::ToQFont(main.LabelStatusBarMini.getFont()));
    EXPECT_GE(qt::WidgetPeer::widgetOf(main.LabelStatusBarMini)->width(),
              shown.horizontalAdvance("100% Done"));
}

TEST_F(MainRoad, OpensTheAddressOnItsCommandLine) {
    ::e2e::PageServer site;
    site.add("/start.htm", "<html><head><title>Start</title></head><body>Started</body></html>");
    std::string address = site.url("/start.htm").toStdString();
    form1& main = start("<" + address + ">");
    EXPECT_EQ(main.WebBrowser2.LocationURL(), address);
    EXPECT_EQ(main.ComboURL.Text(), address);
}

TEST_F(MainRoad, APageWhoseFrameHoldsAForbiddenPhraseGivesWayToTheBlockedPage) {
    ::e2e::PageServer site;
    site.add("/framed.htm",
             "<html><body><p>Welcome</p><iframe src='/inner.htm'></iframe></body></html>");
    site.add("/inner.htm", "<html><body><p>You must be at least eighteen</p></body></html>");
    form1& main = start();
    recordPageEvents(main);
    ASSERT_TRUE(browse(main, site.url("/framed.htm").toStdString(),
                       "http://www.quillo.example/blocked.htm"));
    // Once sent away, the page raises nothing more of its own; the blocked page raises all.
    const std::string blocked = "http://www.quillo.example/blocked.htm";
    EXPECT_EQ(pageEventsFrom(blocked),
              (std::vector<std::string>{"before " + blocked, "navigated " + blocked,
                                        "complete " + blocked}));
    std::string text = GetPageText(main.WebBrowser2.Object());
    EXPECT_NE(text.find("Let us go somewhere else."), std::string::npos);
    EXPECT_FALSE(IsForbiddenText(text));
    EXPECT_TRUE(::e2e::waitFor(
        [&] { return main.ComboURL.Text() == "http://www.quillo.example/blocked.htm"; }));
}

TEST_F(MainRoad, APageSayingWhatItIsInItsOwnTextGivesWayToTheBlockedPageThoughItHoldsAFrame) {
    ::e2e::PageServer site;
    site.add("/kittens.htm", "<p>Kittens at play</p>");
    // Said in the page's own text, or in a shadow tree of it; the frame holds nothing amiss.
    site.add("/said.htm",
             "<p>This site has adult content only.</p><iframe src='/kittens.htm'></iframe>");
    site.add("/shadow.htm",
             "<p id='h'></p><iframe src='/kittens.htm'></iframe><script>document.getElementById("
             "'h').attachShadow({mode: 'open'}).innerHTML = 'This site has adult content only.';"
             "</script>");
    form1& main = start();
    const std::string kittens = site.url("/kittens.htm").toStdString();
    for (const char* path : {"/said.htm", "/shadow.htm"}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(
            browse(main, site.url(path).toStdString(), "http://www.quillo.example/blocked.htm"));
        EXPECT_NE(GetPageText(main.WebBrowser2.Object()).find("Let us go somewhere else."),
                  std::string::npos);
        ASSERT_TRUE(browse(main, kittens, kittens));
    }
}

TEST_F(MainRoad, AMegabytePageNestedSixtyDeepWithAPhraseAtItsEndGivesWayToTheBlockedPage) {
    std::string text;
    for (int i = 0; text.size() < 1000000; ++i)
        text += "<p>Paragraph " + std::to_string(i) +
                " tells of a fox and a happy garden in the sun, a long story to read.</p>\n";
    std::string open, close;
    for (int i = 0; i < 60; ++i) {
        open += "<div>";
        close += "</div>";
    }
    ::e2e::PageServer site;
    site.add("/long.htm",
             QByteArray::fromStdString("<html><head><title>Long</title></head><body>" + open +
                                       text + "<p>adult content</p>" + close + "</body></html>"));
    form1& main = start();
    ASSERT_TRUE(
        browse(main, site.url("/long.htm").toStdString(), "http://www.quillo.example/blocked.htm"));
    std::string shown = GetPageText(main.WebBrowser2.Object());
    EXPECT_NE(shown.find("Let us go somewhere else."), std::string::npos);
    EXPECT_EQ(shown.find("Paragraph"), std::string::npos);
}

TEST_F(MainRoad, APageCarryingADesignInItsCommentsOpensAHiddenWindowHoldingThatDesign) {
    ::e2e::PageServer site;
    const std::string fields = std::string("\x02") + "10\x02" + "20\x02" + "30\x02" + "40";
    std::string records;
    for (std::string_view code : DesignCodes)
        records += "<! " + std::string(code) + fields + " >\r\n";
    site.add("/design.htm", QByteArray::fromStdString("<html><body><p>Shapes</p>\r\n" + records +
                                                      "<!-- a note --></body></html>"));
    form1& main = start();
    std::string address = site.url("/design.htm").toStdString();
    ASSERT_TRUE(browse(main, address, address));
    frmMBrowser* window = nullptr;
    bool hiddenWhenFound = false;
    ASSERT_TRUE(::e2e::waitFor([&] {
        for (runtime::Form* form : runtime::app().Forms())
            if (form->Name() == "frmMBrowser") window = static_cast<frmMBrowser*>(form);
        // Half a second later it shows itself.
        hiddenWhenFound = window && !window->Visible();
        return window != nullptr;
    }));
    EXPECT_EQ(window->Tag(), address);
    EXPECT_EQ(window->Outcome, frmMBrowser::DesignOutcome::Valid);
    EXPECT_EQ(window->Design[DesignCode::RGN], "RGN" + fields);
    QUrl served(site.url("/"));
    EXPECT_EQ(window->HostKey,
              "\\" + served.host().toStdString() + ":" + std::to_string(served.port()));
    EXPECT_EQ(window->PageKey, "\\design.htm");
    EXPECT_TRUE(hiddenWhenFound);
}

TEST_F(MainRoad, APageStillLoadingWhoseFrameHoldsAForbiddenPhraseGivesWayToTheBlockedPage) {
    ::e2e::PageServer site;
    // The picture never comes, so the page is still loading when its frame completes.
    site.add("/framed.htm",
             "<html><body><p>Welcome</p><iframe src='/inner.htm'></iframe>"
             "<img src='/never.png'></body></html>");
    site.add("/inner.htm", "<html><body><p>You must be at least eighteen</p></body></html>");
    site.addSilent("/never.png");
    form1& main = start();
    recordPageEvents(main);
    ASSERT_TRUE(browse(main, site.url("/framed.htm").toStdString(),
                       "http://www.quillo.example/blocked.htm"));
    // Once sent away, the page raises nothing more of its own; the blocked page raises all.
    const std::string blocked = "http://www.quillo.example/blocked.htm";
    EXPECT_EQ(pageEventsFrom(blocked),
              (std::vector<std::string>{"before " + blocked, "navigated " + blocked,
                                        "complete " + blocked}));
    std::string text = GetPageText(main.WebBrowser2.Object());
    EXPECT_NE(text.find("Let us go somewhere else."), std::string::npos);
    EXPECT_FALSE(IsForbiddenText(text));
    EXPECT_TRUE(::e2e::waitFor(
        [&] { return main.ComboURL.Text() == "http://www.quillo.example/blocked.htm"; }));
}

TEST_F(MainRoad, ALinkToANewWindowStartsANewCopyOfTheProgramForItsAddress) {
    ::e2e::PageServer site;
    site.add("/opener.htm",
             "<html><body><a id='l' href='/pop.htm' target='_blank'>pop</a></body></html>");
    site.add("/pop.htm", "<html><body>A new window</body></html>");
    form1& main = start();
    std::string opener = site.url("/opener.htm").toStdString();
    ASSERT_TRUE(browse(main, opener, opener));
    auto* engine = dynamic_cast<qt::QtWebEngine*>(main.WebBrowser2.engine());
    ASSERT_NE(engine, nullptr);
    engine->page()->runJavaScript("document.getElementById('l').click()");
    ASSERT_TRUE(::e2e::waitFor([&] { return !backend_.recorder.starts.empty(); }));
    ::e2e::waitFor([] { return false; }, 500);
    ASSERT_EQ(backend_.recorder.starts.size(), 1u);
    EXPECT_EQ(backend_.recorder.starts[0].program, folder_ + "/rn418");
    EXPECT_EQ(backend_.recorder.starts[0].arguments,
              std::vector<std::string>{"<" + site.url("/pop.htm").toStdString() + ">"});
    EXPECT_EQ(main.WebBrowser2.LocationURL(), opener);
    auto* popUp = runtime::app().loadedForm<FormBabyBrowser>();
    EXPECT_TRUE(popUp == nullptr || !popUp->Visible());
}

TEST_F(MainRoad, APopUpThroughThreeServerRedirectsStartsExactlyOneCopy) {
    ::e2e::PageServer site;
    site.add("/opener.htm",
             "<html><body><a id='l' href='/r1' target='_blank'>pop</a></body></html>");
    site.addRedirect("/r1", "/r2");
    site.addRedirect("/r2", "/r3");
    site.addRedirect("/r3", "/end.htm");
    site.add("/end.htm", "<html><body>The end of the road</body></html>");
    form1& main = start();
    const std::string first = site.url("/r1").toStdString();
    const std::string end = site.url("/end.htm").toStdString();
    // The main browser too goes through the hops as one navigation.
    recordPageEvents(main);
    ASSERT_TRUE(browse(main, first, end));
    EXPECT_EQ(pageEventsFrom(first),
              (std::vector<std::string>{"before " + first, "navigated " + end, "complete " + end}));

    std::string opener = site.url("/opener.htm").toStdString();
    ASSERT_TRUE(browse(main, opener, opener));
    auto* engine = dynamic_cast<qt::QtWebEngine*>(main.WebBrowser2.engine());
    ASSERT_NE(engine, nullptr);
    engine->page()->runJavaScript("document.getElementById('l').click()");
    auto* popUp = static_cast<FormBabyBrowser*>(nullptr);
    ASSERT_TRUE(::e2e::waitFor([&] {
        popUp = runtime::app().loadedForm<FormBabyBrowser>();
        return popUp && popUp->WebBrowserBaby.LocationURL() == end &&
               popUp->WebBrowserBaby.ReadyState() == 4;
    }));
    ::e2e::waitFor([] { return false; }, 500);
    ASSERT_EQ(backend_.recorder.starts.size(), 1u);
    EXPECT_EQ(backend_.recorder.starts[0].arguments, std::vector<std::string>{"<" + first + ">"});
}

TEST_F(MainRoad, APageOpeningTwentyWindowsAsItLoadsStartsOneCopyUntilTheUserActsOnIt) {
    ::e2e::PageServer site;
    QByteArray opens;
    for (int i = 0; i < 20; ++i) {
        const QString path = QStringLiteral("/pop%1.htm").arg(i);
        site.add(path, "<html><body>Pop-up</body></html>");
        opens += "window.open('" + path.toUtf8() + "');";
    }
    site.add("/twenty.htm", "<html><body>Twenty<script>" + opens + "</script></body></html>");
    site.add("/again.htm", "<html><body>Again</body></html>");
    form1& main = start();
    std::string page = site.url("/twenty.htm").toStdString();
    ASSERT_TRUE(browse(main, page, page));
    ASSERT_TRUE(::e2e::waitFor([&] { return !backend_.recorder.starts.empty(); }));
    ::e2e::waitFor([] { return false; }, 1500);
    ASSERT_EQ(backend_.recorder.starts.size(), 1u);
    EXPECT_EQ(backend_.recorder.starts[0].arguments,
              std::vector<std::string>{"<" + site.url("/pop0.htm").toStdString() + ">"});

    // A key pressed on the page lets it open one window more.
    auto* engine = dynamic_cast<qt::QtWebEngine*>(main.WebBrowser2.engine());
    ASSERT_NE(engine, nullptr);
    QWidget* input = engine->widget()->focusProxy();
    ASSERT_NE(input, nullptr);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QCoreApplication::sendEvent(input, &press);
    engine->page()->runJavaScript("window.open('/again.htm'); window.open('/again.htm');");
    ASSERT_TRUE(::e2e::waitFor([&] { return backend_.recorder.starts.size() > 1; }));
    ::e2e::waitFor([] { return false; }, 1000);
    EXPECT_EQ(backend_.recorder.starts.size(), 2u);
}

TEST_F(MainRoad, ABlankPopUpWrittenByScriptShowsItsTextUnlessItHoldsAForbiddenPhrase) {
    ::e2e::PageServer site;
    site.add("/writer.htm",
             "<script>function pop(opened, text) { var w = window.open(opened); "
             "w.document.write(text); w.document.close(); }</script>Writer");
    site.add("/kittens.htm", "<html><body><p>Kittens at play</p></body></html>");
    form1& main = start();
    const std::string writer = site.url("/writer.htm").toStdString();
    ASSERT_TRUE(browse(main, writer, writer));
    for (const auto& [opened, text, shown] :
         {std::tuple("", "Hello from the pop-up", true),
          std::tuple("about:blank", "Nude pics inside", false),
          std::tuple("", "<iframe src=\"/kittens.htm\"></iframe>Nude pics inside", false)}) {
        std::weak_ptr<const void> previous;
        if (auto* popUp = runtime::app().loadedForm<FormBabyBrowser>())
            previous = popUp->lifetime();
        main.noteUserInput();
        dynamic_cast<qt::QtWebEngine*>(main.WebBrowser2.engine())
            ->page()
            ->runJavaScript(QStringLiteral("pop('%1', '%2')").arg(opened, text));
        // Shown at its size; or shown, blanked with the warning and hidden.
        const std::string seen = shown ? text : "This is a site you do not want to visit.";
        EXPECT_TRUE(::e2e::waitFor([&] {
            auto* popUp = runtime::app().loadedForm<FormBabyBrowser>();
            return previous.expired() && popUp && popUp->Visible() == shown &&
                   popUp->Width() == popUp->WebBrowserBaby.Width() + 360 &&
                   GetPageText(popUp->WebBrowserBaby.Object()).find(seen) != std::string::npos;
        })) << text;
    }
    EXPECT_TRUE(backend_.recorder.starts.empty());
}

TEST_F(MainRoad, ANavigationEndingWithoutAPageSaysItIsDoneAsALoadDoes) {
    ::e2e::PageServer site;
    site.addSilent("/never.htm");
    form1& main = start();
    const std::string never = site.url("/never.htm").toStdString();
    enum Stop { NotStopped, StoppedAtOnce, StoppedWhileLoading };
    // One the engine refuses at once; one stopped before the request goes out, one after.
    for (const auto& [typed, stop] :
         std::vector<std::pair<std::string, Stop>>{{"htp://127.0.0.1/page.html", NotStopped},
                                                   {never, StoppedAtOnce},
                                                   {never, StoppedWhileLoading}}) {
        SCOPED_TRACE(::testing::Message() << typed << ", stop " << stop);
        const int asked = site.requests("/never.htm");
        main.ComboURL.setText(typed);
        headless::User::type(main.ComboURL, "\r");
        if (stop == StoppedWhileLoading) {
            ASSERT_TRUE(::e2e::waitFor([&] { return site.requests("/never.htm") > asked; }));
        }
        if (stop != NotStopped)
            QTest::mouseClick(qt::WidgetPeer::widgetOf(main.PictureStop), Qt::LeftButton);
        EXPECT_TRUE(::e2e::waitFor(
            [&] { return !main.WebBrowser2.Busy() && main.LabelStatusBarMain.Caption() == "Done"; },
            5000))
            << main.LabelStatusBarMain.Caption();
    }
}

TEST_F(MainRoad, WritesItsSizeAndItsAddressHistoryAtExit) {
    ::e2e::PageServer site;
    site.add("/page.htm", "<html><body>A page</body></html>");
    form1& main = start();
    std::string address = site.url("/page.htm").toStdString();
    ASSERT_TRUE(browse(main, address, address));
    main.Unload();
    EXPECT_EQ(readFile("size.ini"), std::string("600") + '\x02' + "440\r\n");
    EXPECT_EQ(readFile("combourl.ini"), "<" + address.substr(7) + ">\r\n");
    EXPECT_TRUE(runtime::app().Forms().empty());
}

}  // namespace quillo::e2e
