// The main window's buttons: navigation, mail, close, the side-pane switch and the pressed look
// they take while the mouse button is held on them.
#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/PathResolver.h"
#include "runtime/Utf8.h"
#include "shared/ModuleLanguage.h"

namespace quillo {

namespace {

// The side pane shows an error page instead of its own.
bool showsErrorPage(const std::string& address) {
    const std::string lower = runtime::LowerAscii(address);
    return lower.find("shdoclc.dll/") != std::string::npos ||
           lower.find("about:navigationcanceled") != std::string::npos;
}

}  // namespace

void form1::wireButtons() {
    PictureBack.Click = [this] { PictureBack_Click(); };
    PictureNext.Click = [this] { PictureNext_Click(); };
    PictureHome.Click = [this] { PictureHome_Click(); };
    PictureMail.Click = [this] { PictureMail_Click(); };
    PictureReload.Click = [this] { PictureReload_Click(); };
    PictureStop.Click = [this] { PictureStop_Click(); };
    PictureURL.Click = [this] { PictureURL_Click(); };
    PictureClose.Click = [this] { PictureClose_Click(); };
    PictureHideShow.Click = [this] { PictureHideShow_Click(); };

    for (runtime::Image* button :
         {&PictureBack, &PictureBookmark, &PictureHideShow, &PictureHome, &PictureMail,
          &PictureNext, &PictureReload, &PictureStop, &PictureURL}) {
        button->MouseDown = [this, button](int, int, double, double) {
            IndentButtonImage(*this, *button);
        };
        button->MouseUp = [this, button](int, int, double, double) {
            UnindentButtonImage(*this, *button);
        };
    }
}

void form1::startAnimation(std::int16_t code) {
    AnimationCode = code;
    Timer2.setInterval(1);
    Timer2.setEnabled(true);
}

void form1::showSelected(const std::string& text) {
    ComboURL.setText(text);
    ComboURL.setSelStart(0);
    ComboURL.setSelLength(runtime::CodePointCount(ComboURL.Text()));
}

// Without a page to go to the click ends at once: no animation, and the address bar keeps what
// the child typed.
void form1::PictureBack_Click() {
    if (!WebBrowser2.GoBack()) return;
    startAnimation(2);
    showSelected(WebBrowser2.LocationURL());
}

void form1::PictureNext_Click() {
    if (!WebBrowser2.GoForward()) return;
    startAnimation(6);
    showSelected(WebBrowser2.LocationURL());
}

void form1::PictureHome_Click() {
    WebBrowser2.Navigate(HomePage);
    showSelected(HomePage);
    startAnimation(7);
}

void form1::PictureMail_Click() {
    startAnimation(9);
    // The desktop's own mail client; when none starts there is nothing else to try.
    application().backend().processes().openMailClient();
}

void form1::PictureReload_Click() {
    if (showsErrorPage(WebBrowser1.LocationURL())) {
        WebBrowser1.Navigate(std::string(HitCounterPage));
        // The fresh load of the home site is its refresh: a Refresh now would cancel it and
        // reload the page it leaves.
        WebBrowser2.Navigate(std::string(DefaultHomePage));
    } else {
        WebBrowser2.Refresh();
    }
    startAnimation(12);
    showSelected(WebBrowser2.LocationURL());
}

void form1::PictureStop_Click() {
    startAnimation(14);
    if (WebBrowser2.Busy()) WebBrowser2.Stop();
}

void form1::PictureURL_Click() {
    // Unlike Enter, Go leaves the address out of the history.
    WebBrowser2.Navigate(ComboURL.Text());
}

void form1::PictureClose_Click() {
    Unload();
    application().End();
}

void form1::PictureHideShow_Click() {
    if (WebBrowser1.Visible()) {
        WebBrowser1.setVisible(false);
        WebBrowser1.setTag("DISABLED");
    } else {
        WebBrowser1.setVisible(true);
        WebBrowser1.setTag("ENABLED");
    }
    ArrangeBrowserPanes(*this);
}

}  // namespace quillo
