#pragma once

#include <string>

#include "runtime/BrowserObject.h"
#include "runtime/Form.h"
#include "runtime/WebBrowser.h"

namespace quillo {

// The pop-up window: a hidden window whose browser receives each new window that a page of the
// main browser asks for. A pop-up heading for a real address is handed to a new copy of the
// program; only a blank pop-up shows here. Loaded afresh for every request.
class FormBabyBrowser : public runtime::Form {
  public:
    FormBabyBrowser();

    runtime::WebBrowser& WebBrowserBaby = add<runtime::WebBrowser>("WebBrowserBaby");

    void WebBrowserBaby_BeforeNavigate2(const runtime::BrowserObject& pDisp,
                                        const std::string& URL);
    void WebBrowserBaby_DocumentComplete();
    void WebBrowserBaby_DownloadComplete();
    void Form_Paint();

  private:
    void fitToBrowser();
};

}  // namespace quillo
