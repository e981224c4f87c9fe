#include "designs/frmMBrowser.h"

namespace quillo {

frmMBrowser::frmMBrowser() : Form("frmMBrowser") {
    setCaption("QVX Transformation");
}

void frmMBrowser::MorphFromPage(const std::string& PageText, const std::string&) {
    DesignText = PageText;
}

}  // namespace quillo
