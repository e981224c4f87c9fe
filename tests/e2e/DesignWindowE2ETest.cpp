// A designed page on the Qt backend opens its shaped design window, which browses and filters
// on its own, takes its menu from a right click, closes from it or from the window system, and
// keeps Ctrl+N and the keys held with it away from its page.

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>

#include "../designs/ShapedDesign.h"
#include "E2E.h"
#include "ProgramOnQt.h"
#include "designs/frmMBrowser.h"
#include "designs/frmSaveDesign.h"
#include "mainwindow/pornBuster.h"
#include "runtime/MediaCommands.h"
#include "runtime/headless/User.h"
#include "runtime/qt/QtWebEngine.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::e2e {

namespace {

class DesignWindowOnQt : public ProgramOnQt {
  protected:
    DesignWindowOnQt() {
        site_.add("/design.htm", QByteArray::fromStdString("<html><body>Shapes<!--\n" +
                                                           testing::ShapedDesign() + "--></body>"));
        site_.add("/bad.htm", "<html><body><p>Nude pics inside</p></body></html>");
        // A page that writes the keys it gets into its title, and shows what its box holds.
        site_.add("/keys.htm",
                  "<html><head><title>keys:</title><script>document.addEventListener('keydown', "
                  "e => { document.title += e.key; });</script></head><body>Keys<input autofocus "
                  "onkeyup=\"v.textContent = '[' + value + ']'\"><p id=v></p></body></html>");
    }

    std::string url(const char* path) const { return site_.url(path).toStdString(); }

    // Starts the program, visits the designed page and waits for its window to show the page.
    frmMBrowser& openDesignWindow() {
        EXPECT_TRUE(browse(start(), url("/design.htm"), url("/design.htm")));
        EXPECT_TRUE(::e2e::waitFor([&] { return designWindow() && designWindow()->Visible(); }));
        frmMBrowser& window = *designWindow();
        EXPECT_TRUE(showsPage(window.webView, url("/design.htm")));
        return window;
    }

    static frmMBrowser* designWindow() {
        for (runtime::Form* form : runtime::app().Forms())
            if (auto* window = dynamic_cast<frmMBrowser*>(form)) return window;
        return nullptr;
    }

    static bool showsPage(runtime::WebBrowser& browser, const std::string& address) {
        return ::e2e::waitFor([&] { return browser.LocationURL() == address && !browser.Busy(); });
    }

    // A right click on the window's surface beside its buttons, answered with this entry.
    void chooseFromMenu(frmMBrowser& window, const std::string& caption) {
        backend_.menuAnswers.push_back(caption);
        QTest::mouseClick(qt::WidgetPeer::widgetOf(window), Qt::RightButton, {}, QPoint(350, 20));
    }

    static bool soundsOpen() { return runtime::app().media().device("Launching") != nullptr; }

    // Ctrl+N with A pressed and released while it is held, then B, into a browser's page, once
    // the page takes keys (its renderer may not at first); the title the page had before.
    static std::string typeIntoPage(runtime::WebBrowser& browser) {
        QWidget* page = dynamic_cast<qt::QtWebEngine*>(browser.engine())->widget()->focusProxy();
        if (!page) return "no page";
        auto takesKeys = [&] { return browser.LocationName().starts_with("keys:x"); };
        for (int probe = 0; probe < 20 && !takesKeys(); ++probe) {
            QTest::keyClick(page, Qt::Key_X);
            ::e2e::waitFor(takesKeys, 1000);
        }
        const std::string before = browser.LocationName();
        QTest::keyPress(page, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(page, Qt::Key_A, Qt::ControlModifier);
        QTest::keyRelease(page, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(page, Qt::Key_B);
        return before;
    }

    static bool boxHolds(runtime::WebBrowser& browser, const char* end) {
        return GetPageText(browser.Object()).find(end) != std::string::npos;
    }

    ::e2e::PageServer site_;
};

}  // namespace

TEST_F(DesignWindowOnQt, ItsShapedWindowBlocksATypedForbiddenPageSavesItsDesignAndClosesByMenu) {
    frmMBrowser& window = openDesignWindow();
    QWidget* widget = qt::WidgetPeer::widgetOf(window);
    EXPECT_EQ(widget->size(), QSize(400, 300));
    EXPECT_FALSE(widget->mask().isEmpty());
    window.cmbUrl.setText(url("/bad.htm"));
    headless::User::type(window.cmbUrl, "\r");
    EXPECT_TRUE(showsPage(window.webView, "http://www.quillo.example/blocked.htm"));
    chooseFromMenu(window, "Save Design");
    auto* dialog = runtime::app().loadedForm<frmSaveDesign>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Tag(), url("/design.htm"));
    EXPECT_EQ(qt::WidgetPeer::widgetOf(*dialog)->size(), QSize(336, 108));
    EXPECT_TRUE(soundsOpen());
    chooseFromMenu(window, "Close");
    EXPECT_EQ(designWindow(), nullptr);
    EXPECT_FALSE(soundsOpen());
}

TEST_F(DesignWindowOnQt, ALoadStoppedByItsStopButtonSaysItIsDone) {
    site_.addSilent("/never.htm");
    frmMBrowser& window = openDesignWindow();
    window.cmbUrl.setText(url("/never.htm"));
    headless::User::type(window.cmbUrl, "\r");
    ASSERT_TRUE(::e2e::waitFor([&] { return site_.requests("/never.htm") > 0; }));
    QTest::mouseClick(qt::WidgetPeer::widgetOf(window.imgStop), Qt::LeftButton);
    EXPECT_TRUE(::e2e::waitFor(
        [&] { return !window.webView.Busy() && window.lblStatusBar.Caption() == "Done"; }, 5000))
        << window.lblStatusBar.Caption();
}

TEST_F(DesignWindowOnQt, KeysHeldWithCtrlNNeverReachItsPageAndAWindowManagerCloseClosesIt) {
    frmMBrowser& window = openDesignWindow();
    window.webView.Navigate(url("/keys.htm"));
    ASSERT_TRUE(showsPage(window.webView, url("/keys.htm")));
    const std::string before = typeIntoPage(window.webView);
    EXPECT_TRUE(::e2e::waitFor([&] {
        return window.webView.LocationName() == before + "Controlb";
    })) << window.webView.LocationName();
    // Select-all never reached the page: "b" follows the x's in the box.
    EXPECT_TRUE(::e2e::waitFor([&] { return boxHolds(window.webView, "xb]"); }));
    EXPECT_TRUE(backend_.recorder.starts.empty());
    qt::WidgetPeer::widgetOf(window)->close();
    EXPECT_TRUE(::e2e::waitFor([] { return designWindow() == nullptr; }));
    EXPECT_FALSE(soundsOpen());
}

TEST_F(DesignWindowOnQt, CtrlNInTheMainWindowsPageStartsOneNewCopy) {
    form1& main = start();
    ASSERT_TRUE(browse(main, url("/keys.htm"), url("/keys.htm")));
    const std::string before = typeIntoPage(main.WebBrowser2);
    EXPECT_TRUE(::e2e::waitFor([&] {
        return main.WebBrowser2.LocationName() == before + "ControlnControlab";
    })) << main.WebBrowser2.LocationName();
    EXPECT_TRUE(::e2e::waitFor([&] { return boxHolds(main.WebBrowser2, "[b]"); }));
    EXPECT_EQ(backend_.recorder.starts.size(), 1u);
}

}  // namespace quillo::e2e
