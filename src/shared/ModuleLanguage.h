#pragma once

#include <string>
#include <vector>

namespace quillo {

// The interface language: texts and dialog bitmaps read once at start-up from the language
// folder that "language.ini" names, beside the layout metrics. Everything stays as loaded for
// the rest of the run.

extern std::string HomePage;  // read by the main window's start-up, not by the loader
extern std::string LangName;  // the language folder's name: all of "language.ini"
extern std::vector<std::string> LanguageItems;  // "LanguageText.txt" split at every ">"
extern std::string LanguageFileText;
extern std::vector<std::string> MessageItems;  // "MessageText.txt" split at every ">"
extern std::string MessageFileText;

// Menu texts, items 0 to 9 of "LanguageText.txt"; the program menu dispatches on them.
extern std::string LangText0;
extern std::string MenuNewWindow;
extern std::string MenuMorphOn;
extern std::string MenuMorphOff;
extern std::string MenuLoadDesign;
extern std::string MenuDesignEdit;
extern std::string MenuSkins;
extern std::string MenuHomePage;
extern std::string MenuAbout;
extern std::string MenuExit;

// Message texts, items 0 to 13 of "MessageText.txt".
extern std::string MsgSkinLoadFailed;
extern std::string MsgBadThemeFile;
extern std::string MsgNoSkinName;
extern std::string MsgDefaultSkinSave;
extern std::string MsgConfirmSave;
extern std::string MsgDefaultSkinRemove;
extern std::string MsgRemoveFailed;
extern std::string MsgDefaultSkinRename;
extern std::string MsgConfirmRename1;
extern std::string MsgConfirmRename2;
extern std::string MsgRenameFailed;
extern std::string MsgLibraryAddFailed;
extern std::string MsgLibraryItemFailed;
extern std::string MsgSaveFailed;

// The pieces of text between the ">" signs: "A>B" gives "A" and "B", "A>" gives "A" and "".
// Nothing is trimmed, so line ends stay in their item.
std::vector<std::string> SplitLanguageItems(const std::string& text);

// Loads the language pack: the folder name, the menu and message texts, the program menu's
// captions, the bitmaps of the tool windows and dialogs (which loads them, hidden, in a fixed
// order), the layout metrics, and the loaded main window's controls at their fixed places. A
// missing file, item or bitmap leaves its text empty or its window without a picture; the
// loader goes on.
void LoadLanguage();

}  // namespace quillo
