#pragma once

#include <string>
#include <vector>

#include "ShapedDesign.h"
#include "designs/frmMBrowser.h"
#include "mainwindow/Variables.h"
#include "runtime/Application.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/HeadlessWebEngine.h"

namespace quillo::testing {

inline const std::string kDesignPage = "http://www.design.test/kids/a.htm";
inline const std::string kBlockedPage = "http://www.quillo.example/blocked.htm";

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
