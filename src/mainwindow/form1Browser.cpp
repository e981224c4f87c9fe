// The address bar and the events of the two browser panes: the page road of the main window.
#include "designs/MorphingFunctions.h"
#include "mainwindow/FormBabyBrowser.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "mainwindow/pornBuster.h"
#include "runtime/Application.h"
#include "runtime/Utf8.h"
#include "runtime/WebAddress.h"

namespace quillo {

using runtime::BrowserObject;

void form1::wireAddressBar() {
    ComboURL.KeyPress = [this](int& keyAscii) { ComboURL_KeyPress(keyAscii); };
    ComboURL.Click = [this] { ComboURL_Click(); };
}

void form1::wireBrowsers() {
    WebBrowser2.BeforeNavigate2 = [this](const BrowserObject& pDisp, const std::string& url,
                                         bool& cancel) {
        WebBrowser2_BeforeNavigate2(pDisp, url, cancel);
    };
    WebBrowser2.CommandStateChange = [this](int, bool) { WebBrowser2_CommandStateChange(); };
    tmrHTMLCapture.Tick = [this] { tmrHTMLCapture_Timer(); };
    WebBrowser2.NavigateComplete2 = [this](const BrowserObject&, const std::string&) {
        WebBrowser2_NavigateComplete2();
    };
    WebBrowser2.DocumentComplete = [this](const BrowserObject& pDisp, const std::string& url) {
        WebBrowser2_DocumentComplete(pDisp, url);
    };
    WebBrowser2.NewWindow2 = [this](BrowserObject& ppDisp, bool&) {
        WebBrowser2_NewWindow2(ppDisp);
    };
    WebBrowser1.NewWindow2 = [this](BrowserObject& ppDisp, bool&) {
        WebBrowser1_NewWindow2(ppDisp);
    };
    WebBrowser2.ProgressChange = [this](std::int32_t progress, std::int32_t progressMax) {
        WebBrowser2_ProgressChange(progress, progressMax);
    };
    WebBrowser2.StatusTextChange = [this](const std::string& text) {
        WebBrowser2_StatusTextChange(text);
    };
}

void form1::ComboURL_KeyPress(int& KeyAscii) {
    if (KeyAscii == 13) {
        // The address joins the history as it was typed, without the blanks around it that the
        // browser drops too: the browser completes a bare host name with "http://" before its
        // events, and such an address must not join. Pending goes up before Navigate so that
        // this navigation, and only it, adds the address.
        pageNavigationBegan_ = false;
        TypedUrl.Pending = true;
        TypedUrl.Url = StripHttpPrefix(std::string(runtime::TrimAddress(ComboURL.Text())));
        WebBrowser2.Navigate(ComboURL.Text());
        // Nothing was navigated to (an empty text): no completion would ever clear it.
        if (!pageNavigationBegan_) TypedUrl.Pending = false;
        ComboURL.setSelStart(0);
        ComboURL.setSelLength(runtime::CodePointCount(ComboURL.Text()));
        return;
    }
    if (KeyAscii < 33 || KeyAscii > 126) return;
    const int typedAt = ComboURL.SelStart();
    std::string prefix = runtime::CodePointSlice(ComboURL.Text(), 0, typedAt);
    prefix += static_cast<char>(KeyAscii);
    if (!AutoCompleteCombo(ComboURL, prefix)) return;
    KeyAscii = 0;
    ComboURL.setSelStart(typedAt + 1);
    ComboURL.setSelLength(runtime::CodePointCount(ComboURL.Text()));
}

void form1::ComboURL_Click() {
    std::string entry = ComboURL.List(ComboURL.ListIndex());
    if (!entry.empty()) WebBrowser2.Navigate(entry);
}

void form1::showAddress(const std::string& URL) {
    if (URL.starts_with("about:")) return;
    ComboURL.setText(URL);
    ComboURL.setSelStart(0);
    ComboURL.setSelLength(runtime::CodePointCount(URL));
    if (!Timer1.getEnabled()) ComboURL.SetFocus();
}

void form1::WebBrowser2_BeforeNavigate2(const BrowserObject& pDisp, const std::string& URL, bool&) {
    if (pDisp.isTopLevel()) pageNavigationBegan_ = true;
    Timer2.setInterval(1);
    Timer2.setEnabled(true);
    showAddress(URL);
}

void form1::WebBrowser2_CommandStateChange() {
    if (WebBrowser2.Busy()) tmrHTMLCapture.setEnabled(true);
}

void form1::tmrHTMLCapture_Timer() {
    if (JudgeLoadingPage(WebBrowser2)) tmrHTMLCapture.setEnabled(false);
}

void form1::WebBrowser2_NavigateComplete2() {
    if (TypedUrl.Pending && !TypedUrl.Url.empty()) AddUrlToHistory(ComboURL, TypedUrl.Url);
    TypedUrl.Pending = false;
}

void form1::WebBrowser2_DocumentComplete(const BrowserObject& pDisp, const std::string& URL) {
    tmrHTMLCapture.setEnabled(false);
    PageVerdict verdict = JudgePageText(pDisp);
    if (verdict == PageVerdict::Forbidden)
        BlockPage(WebBrowser2);
    else if (verdict == PageVerdict::Allowed)
        OpenDesignOfPage(WebBrowser2, pDisp);
    showAddress(URL);
}

void form1::WebBrowser2_NewWindow2(BrowserObject& ppDisp) {
    if (auto* previous = application().loadedForm<FormBabyBrowser>()) previous->Unload();
    FormBabyBrowser& popUp = application().form<FormBabyBrowser>();
    popUp.opensOver(*this);
    ppDisp = popUp.WebBrowserBaby.Object();
}

void form1::WebBrowser1_NewWindow2(BrowserObject& ppDisp) {
    // A link of the side pane that asks for a window of its own opens in the main pane.
    ppDisp = WebBrowser2.Object();
}

void form1::WebBrowser2_ProgressChange(std::int32_t Progress, std::int32_t ProgressMax) {
    if (Progress < 1 || ProgressMax < 1) return;
    // Whole numbers all the way: 29 of 100 is 29, where a fraction would give 28.999...
    const std::int64_t percent = std::int64_t{Progress} * 100 / ProgressMax;
    LabelStatusBarMini.setCaption(std::to_string(percent) + "% Done");
}

void form1::WebBrowser2_StatusTextChange(const std::string& Text) {
    runtime::SizePx letter = application().backend().textMetrics().measure("I", getFont(), 0);
    LabelStatusBarMain.setHeight(letter.height * application().screen().TwipsPerPixelY);
    if (!Text.empty()) LabelStatusBarMain.setCaption(Text);
}

}  // namespace quillo
