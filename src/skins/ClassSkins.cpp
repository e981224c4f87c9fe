#include "skins/ClassSkins.h"

#include <filesystem>
#include <system_error>

#include "runtime/Application.h"
#include "runtime/CommonDialog.h"
#include "runtime/Form.h"
#include "runtime/ListBox.h"
#include "runtime/PathResolver.h"
#include "runtime/TextBox.h"
#include "shared/MessageBox.h"
#include "shared/ModuleFucns.h"
#include "shared/ModuleLanguage.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormGauge.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinAside.h"
#include "skins/SkinNames.h"

namespace quillo {

using namespace runtime;

namespace {

constexpr int kDescriptorFields = 21;
const std::string kDefaultSkin = "Quillo";

std::string lowerCase(const std::string& text) {
    return LowerAscii(text);
}

template <class T>
T* controlOf(Form& form, const std::string& name) {
    return dynamic_cast<T*>(form.findControl(name));
}

void setNameBox(Form& form, const std::string& name) {
    if (auto* box = controlOf<TextBox>(form, "TextBoxSkinName")) box->setText(name);
}

}  // namespace

ClassSkins::ClassSkins(Surroundings surroundings) : around_(std::move(surroundings)) {}

std::string ClassSkins::programFolder() const {
    return app().App().Path;
}

FormGauge* ClassSkins::gauge() const {
    if (!Gauge || gaugeAlive_.expired() || !Gauge->loaded()) return nullptr;
    return Gauge;
}

void ClassSkins::showMessage(const std::string& text) {
    if (auto* box = controlOf<MessageBox>(around_.mainWindow(), "MessageBox1")) box->show(text);
}

void ClassSkins::putSkinAsideBack() {
    SkinAside(programFolder() + "/skins/").putBack();
}

void ClassSkins::CallFromBrowserInit(Form& form1, const std::string& ThemeName) {
    putSkinAsideBack();
    std::string theme = ThemeName;
    for (int attempt = 0; attempt < 2; ++attempt) {
        bool listRead = FileIO("GetBinary", programFolder() + "/skinlib.txt", SkinLibText);
        // The default skin lists itself when the list is gone, rather than failing as well.
        if (!listRead && attempt > 0) {
            SkinLibText.clear();
            listRead = true;
        }
        if (listRead && LoadTheme(theme)) {
            UploadPicturesToBrowser(form1);
            return;
        }
        if (attempt > 0) return;
        showMessage(MsgSkinLoadFailed);
        std::string current = "<" + kDefaultSkin + ">";
        FileIO("Write", programFolder() + "/rn418.ini", current);
        theme = programFolder() + "/skins/" + kDefaultSkin + "/" + kDefaultSkin + ".tz3";
    }
}

void ClassSkins::Init(Form& SourceForm) {
    if (FormGauge* previous = gauge()) previous->Unload();
    Gauge = &app().newForm<FormGauge>();
    gaugeAlive_ = Gauge->lifetime();

    FileIO("GetBinary", programFolder() + "/skinlib.txt", SkinLibText);
    SkinLibText = WithoutLineBreaks(SkinLibText);
    SkinNames = SkinListEntries(SkinLibText);

    Form& saveAs = runtime::form<FormSaveAs>();
    auto* own = controlOf<ListBox>(SourceForm, "ListSkins");
    auto* saveAsList = &SourceForm == &saveAs ? nullptr : controlOf<ListBox>(saveAs, "ListSkins");
    for (ListBox* list : {own, saveAsList})
        if (list) list->Clear();
    for (std::string entry : SkinNames) {
        if (entry.empty()) continue;
        CapitalizeFirst(entry);
        for (ListBox* list : {own, saveAsList})
            if (list) list->AddItem(entry);
    }
    SourceForm.Refresh();
}

void ClassSkins::ProcessListClick(Form& SourceForm) {
    auto* list = controlOf<ListBox>(SourceForm, "ListSkins");
    if (!list) return;
    ListSelection = list->ListIndex();
    if (ListSelection < 0 || ListSelection >= list->ListCount()) return;
    setNameBox(SourceForm, list->List(ListSelection));
}

bool ClassSkins::writeSkinList() {
    return FileIO("Write", programFolder() + "/skinlib.txt", SkinLibText);
}

bool ClassSkins::LoadTheme(std::string Filename) {
    if (!FileIO("GetBinary", Filename, ThemeText)) return false;
    ThemeFields = ExtractAll("<", ">", "Insensitive", "Exclusive", "Closest", ThemeText);
    // 21 fields and the empty tail that ExtractAll adds.
    if (ThemeFields.size() != kDescriptorFields + 1) {
        showMessage(MsgBadThemeFile);
        return false;
    }
    std::string name = GetFileTitle(Filename);
    if (!IsSafeSkinName(name)) return false;
    // The list on disk decides: the other engine instance may have changed it meanwhile, and a
    // list never read would otherwise be written back with this one name alone.
    FileIO("GetBinary", programFolder() + "/skinlib.txt", SkinLibText);
    if (!SkinListed(SkinLibText, name)) {
        CapitalizeFirst(name);
        SkinLibText = WithoutLineBreaks(SkinLibText + name + kSkinEntryEnd);
        if (!writeSkinList()) return false;
    }
    // Writing the name boxes loads these windows, hidden, when they are not loaded yet.
    runtime::form<FormLoading>().TextBoxSkinName.setText(name);
    runtime::form<FormSaveAs>().TextBoxSkinName.setText(name);
    runtime::form<FormDesignEdit>().TextBoxSkinName.setText(name);
    Init(runtime::form<FormLoading>());
    return true;
}

void ClassSkins::ProcessPictureLoad_Click(Form& FormLoading) {
    auto* dialog = controlOf<CommonDialog>(FormLoading, "CommonDialog1");
    if (!dialog) return;
    putSkinAsideBack();
    dialog->setInitDir(programFolder() + "/skins/");
    dialog->setFileName("*.tz3");
    dialog->ShowOpen();
    ImportFileName = dialog->FileName();
    if (ImportFileName.empty()) return;
    if (!LoadTheme(ImportFileName)) return;

    const std::string title = GetFileTitle(ImportFileName);
    // The default skin's descriptor is never replaced, and a descriptor chosen inside its own
    // skin folder is already where the copy would go.
    if (lowerCase(title) == lowerCase(kDefaultSkin)) return;
    const std::string target = programFolder() + "/skins/" + title + "/" + title + ".tz3";
    std::error_code error;
    if (std::filesystem::equivalent(ResolvePath(ImportFileName), ResolvePath(target), error))
        return;
    FileIO("Write", target, ThemeText);
}

void ClassSkins::ProcessPictureUploadClick(Form& FormLoading, Form& form1) {
    auto* box = controlOf<TextBox>(FormLoading, "TextBoxSkinName");
    if (!box) return;
    const std::string name = box->Text();
    if (!IsSafeSkinName(name)) return;
    putSkinAsideBack();
    if (!LoadTheme(programFolder() + "/skins/" + name + "/" + name + ".tz3")) return;
    std::string current = "<" + name + ">";
    FileIO("Write", programFolder() + "/RN418.ini", current);
    FormLoading.Refresh();
    UploadPicturesToBrowser(form1);
}

}  // namespace quillo
