#pragma once

#include <string>

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"

namespace quillo {

// The load-design dialog: the saved designs' names over the dialog's bitmap, whose buttons are
// transparent labels. The program menu lays it out and shows it. Load opens the chosen design in a
// new design window from the cache; Delete removes its entry from the list file as the file
// stands then, and stays open showing that list.
class frmLoadDesign : public runtime::Form {
  public:
    frmLoadDesign();

    runtime::ListBox& lstView = add<runtime::ListBox>("lstView");
    runtime::Label& cmdLoad = add<runtime::Label>("cmdLoad");
    runtime::Label& cmdDelete = add<runtime::Label>("cmdDelete");
    runtime::Label& cmdCancel = add<runtime::Label>("cmdCancel");
    runtime::Label& LabelClose = add<runtime::Label>("LabelClose");

    // The list file, and its whole text as last read.
    std::string DesignPath;
    std::string DesignListText;

    void Form_Load();
    void Form_MouseDown();
    void LoadDesignList();
    void cmdLoad_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void LabelClose_Click();
};

}  // namespace quillo
