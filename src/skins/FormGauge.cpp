#include "skins/FormGauge.h"

#include "runtime/Application.h"

namespace quillo {

using namespace runtime;

FormGauge::FormGauge() : Form("FormGauge") {
    setBorderStyle(0);
    setShowInTaskbar(false);
    setBackColor(RGB(255, 236, 160));
    Move(0, 0, 3600, 720);
    LabelGauge.Move(0, 180, 3600, 360);
    LabelGauge.setAlignment(2);
    LabelGauge.setBackStyle(0);
    LabelGauge.setFont({"Times New Roman", 14, true});
    LabelGauge.setForeColor(RGB(40, 60, 160));
    LabelGauge.setCaption("99% Completed");

    Load = [this] { Form_Load(); };
}

void FormGauge::Form_Load() {
    application().backend().windows().setTopmost(*this, true);
}

}  // namespace quillo
