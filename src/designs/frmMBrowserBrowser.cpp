// The design window's browser: its events and the page-text capture, the picture buttons that
// drive it and the address box.
#include <algorithm>
#include <string_view>
#include <vector>

#include "designs/frmMBrowser.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/pornBuster.h"
#include "runtime/Utf8.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

using runtime::BrowserObject;

namespace {

// Every occurrence of what, in exact letter case, taken out in one pass.
void removeAll(std::string& text, std::string_view what) {
    std::string kept;
    std::size_t from = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, from)) {
        kept.append(text, from, at - from);
        from = at + what.size();
    }
    kept.append(text, from);
    text = std::move(kept);
}

// The four parts of a picture button's Tag (Left, Top, Width and Height in twips) as numbers;
// nothing when the Tag holds fewer parts or one of them is no number.
std::optional<std::vector<double>> designPlaceOf(const std::string& tag) {
    if (tag.empty()) return std::nullopt;
    std::vector<double> place;
    std::size_t from = 0;
    while (place.size() < 4) {
        std::size_t end = tag.find('|', from);
        if (end == std::string::npos && place.size() < 3) return std::nullopt;
        std::optional<std::int32_t> value = LongOf(std::string_view(tag).substr(from, end - from));
        if (!value) return std::nullopt;
        place.push_back(*value);
        from = end + 1;
    }
    return place;
}

}  // namespace

void frmMBrowser::wireBrowser() {
    webView.BeforeNavigate2 = [this](const BrowserObject&, const std::string& url, bool& cancel) {
        webView_BeforeNavigate2(url, cancel);
    };
    webView.CommandStateChange = [this](int command, bool enable) {
        webView_CommandStateChange(command, enable);
    };
    webView.DocumentComplete = [this](const BrowserObject& pDisp, const std::string&) {
        webView_DocumentComplete(pDisp);
    };
    webView.NewWindow2 = [this](BrowserObject& ppDisp, bool& cancel) {
        webView_NewWindow2(ppDisp, cancel);
    };
    webView.ProgressChange = [this](std::int32_t progress, std::int32_t progressMax) {
        webView_ProgressChange(progress, progressMax);
    };
    webView.StatusTextChange = [this](const std::string& text) { webView_StatusTextChange(text); };
}

void frmMBrowser::webView_BeforeNavigate2(const std::string& URL, bool& Cancel) {
    // Until the design is applied the browser goes nowhere; its first address is kept.
    if (!webView.Visible()) {
        if (Tag().empty()) setTag(URL);
        Cancel = true;
        return;
    }
    cmbUrl.setText(URL);
}

void frmMBrowser::webView_CommandStateChange(int Command, bool Enable) {
    if (Command == -1) return;
    if (Command == 2) imgBack.setEnabled(Enable);
    if (Command == 1) imgFoward.setEnabled(Enable);
    if (webView.Busy()) tmrHTMLCapture.setEnabled(true);
}

void frmMBrowser::webView_DocumentComplete(const BrowserObject& pDisp) {
    tmrHTMLCapture.setEnabled(false);
    PageVerdict verdict = JudgePageText(pDisp);
    if (verdict == PageVerdict::NoText) return;
    if (verdict == PageVerdict::Forbidden) return BlockPage(webView);
    OpenDesignOfPage(webView, pDisp);
}

void frmMBrowser::webView_NewWindow2(BrowserObject& ppDisp, bool& Cancel) {
    if (NewWindowRequested) {
        Cancel = true;
        return;
    }
    ppDisp = webDummy.Object();
    NewWindowRequested = true;
}

void frmMBrowser::webView_ProgressChange(std::int32_t Progress, std::int32_t ProgressMax) {
    if (Progress < 1 || ProgressMax < 1) return;
    std::optional<std::int16_t> percent =
        IntegerOf(static_cast<double>(Progress) / ProgressMax * 100);
    // A share beyond what the status line counts shows nothing.
    if (!percent) return;
    if (*percent == 100)
        lblStatusBar.setCaption("Loading Complete.");
    else
        lblStatusBar.setCaption("Loading " + cmbUrl.Text() + " [" + std::to_string(*percent) +
                                "%]");
}

void frmMBrowser::webView_StatusTextChange(const std::string& Text) {
    if (!webView.Busy() && !Text.empty()) lblStatusBar.setCaption(Text);
}

void frmMBrowser::tmrHTMLCapture_Timer() {
    if (JudgeLoadingPage(webView)) tmrHTMLCapture.setEnabled(false);
}

void frmMBrowser::PressedLook(runtime::Image& Button) {
    if (!designPlaceOf(Button.Tag())) return;
    const double d = PixelsToTwips(2);
    Button.Move(Button.Left() + d, Button.Top() + d, std::max(0.0, Button.Width() - 2 * d),
                std::max(0.0, Button.Height() - 2 * d));
}

void frmMBrowser::NormalLook(runtime::Image& Button) {
    std::optional<std::vector<double>> place = designPlaceOf(Button.Tag());
    if (!place) return;
    Button.Move((*place)[0], (*place)[1], (*place)[2], (*place)[3]);
}

void frmMBrowser::imgBack_MouseUp() {
    NormalLook(imgBack);
    webView.GoBack();
}

void frmMBrowser::imgFoward_MouseUp() {
    NormalLook(imgFoward);
    webView.GoForward();
}

void frmMBrowser::imgRefresh_MouseUp() {
    NormalLook(imgRefresh);
    webView.Refresh();
}

void frmMBrowser::imgStop_MouseUp() {
    NormalLook(imgStop);
    webView.Stop();
}

void frmMBrowser::cmbUrl_KeyPress(int& KeyAscii) {
    if (KeyAscii == 13 && !cmbUrl.Text().empty()) {
        KeyAscii = 0;
        Suggestion.clear();
        std::string address = cmbUrl.Text();
        if (address.ends_with('/')) address.pop_back();
        for (std::string_view scheme : {"http://", "ftp://", "file://"})
            removeAll(address, scheme);
        cmbUrl.setText(address);
        AddUrlToHistory(cmbUrl, address);
        webView.Navigate(address);
        return;
    }
    if (KeyAscii < 33 || KeyAscii >= 127) return;
    const int typedAt = cmbUrl.SelStart();
    const std::string typed =
        runtime::CodePointSlice(cmbUrl.Text(), 0, typedAt) + static_cast<char>(KeyAscii);
    const bool followsSuggestion =
        !Suggestion.empty() &&
        runtime::CodePointCount(Suggestion) >= runtime::CodePointCount(typed) &&
        Suggestion.starts_with(typed);
    std::string completed;
    if (followsSuggestion) {
        completed = Suggestion;
        if (runtime::CodePointCount(Suggestion) - 1 <= typedAt) Suggestion.clear();
    } else {
        Suggestion.clear();
        const int match = FindUrlListMatch(cmbUrl, typed);
        if (match < 0) return;
        completed = Suggestion = cmbUrl.List(match);
    }
    KeyAscii = 0;
    cmbUrl.setText(completed);
    cmbUrl.setSelStart(typedAt + 1);
    cmbUrl.setSelLength(runtime::CodePointCount(completed) - (typedAt + 1));
}

}  // namespace quillo
