#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "runtime/BrowserObject.h"
#include "runtime/ComboBox.h"
#include "runtime/CommonDialog.h"
#include "runtime/DirListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"
#include "runtime/PopupMenu.h"
#include "runtime/SysInfo.h"
#include "runtime/Timer.h"
#include "runtime/WebBrowser.h"
#include "shared/MessageBox.h"

namespace quillo {

class ClassSkins;

// An address typed and confirmed with Enter, waiting for its navigation to put it into the
// history: Pending from Enter until that navigation completes, Url the address without
// "http://" (empty for other schemes).
struct TypedUrlRecord {
    bool Pending = false;
    std::string Url;
};

// The main browser window: borderless, made of picture buttons and strips, with the address bar,
// the main page view WebBrowser2 and the side pane WebBrowser1.
class form1 : public runtime::Form {
  public:
    form1();
    ~form1() override;

    runtime::Label& Label1 = add<runtime::Label>("Label1");
    runtime::Line& LineRight = add<runtime::Line>("LineRight");
    runtime::Line& LineBottom = add<runtime::Line>("LineBottom");

    runtime::Frame& FrameTitleBar = add<runtime::Frame>("FrameTitleBar");
    runtime::Image& PictureTitleBar = add<runtime::Image>("PictureTitleBar", &FrameTitleBar);
    runtime::Image& PictureIcon = add<runtime::Image>("PictureIcon", &FrameTitleBar);
    runtime::Image& PictureTitle = add<runtime::Image>("PictureTitle", &FrameTitleBar);
    runtime::Image& PictureWS01 = add<runtime::Image>("PictureWS01", &FrameTitleBar);
    runtime::Image& PictureWS02 = add<runtime::Image>("PictureWS02", &FrameTitleBar);
    runtime::Image& PictureClose = add<runtime::Image>("PictureClose", &FrameTitleBar);

    runtime::Frame& FrameDashBoard = add<runtime::Frame>("FrameDashBoard");
    runtime::PictureBox& PictureBottomLeft =
        add<runtime::PictureBox>("PictureBottomLeft", &FrameDashBoard);
    runtime::PictureBox& PictureBottomCenter =
        add<runtime::PictureBox>("PictureBottomCenter", &FrameDashBoard);
    runtime::PictureBox& PictureBottomRight =
        add<runtime::PictureBox>("PictureBottomRight", &FrameDashBoard);
    runtime::Image& PictureHideShow = add<runtime::Image>("PictureHideShow", &FrameDashBoard);
    runtime::Image& PictureURL = add<runtime::Image>("PictureURL", &FrameDashBoard);
    runtime::ComboBox& ComboURL = add<runtime::ComboBox>("ComboURL", &FrameDashBoard);
    runtime::Image& PictureBookmark = add<runtime::Image>("PictureBookmark", &FrameDashBoard);
    // The navigation buttons and the progress text lie on the right strip and move with it; the
    // status text lies on the centre strip and takes its width.
    runtime::Image& PictureBack = add<runtime::Image>("PictureBack", &PictureBottomRight);
    runtime::Image& PictureNext = add<runtime::Image>("PictureNext", &PictureBottomRight);
    runtime::Image& PictureReload = add<runtime::Image>("PictureReload", &PictureBottomRight);
    runtime::Image& PictureStop = add<runtime::Image>("PictureStop", &PictureBottomRight);
    runtime::Image& PictureHome = add<runtime::Image>("PictureHome", &PictureBottomRight);
    runtime::Image& PictureMail = add<runtime::Image>("PictureMail", &PictureBottomRight);
    runtime::Label& LabelStatusBarMain =
        add<runtime::Label>("LabelStatusBarMain", &PictureBottomCenter);
    runtime::Label& LabelStatusBarMini =
        add<runtime::Label>("LabelStatusBarMini", &PictureBottomRight);

    runtime::WebBrowser& WebBrowser1 = add<runtime::WebBrowser>("WebBrowser1");
    runtime::WebBrowser& WebBrowser2 = add<runtime::WebBrowser>("WebBrowser2");

    // Start-up: disabled and without interval until the end of Form_Load, then fires once.
    runtime::Timer& Timer1 = add<runtime::Timer>("Timer1");
    // The corner-animation trigger.
    runtime::Timer& Timer2 = add<runtime::Timer>("Timer2");
    runtime::Timer& TimerAnimationLength = add<runtime::Timer>("TimerAnimationLength");
    // Polls the loading page's text.
    runtime::Timer& tmrHTMLCapture = add<runtime::Timer>("tmrHTMLCapture");
    runtime::SysInfo& SysInfo1 = add<runtime::SysInfo>("SysInfo1");
    // Never shown: its lists only read the favorites folders for the favorites menu.
    runtime::PictureBox& FavoriteMenuContainer = add<runtime::PictureBox>("FavoriteMenuContainer");
    runtime::DirListBox& DirMain = add<runtime::DirListBox>("DirMain", &FavoriteMenuContainer);
    runtime::DirListBox& DirSub = add<runtime::DirListBox>("DirSub", &FavoriteMenuContainer);
    runtime::DirListBox& DirCheck = add<runtime::DirListBox>("DirCheck", &FavoriteMenuContainer);
    runtime::FileListBox& flbFavorite =
        add<runtime::FileListBox>("flbFavorite", &FavoriteMenuContainer);
    // The skinned message box through which the skin engine reports and asks.
    MessageBox& MessageBox1 = add<MessageBox>("MessageBox1");
    // The colour dialog in which the skin editor picks the window's background colour.
    runtime::CommonDialog& CommonDialog1 = add<runtime::CommonDialog>("CommonDialog1");

    // The main window's skin engine, for its whole life.
    std::unique_ptr<ClassSkins> Skins;
    TypedUrlRecord TypedUrl;
    // The corner animation: the gate (no animation in the last 3 seconds) and the clip to play.
    bool AnimationReady = false;
    std::int16_t AnimationCode = 0;
    // The media alias of the corner strip's clips for this run: the window's Tag.
    const std::string& AnimationAlias() const { return Tag(); }
    // Opens a clip in the corner strip under the alias, fitted to the strip, and plays it once
    // from its start.
    void playClipInCorner(const std::string& file, const std::string& alias);
    // The edge zone under the mouse at its last move over the window's surface.
    std::string ResizeZone;
    // The picture buttons showing their pressed look; their Tags keep their pictures' paths.
    std::set<const runtime::Image*> IndentedButtons;
    // The favorites menu of the latest opening; shared so that an opening in progress keeps its
    // menu while a newer one replaces it.
    std::shared_ptr<runtime::PopupMenu> MenuFavorite;

    void Form_Initialize();
    void Form_Load();
    void Form_Resize();
    void Form_KeyDown(int& KeyCode, int Shift);
    void Form_Unload();
    void Timer1_Timer();
    // The corner animation: the trigger, and the end of one animation's 3 seconds.
    void Timer2_Timer();
    void TimerAnimationLength_Timer();

    // Window handling: the surface's edge band, the title, the title buttons.
    void Form_MouseMove(int Button, int Shift, double X, double Y);
    void Form_MouseDown(int Button, int Shift, double X, double Y);
    void PictureTitle_MouseDown();
    void PictureTitleBar_MouseDown();
    void PictureTitle_DblClick();
    void PictureTitleBar_DblClick();
    void PictureWS01_Click();
    void PictureWS02_Click();

    // The buttons.
    void PictureBack_Click();
    void PictureNext_Click();
    void PictureHome_Click();
    void PictureMail_Click();
    void PictureReload_Click();
    void PictureStop_Click();
    void PictureURL_Click();
    void PictureClose_Click();
    void PictureHideShow_Click();

    // The program menu.
    void PictureIcon_MouseDown(int Button, int Shift, double X, double Y);
    void PictureIcon_MouseMove(int Button, int Shift, double X, double Y);
    // The index of the widest menu item; on a tie the lower index.
    std::int16_t GetWidestMenuLabel();

    // The favorites menu: the folder tree below the Favorites folder, and the two dialogs.
    void PictureBookmark_Click();
    void BuildFavoriteMenu();
    void AddFavoriteFolders(std::int32_t Parent, const std::string& Folder);
    void AddFavoriteFiles(std::int32_t Parent, const std::string& Folder);
    void MenuFavorite_Click(std::int32_t ItemNumber);

    void ComboURL_KeyPress(int& KeyAscii);
    void ComboURL_Click();

    void WebBrowser2_BeforeNavigate2(const runtime::BrowserObject& pDisp, const std::string& URL,
                                     bool& Cancel);
    void WebBrowser2_CommandStateChange();
    void tmrHTMLCapture_Timer();
    void WebBrowser2_NavigateComplete2();
    void WebBrowser2_DocumentComplete(const runtime::BrowserObject& pDisp, const std::string& URL);
    void WebBrowser2_NewWindow2(runtime::BrowserObject& ppDisp);
    void WebBrowser1_NewWindow2(runtime::BrowserObject& ppDisp);
    void WebBrowser2_ProgressChange(std::int32_t Progress, std::int32_t ProgressMax);
    void WebBrowser2_StatusTextChange(const std::string& Text);

  private:
    void wireStartAndExit();
    void wireWindow();
    void wireButtons();
    void wireMenu();
    // Pictures and clips dropped on the buttons and strips (the editor's preview, or files from
    // other programs).
    void wireDrops();
    // The fifteen picture buttons, the title parts included.
    std::vector<runtime::Image*> pictureButtons();
    void wireFavorites();
    void setDesignLooks();
    void wireAnimation();
    // Plays clip AnimationCode of the program's numbered animations in the corner strip.
    void playNumberedAnimation();
    // Asks the corner strip for animation clip `code` at its next chance.
    void startAnimation(std::int16_t code);
    // The address bar shows the text, wholly selected.
    void showSelected(const std::string& text);
    void wireAddressBar();
    void wireBrowsers();
    void readHomePage();
    void readWindowSize();
    void readHistory();
    void writeWindowSize();
    void writeHistory();
    // Shows an address in the address bar, wholly selected; the bar takes the focus once
    // start-up is over.
    void showAddress(const std::string& URL);

    // The folders that AddFavoriteFolders is walking, outermost first, as the file system
    // names them: a folder that leads back to one of them is not walked again.
    std::vector<std::string> favoriteWalk_;
    // Set by the page's BeforeNavigate2: tells Enter whether its Navigate began a navigation.
    bool pageNavigationBegan_ = false;
};

}  // namespace quillo
