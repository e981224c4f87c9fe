// A designed page on the Qt backend: it opens its shaped design window, which browses on its own,
// filters what it shows, takes its menu from a right click and closes from it or from the window
// system, and keeps Ctrl+N and the keys held with it away from its page.

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>

#include "../designs/ShapedDesign.h"
#include "E2E.h"
#include "ProgramOnQt.h"
#include "designs/frmMBrowser.h"
#include "designs/frmSaveDesign.h"
#include "runtime/MediaCommands.h"
#include "runtime/headless/User.h"
#include "runtime/qt/QtWebEngine.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::e2e {

namespace {

const std::string kBlocked = "http://www.quillo.example/blocked.htm";

// A page that writes the keys it gets into its title.
const char* kKeyPage =
    "<html><head><title>keys:</title><script>"
    "document.addEventListener('keydown', e => { document.title += e.key; });"
    "</script></head><body><p>Type here</p></body></html>";

class DesignWindowOnQt : public ProgramOnQt {
  protected:
    DesignWindowOnQt() {
        site_.add("/design.htm",
                  QByteArray::fromStdString("<html><body><p>Shapes</p><!--\n" +
                                            testing::ShapedDesign() + "--></body></html>"));
        site_.add("/bad.htm", "<html><body><p>Nude pics inside</p></body></html>");
        site_.add("/keys.htm", kKeyPage);
        address_ = site_.url("/design.htm").toStdString();
    }

    // Starts the program, visits the designed page and waits for its design window to show it.
    frmMBrowser& openDesignWindow() {
        form1& main = start();
        EXPECT_TRUE(browse(main, address_, address_));
        frmMBrowser* window = nullptr;
        EXPECT_TRUE(::e2e::waitFor([&] {
            window = designWindow();
            return window && window->Visible() && window->webView.LocationURL() == address_ &&
                   !window->webView.Busy();
        }));
        if (!window) throw std::runtime_error("no design window");
        return *window;
    }

    static frmMBrowser* designWindow() {
        for (runtime::Form* form : runtime::app().Forms())
            if (auto* window = dynamic_cast<frmMBrowser*>(form)) return window;
        return nullptr;
    }

    // A right click on the window's surface beside its buttons, answered with this entry.
    void chooseFromMenu(frmMBrowser& window, const std::string& caption) {
        backend_.menuAnswers.push_back(caption);
        QTest::mouseClick(qt::WidgetPeer::widgetOf(window), Qt::RightButton, {}, QPoint(350, 20));
    }

    static bool soundsOpen() {
        return runtime::app().media().device("Launching") ||
               runtime::app().media().device("Canceling");
    }

    ::e2e::PageServer site_;
    std::string address_;
};

}  // namespace

TEST_F(DesignWindowOnQt, ADesignedPageOpensAShapedWindowThatBlocksAForbiddenPageTypedIntoIt) {
    frmMBrowser& window = openDesignWindow();
    EXPECT_TRUE(window.Shaped);
    QWidget* widget = qt::WidgetPeer::widgetOf(window);
    EXPECT_EQ(widget->size(), QSize(400, 300));
    EXPECT_FALSE(widget->mask().isEmpty());
    EXPECT_EQ(window.cmbUrl.Text(), address_);
    window.cmbUrl.setText(site_.url("/bad.htm").toStdString());
    headless::User::type(window.cmbUrl, "\r");
    EXPECT_TRUE(::e2e::waitFor([&] { return window.webView.LocationURL() == kBlocked; }));
    EXPECT_EQ(window.cmbUrl.List(0), site_.url("/bad.htm").toStdString().substr(7));
}

TEST_F(DesignWindowOnQt, ARightClickPopsUpItsMenuWhoseCloseClosesTheWindowAndItsSounds) {
    frmMBrowser& window = openDesignWindow();
    EXPECT_TRUE(soundsOpen());
    chooseFromMenu(window, "Close");
    ASSERT_EQ(backend_.menusShown.size(), 1u);
    EXPECT_EQ(backend_.menusShown[0].entries.size(), 5u);
    EXPECT_EQ(designWindow(), nullptr);
    EXPECT_FALSE(soundsOpen());
}

TEST_F(DesignWindowOnQt, SaveDesignFromItsMenuOpensTheSaveDialogForItsDesign) {
    frmMBrowser& window = openDesignWindow();
    chooseFromMenu(window, "Save Design");
    auto* dialog = runtime::app().loadedForm<frmSaveDesign>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Tag(), address_);
    EXPECT_TRUE(qt::WidgetPeer::widgetOf(*dialog)->isVisible());
    EXPECT_EQ(qt::WidgetPeer::widgetOf(*dialog)->size(), QSize(336, 108));
}

TEST_F(DesignWindowOnQt, AWindowManagerCloseClosesItLikeItsCloseEntry) {
    frmMBrowser& window = openDesignWindow();
    qt::WidgetPeer::widgetOf(window)->close();
    EXPECT_TRUE(::e2e::waitFor([] { return designWindow() == nullptr; }));
    EXPECT_FALSE(soundsOpen());
    EXPECT_NE(runtime::app().loadedForm<form1>(), nullptr);
}

TEST_F(DesignWindowOnQt, CtrlNAndTheKeysPressedWithItNeverReachItsPage) {
    frmMBrowser& window = openDesignWindow();
    const std::string keys = site_.url("/keys.htm").toStdString();
    window.webView.Navigate(keys);
    ASSERT_TRUE(::e2e::waitFor(
        [&] { return window.webView.LocationURL() == keys && !window.webView.Busy(); }));
    auto* engine = dynamic_cast<qt::QtWebEngine*>(window.webView.engine());
    QWidget* page = engine->widget()->focusProxy();
    ASSERT_NE(page, nullptr);
    QTest::keyPress(page, Qt::Key_N, Qt::ControlModifier);
    QTest::keyPress(page, Qt::Key_A, Qt::ControlModifier);
    QTest::keyRelease(page, Qt::Key_A, Qt::ControlModifier);
    QTest::keyRelease(page, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_B);
    EXPECT_TRUE(
        ::e2e::waitFor([&] { return window.webView.LocationName() == "keys:Controlb"; }, 5000))
        << window.webView.LocationName();
    EXPECT_TRUE(backend_.recorder.starts.empty());
}

TEST_F(DesignWindowOnQt, CtrlNInTheMainWindowsPageStartsOneNewCopy) {
    form1& main = start();
    const std::string keys = site_.url("/keys.htm").toStdString();
    ASSERT_TRUE(browse(main, keys, keys));
    auto* engine = dynamic_cast<qt::QtWebEngine*>(main.WebBrowser2.engine());
    QWidget* page = engine->widget()->focusProxy();
    ASSERT_NE(page, nullptr);
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_B);
    EXPECT_TRUE(
        ::e2e::waitFor([&] { return main.WebBrowser2.LocationName() == "keys:Controlnb"; }, 5000))
        << main.WebBrowser2.LocationName();
    ::e2e::waitFor([] { return false; }, 300);
    EXPECT_EQ(backend_.recorder.starts.size(), 1u);
}

}  // namespace quillo::e2e
