#include "mainwindow/FormBabyBrowser.h"

#include "mainwindow/RNfunctions.h"
#include "mainwindow/pornBuster.h"

namespace quillo {

FormBabyBrowser::FormBabyBrowser() : Form("FormBabyBrowser") {
    setCaption("Baby Quillo");
    setBorderStyle(2);
    WebBrowserBaby.Move(0, 0, 9000, 6000);
    setWidth(WebBrowserBaby.Width() + 360);
    setHeight(WebBrowserBaby.Height() + 600);
    tmrHTMLCapture.setInterval(1000);
    tmrHTMLCapture.setEnabled(false);
    WebBrowserBaby.BeforeNavigate2 = [this](const runtime::BrowserObject& pDisp,
                                            const std::string& url,
                                            bool&) { WebBrowserBaby_BeforeNavigate2(pDisp, url); };
    WebBrowserBaby.DocumentComplete = [this](const runtime::BrowserObject&, const std::string&) {
        WebBrowserBaby_DocumentComplete();
    };
    WebBrowserBaby.DownloadComplete = [this] { WebBrowserBaby_DownloadComplete(); };
    tmrHTMLCapture.Tick = [this] { tmrHTMLCapture_Timer(); };
    Paint = [this] { Form_Paint(); };
}

void FormBabyBrowser::WebBrowserBaby_BeforeNavigate2(const runtime::BrowserObject& pDisp,
                                                     const std::string& URL) {
    // The pop-up's own address starts one copy; the frames it loads start none.
    if (!pDisp.isTopLevel()) return;
    if (!URL.starts_with("about:blank")) {
        // The navigation goes on unseen here until the next pop-up discards this window; a
        // blank pop-up that script sends on leaves the screen, and the copy shows the page.
        StartProgramCopy(URL);
        hidePopUp();
        return;
    }
    Show();
    tmrHTMLCapture.setEnabled(Visible());
}

void FormBabyBrowser::WebBrowserBaby_DocumentComplete() {
    fitToBrowser();
    filterShownPage();
}

void FormBabyBrowser::WebBrowserBaby_DownloadComplete() {
    fitToBrowser();
    filterShownPage();
}

void FormBabyBrowser::tmrHTMLCapture_Timer() {
    filterShownPage();
}

void FormBabyBrowser::fitToBrowser() {
    setWidth(WebBrowserBaby.Width() + 360);
    setHeight(WebBrowserBaby.Height() + 600);
}

void FormBabyBrowser::filterShownPage() {
    if (!Visible()) return;
    if (JudgePageText(WebBrowserBaby.Object()) != PageVerdict::Forbidden) return;
    BlankPage(WebBrowserBaby.Object(), BlockedPageWarning);
    hidePopUp();
}

void FormBabyBrowser::hidePopUp() {
    tmrHTMLCapture.setEnabled(false);
    if (Visible()) Hide();
}

void FormBabyBrowser::Form_Paint() {
    if (!WebBrowserBaby.Visible()) hidePopUp();
}

}  // namespace quillo
