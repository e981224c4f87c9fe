#pragma once

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"

namespace quillo {

// The load-design dialog: the saved designs' names over the dialog's bitmap, whose buttons are
// transparent labels. The program menu lays it out and shows it.
class frmLoadDesign : public runtime::Form {
  public:
    frmLoadDesign();

    runtime::ListBox& lstView = add<runtime::ListBox>("lstView");
    runtime::Label& cmdLoad = add<runtime::Label>("cmdLoad");
    runtime::Label& cmdDelete = add<runtime::Label>("cmdDelete");
    runtime::Label& cmdCancel = add<runtime::Label>("cmdCancel");
    runtime::Label& LabelClose = add<runtime::Label>("LabelClose");
};

}  // namespace quillo
