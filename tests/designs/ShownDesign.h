#pragma once

#include <string>
#include <vector>

#include "designs/frmMBrowser.h"
#include "mainwindow/Variables.h"
#include "runtime/Application.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/HeadlessWebEngine.h"

namespace quillo::testing {

inline const std::string kDesignPage = "http://www.design.test/kids/a.htm";
inline const std::string kBlockedPage = "http://www.quillo.example/blocked.htm";

// A design text with "~" standing for the field separator Chr(2): the window at 100, 100, 400 by
// 300 px, buttons 40 by 30 px along the top, the address box, status line and browser below
// them, and with outline the window's rectangle as its outline.
inline std::string ShapedDesign(bool outline = true) {
    std::string text =
        "<! FRM~100~100~400~300~-1 >\r\n<! BCK~10~10~40~30 >\r\n<! FWD~60~10~40~30 >\r\n"
        "<! HME~110~10~40~30 >\r\n<! RFH~160~10~40~30 >\r\n<! STP~210~10~40~30 >\r\n"
        "<! TUL~10~50~300~20 >\r\n<! SBR~10~280~300~15 >\r\n<! BSW~10~80~380~190 >\r\n";
    if (outline) text += "<! RGN~4~0|0~400|0~400|300~0|300 >\r\n";
    for (char& c : text)
        if (c == '~') c = '\x02';
    return text;
}

// The program with a design window that shows the design page (a plain page unless given) and
// the blocked page of the maker's site.
class ShownDesign {
  public:
    explicit ShownDesign(const std::string& pageHtml = "<body>Shapes</body>", bool outline = true) {
        harness.layAssets(QUILLO_ASSETS_DIR);
        MorphingEnabled = true;
        web().addHtml(kDesignPage, pageHtml);
        web().addHtml(kBlockedPage, "<body>Let us go somewhere else.</body>");
        window_ = &runtime::app().newForm<frmMBrowser>();
        window_->setTag(kDesignPage);
        window_->MorphFromPage(ShapedDesign(outline), kDesignPage);
        harness.advance(500);
        harness.advance(0);
    }
    ~ShownDesign() { MorphingEnabled = true; }

    headless::Harness harness;
    frmMBrowser& window() { return *window_; }
    headless::HeadlessWeb& web() { return harness.backend().web; }
    headless::HeadlessWebEngine& engine(runtime::WebBrowser& browser) {
        return dynamic_cast<headless::HeadlessWebEngine&>(*browser.engine());
    }
    static std::vector<frmMBrowser*> designWindows() {
        std::vector<frmMBrowser*> found;
        for (runtime::Form* form : runtime::app().Forms())
            if (auto* window = dynamic_cast<frmMBrowser*>(form)) found.push_back(window);
        return found;
    }

  private:
    frmMBrowser* window_ = nullptr;
};

}  // namespace quillo::testing
