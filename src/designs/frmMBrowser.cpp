#include "designs/frmMBrowser.h"

namespace quillo {

frmMBrowser::frmMBrowser() : Form("frmMBrowser") {
    setCaption("QVX Transformation");
    Load = [this] { Form_Load(); };
}

void frmMBrowser::Form_Load() {
    PendingDownloads = 0;
    HostKey.clear();
    ClearDesign();
}

void frmMBrowser::MorphFromPage(const std::string& PageText, const std::string& URL) {
    DesignText = PageText;
    std::optional<DesignKeys> keys = DesignKeysOf(URL);
    if (!keys) {
        Outcome = DesignOutcome::AddressRefused;
        return;
    }
    HostKey = keys->HostKey;
    PageKey = keys->PageKey;
    ParseDesignRecords(PageText, Design);
    Outcome = ValidateDesign() ? DesignOutcome::Valid : DesignOutcome::Invalid;
}

bool frmMBrowser::ValidateDesign() {
    return quillo::ValidateDesign(Design, PendingDownloads);
}

void frmMBrowser::ClearDesign() {
    quillo::ClearDesign(Design);
}

}  // namespace quillo
