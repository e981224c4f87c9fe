#include "designs/frmLoadDesign.h"

namespace quillo {

frmLoadDesign::frmLoadDesign() : Form("frmLoadDesign") {
    setCaption("Load QVx Design");
    setBorderStyle(0);
    setShowInTaskbar(false);
    for (runtime::Label* button : {&cmdLoad, &cmdDelete, &cmdCancel, &LabelClose})
        button->setBackStyle(0);
}

}  // namespace quillo
