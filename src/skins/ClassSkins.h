#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/Picture.h"

namespace quillo {

namespace runtime {
class Form;
class Image;
class PictureBox;
}  // namespace runtime

class FormGauge;

// The skin engine: it keeps the skin list (skinlib.txt), reads and checks skin descriptors
// (skins/<Name>/<Name>.tz3, 21 "<value>" fields), fills the skin windows' lists and dresses the
// main window in a skin while its gauge shows the progress. Every control it touches is found by
// name on the window it is given.
class ClassSkins {
  public:
    // The main window as the engine reaches it from anywhere: form1, whose MessageBox1 shows
    // the engine's messages and whose Tag is the media alias of the corner clips; and the main
    // window's layout, run after a skin is applied. The skin windows, the language pack's
    // messages and the media commands it reaches directly.
    struct Surroundings {
        std::function<runtime::Form&()> mainWindow;
        std::function<void(runtime::Form&)> ArrangeMainWindow;
    };

    explicit ClassSkins(Surroundings surroundings);

    // Start-up: puts a skin folder that a save left aside back in its empty place (SkinAside),
    // then loads and applies the descriptor ThemeName. A skin list or descriptor that fails
    // gives MsgSkinLoadFailed, names the default skin Quillo in rn418.ini and loads that instead,
    // once; a missing skin list does not stop the default skin.
    void CallFromBrowserInit(runtime::Form& form1, const std::string& ThemeName);
    // Makes a new gauge (closing the previous one) and fills the ListSkins of SourceForm and of
    // the save-as window from skinlib.txt, capitalised, without empty entries.
    void Init(runtime::Form& SourceForm);
    // Copies the clicked entry of SourceForm's ListSkins into its TextBoxSkinName.
    void ProcessListClick(runtime::Form& SourceForm);
    // The skin manager's import: with a skin folder left aside back, a descriptor chosen in its
    // open dialog is checked and listed, and its text copied into the skin folder of the same
    // name when that folder exists.
    void ProcessPictureLoad_Click(runtime::Form& FormLoading);
    // Reads and checks a descriptor into ThemeFields; lists a new name; writes the name into the
    // skin windows' name boxes and refills their lists. False for a missing file (silently) or a
    // descriptor without exactly 21 fields (with MsgBadThemeFile).
    bool LoadTheme(std::string Filename);
    // The skin manager's "Change To Selected Theme": with a skin folder left aside back, loads
    // the named skin, makes it the current skin in rn418.ini and applies it to form1.
    void ProcessPictureUploadClick(runtime::Form& FormLoading, runtime::Form& form1);
    // Applies ThemeFields, as the last successful LoadTheme left them, to form1.
    void UploadPicturesToBrowser(runtime::Form& form1);
    // Saves form1's current looks under the name in SourceForm's TextBoxSkinName (trimmed there),
    // after the name checks and a YES to MsgConfirmSave. A name with "." or that cannot be a
    // folder name stops without a message; empty and the default name stop with theirs.
    void ProcessPictureSaveClick(runtime::Form& SourceForm, runtime::Form& form1);
    // Writes the skin Filename (made its file title) from form1, once a skin folder left aside
    // is back: every file a Tag names and the descriptor go into a fresh temporary folder that
    // then takes the place of the skin folder; the descriptor is loaded and rn418.ini names the
    // skin. A Tag naming no file, or any step that fails, ends the save with MsgSaveFailed; the
    // old skin is then whole and nothing else written.
    void SavingTheme(runtime::Form& form1, std::string& Filename);
    // Takes the skin in SourceForm's name box off skinlib.txt (its folder stays) and refills the
    // lists with the last entry selected; MsgRemoveFailed when the list cannot be written.
    void ProcessPictureRemove_Click(runtime::Form& SourceForm);
    // The pressed look of a skin window's picture button: the picture drawn two pixels in on
    // every side. The pressed state is kept here, never in the Tag.
    void IndentButton(runtime::PictureBox& Picture1);
    // Gives the pressed button its picture back; a button that is not pressed stays as it is.
    void UnindentButton(runtime::PictureBox& Picture1);
    // Renames the skin selected in SourceForm's ListSkins to the name in its name box, after a
    // YES to the rename question and with a skin folder left aside back: folder, descriptor and
    // list entry. MsgRenameFailed when a step fails or a name cannot be a folder name.
    void Rename(runtime::Form& SourceForm);

  private:
    // Paint a picture file of the skin folder onto a strip or into a button. FileName becomes
    // the full path, which the control's Tag then holds; a file that cannot be loaded leaves a
    // strip blank and a button as it was.
    void PaintSkinPicture(runtime::PictureBox& Box, std::string& FileName);
    void LoadSkinImage(runtime::Image& Button, std::string& FileName);
    void UpdateGauge(int Percent);
    // Creates the folder FolderName in the skins folder; an existing one is kept.
    bool MakeSkinFolder(const std::string& FolderName);
    // Fills a fresh temporary folder with the skin's files and descriptor; false on a failure.
    bool gatherSkin(runtime::Form& form1, const std::string& clipName, const std::string& Filename);
    // Puts the temporary folder in the place of the skin folder Filename. The old folder waits
    // aside and goes only once the new one has taken its name; it goes back when that failed,
    // and waits for the next save or start-up when it cannot. False, changing nothing, when a
    // skin already waiting aside keeps the old folder from moving.
    bool replaceSkinFolder(const std::string& Filename);

    // A skin folder that a save could not finish with goes back in its place (SkinAside), so
    // that whatever reads the skin store finds it.
    void putSkinAsideBack();
    std::string programFolder() const;
    std::string skinFile(const std::string& field) const;
    FormGauge* gauge() const;
    void showMessage(const std::string& text);
    // A YES/NO question; true only for a click on YES.
    bool confirmed(const std::string& question);
    bool writeSkinList();
    void applyColours(runtime::Form& form1);
    void applyPictures(runtime::Form& form1);
    void applyBottomLeft(runtime::Form& form1, bool clip);
    void restartPreview();
    void openStripClip(runtime::Form& form1, runtime::PictureBox& strip, const std::string& file);

    Surroundings around_;
    FormGauge* Gauge = nullptr;
    std::weak_ptr<const void> gaugeAlive_;
    std::string SkinLibText;
    std::string ThemeText;
    std::vector<std::string> SkinNames;
    std::string ImportFileName;
    std::vector<std::string> ThemeFields;
    std::string NewThemeText;
    int ListSelection = 0;
    runtime::Picture KeptPicture;
    // The one skin-window button showing its pressed look, and whether it still exists.
    runtime::PictureBox* IndentedBox = nullptr;
    std::weak_ptr<const void> indentedAlive_;
};

}  // namespace quillo
