#pragma once

#include <string>

#include "runtime/BrowserObject.h"
#include "runtime/Form.h"
#include "runtime/Timer.h"
#include "runtime/WebBrowser.h"

namespace quillo {

// The pop-up window: a hidden window whose browser receives each new window that a page of the
// main browser asks for. A pop-up heading for a real address is handed to a new copy of the
// program and stays (or goes) out of sight; only a blank pop-up shows here, and while it shows
// its text is tested as a main-window page is. Loaded afresh for every request.
class FormBabyBrowser : public runtime::Form {
  public:
    FormBabyBrowser();

    runtime::WebBrowser& WebBrowserBaby = add<runtime::WebBrowser>("WebBrowserBaby");
    // Tests the shown pop-up's text every second: script may write into it at any time.
    runtime::Timer& tmrHTMLCapture = add<runtime::Timer>("tmrHTMLCapture");

    void WebBrowserBaby_BeforeNavigate2(const runtime::BrowserObject& pDisp,
                                        const std::string& URL);
    void WebBrowserBaby_DocumentComplete();
    void WebBrowserBaby_DownloadComplete();
    void tmrHTMLCapture_Timer();
    void Form_Paint();

  private:
    void fitToBrowser();
    // A shown pop-up whose text holds a forbidden phrase is emptied, given the warning and
    // hidden.
    void filterShownPage();
    void hidePopUp();
};

}  // namespace quillo
