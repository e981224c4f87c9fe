#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/BrowserObject.h"
#include "runtime/ComboBox.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"
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
    runtime::Image& PictureBack = add<runtime::Image>("PictureBack", &FrameDashBoard);
    runtime::Image& PictureNext = add<runtime::Image>("PictureNext", &FrameDashBoard);
    runtime::Image& PictureReload = add<runtime::Image>("PictureReload", &FrameDashBoard);
    runtime::Image& PictureStop = add<runtime::Image>("PictureStop", &FrameDashBoard);
    runtime::Image& PictureHome = add<runtime::Image>("PictureHome", &FrameDashBoard);
    runtime::Image& PictureMail = add<runtime::Image>("PictureMail", &FrameDashBoard);
    runtime::Label& LabelStatusBarMain = add<runtime::Label>("LabelStatusBarMain", &FrameDashBoard);
    runtime::Label& LabelStatusBarMini = add<runtime::Label>("LabelStatusBarMini", &FrameDashBoard);

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
    // The skinned message box through which the skin engine reports and asks.
    MessageBox& MessageBox1 = add<MessageBox>("MessageBox1");

    // The main window's skin engine, for its whole life.
    std::unique_ptr<ClassSkins> Skins;
    TypedUrlRecord TypedUrl;
    // The corner animation: the gate (no animation in the last 3 seconds) and the clip to play.
    bool AnimationReady = false;
    std::int16_t AnimationCode = 0;

    void Form_Initialize();
    void Form_Load();
    void Form_Resize();
    void Form_KeyDown(int& KeyCode, int Shift);
    void Form_Unload();
    void Timer1_Timer();
    void Timer2_Timer();
    void PictureWS02_Click();

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

    // Set by the page's BeforeNavigate2: tells Enter whether its Navigate began a navigation.
    bool pageNavigationBegan_ = false;
};

}  // namespace quillo
