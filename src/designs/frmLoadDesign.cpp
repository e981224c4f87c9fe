#include "designs/frmLoadDesign.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "designs/DesignList.h"
#include "designs/frmMBrowser.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/Picture.h"
#include "runtime/WholeFile.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlFile.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

frmLoadDesign::frmLoadDesign() : Form("frmLoadDesign") {
    setCaption("Load QVx Design");
    setBorderStyle(0);
    setShowInTaskbar(false);
    for (runtime::Label* button : {&cmdLoad, &cmdDelete, &cmdCancel, &LabelClose})
        button->setBackStyle(0);
    // The buttons cover the pictures of the dialog's bitmap; the program menu places but does not
    // size them, and a button without a size cannot be clicked.
    MoveInPixels(cmdLoad, 8, 176, 65, 25);
    MoveInPixels(cmdDelete, 80, 176, 65, 25);
    MoveInPixels(cmdCancel, 152, 176, 65, 25);

    Load = [this] { Form_Load(); };
    MouseDown = [this](int, int, double, double) { Form_MouseDown(); };
    cmdLoad.Click = [this] { cmdLoad_Click(); };
    lstView.DblClick = [this] { cmdLoad_Click(); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    LabelClose.Click = [this] { LabelClose_Click(); };
    CloseRequest = [this] { LabelClose_Click(); };
}

void frmLoadDesign::Form_Load() {
    if (auto picture =
            runtime::LoadPicture(application().App().Path + "/" + LangName + "/frmQVXLoad.bmp"))
        setPicture(*picture);
    LoadDesignList();
}

void frmLoadDesign::Form_MouseDown() {
    application().backend().windows().startSystemMove(*this);
}

void frmLoadDesign::LoadDesignList() {
    DesignPath = DesignListPath();
    DesignListText = ReadFileText(DesignPath);
    lstView.Clear();
    for (const SavedDesign& entry : ReadDesignList(DesignListText))
        lstView.AddItem(entry.Name);
}

void frmLoadDesign::cmdLoad_Click() {
    if (lstView.ListIndex() < 0) return;
    // A hand-edited list may name a design twice; a design window takes one design, the first.
    std::optional<SavedDesign> entry = FindSavedDesign(DesignListText, lstView.Text());
    if (!entry) return;
    // A new window comes loaded (and hidden).
    frmMBrowser& window = application().newForm<frmMBrowser>();
    window.setTag(entry->Address);
    window.LoadDesignFromCache(entry->Address);
    // A design the cache could not give has closed its window, which stays closed.
    const std::vector<runtime::Form*> open = application().Forms();
    if (std::find(open.begin(), open.end(), &window) != open.end()) {
        if (const form1* main = application().loadedForm<form1>()) {
            window.setTop(main->Top() + main->Height() / 2 - window.Height() / 2);
            window.setLeft(main->Left() + main->Width() / 2 - window.Width() / 2);
        }
    }
    Unload();
}

void frmLoadDesign::cmdDelete_Click() {
    if (lstView.ListIndex() < 0) return;
    const std::string name = lstView.Text();
    // The entry goes from the list as it stands now, not as it was when the dialog read it: a
    // design saved meanwhile (from a design window, or by another copy of the program) stays.
    const std::optional<std::string> current = runtime::ReadFileForChange(DesignPath);
    if (current && !FindSavedDesign(*current, name)) return LoadDesignList();
    if (!current || !runtime::ReplaceFile(DesignPath, RemoveSavedDesign(*current, name))) {
        application().backend().dialogs().messageBox("Error updating design file!",
                                                     runtime::MsgBoxButtons::OK,
                                                     runtime::MsgBoxIcon::Critical, "");
        return Unload();
    }
    LoadDesignList();
}

void frmLoadDesign::cmdCancel_Click() {
    Unload();
}

void frmLoadDesign::LabelClose_Click() {
    Unload();
}

}  // namespace quillo
