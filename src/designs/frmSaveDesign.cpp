#include "designs/frmSaveDesign.h"

#include "designs/DesignList.h"
#include "runtime/Application.h"
#include "runtime/Picture.h"
#include "runtime/WholeFile.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlFile.h"

namespace quillo {

frmSaveDesign::frmSaveDesign() : Form("frmSaveDesign") {
    setCaption("Save Design");
    setBorderStyle(0);
    setShowInTaskbar(false);
    for (runtime::Label* button : {&cmdSave, &cmdCancel, &LabelClose})
        button->setBackStyle(0);

    Load = [this] { Form_Load(); };
    MouseDown = [this](int, int, double, double) { Form_MouseDown(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    LabelClose.Click = [this] { LabelClose_Click(); };
    CloseRequest = [this] { LabelClose_Click(); };
    Text1.KeyPress = [this](int& key) { Text1_KeyPress(key); };
}

void frmSaveDesign::Form_Load() {
    if (auto picture =
            runtime::LoadPicture(application().App().Path + "/" + LangName + "/frmQVXSave.bmp"))
        setPicture(*picture);
    DesignPath = DesignListPath();
}

void frmSaveDesign::Form_MouseDown() {
    application().backend().windows().startSystemMove(*this);
}

void frmSaveDesign::cmdSave_Click() {
    const std::string address = Tag();
    if (address.empty()) return Unload();
    if (Text1.Text().empty()) return;
    Text1.setText(CleanDesignName(Text1.Text()));
    const std::string name = Text1.Text();

    std::string text = FileExists(DesignPath) ? ReadFileText(DesignPath) : std::string();
    if (FindSavedDesign(text, name)) {
        const runtime::MsgBoxResult answer = application().backend().dialogs().messageBox(
            "The name [" + name + "] already exists. Do you wish to overwrite it?",
            runtime::MsgBoxButtons::YesNo, runtime::MsgBoxIcon::None, "");
        if (answer != runtime::MsgBoxResult::Yes) return Unload();
    }
    // The list is rewritten whole, so a last line without its line end gets one.
    text = RemoveSavedDesign(text, name);
    if (!runtime::ReplaceFile(DesignPath, text + name + "~" + address + "\r\n"))
        application().backend().dialogs().messageBox("Fatal Error!! File access denied!",
                                                     runtime::MsgBoxButtons::OK,
                                                     runtime::MsgBoxIcon::Critical, "");
    Unload();
}

void frmSaveDesign::cmdCancel_Click() {
    Unload();
}

void frmSaveDesign::LabelClose_Click() {
    Unload();
}

void frmSaveDesign::Text1_KeyPress(int& KeyAscii) {
    if (KeyAscii != 13) return;
    const std::string& text = Text1.Text();
    if (text.find_first_not_of(' ') == std::string::npos) return;
    KeyAscii = 0;
    cmdSave_Click();
}

}  // namespace quillo
