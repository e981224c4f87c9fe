#include "designs/frmMBrowser.h"

#include "designs/frmSaveDesign.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

constexpr int kPictureCount = 6;
constexpr int kKeyN = 78;

}  // namespace

frmMBrowser::frmMBrowser()
    : Form("frmMBrowser"),
      webView(add<runtime::WebBrowser>("webView")),
      webDummy(add<runtime::WebBrowser>("webDummy")),
      cmbUrl(add<runtime::ComboBox>("cmbUrl")),
      lblStatusBar(add<runtime::Label>("lblStatusBar")),
      imgBack(add<runtime::Image>("imgBack")),
      imgFoward(add<runtime::Image>("imgFoward")),
      imgHome(add<runtime::Image>("imgHome")),
      imgRefresh(add<runtime::Image>("imgRefresh")),
      imgStop(add<runtime::Image>("imgStop")),
      chkKeyGuard(add<runtime::CheckBox>("chkKeyGuard")),
      tmrFormTimer(add<runtime::Timer>("tmrFormTimer")),
      tmrHTMLCapture(add<runtime::Timer>("tmrHTMLCapture")),
      InetArchon(*this, "InetArchon", this),
      mnuQuitPopUp(add<runtime::Menu>("mnuQuitPopUp")),
      mnuOpen(add<runtime::Menu>("mnuOpen", &mnuQuitPopUp)),
      mnuSaveDesign(add<runtime::Menu>("mnuSaveDesign", &mnuQuitPopUp)),
      mnuMinimize(add<runtime::Menu>("mnuMinimize", &mnuQuitPopUp)),
      mnuSpace1(add<runtime::Menu>("mnuSpace1", &mnuQuitPopUp)),
      mnuClose(add<runtime::Menu>("mnuClose", &mnuQuitPopUp)) {
    setCaption("QVX Transformation");
    // A combo box is as tall as its font makes it; a design places it and gives its width.
    cmbUrl.setHeight(315);
    // The page of the first new window loads here unseen and unheard.
    webDummy.setVisible(false);
    webDummy.setMuted(true);
    wireControls();
    wireBrowser();
    wireMenu();
}

void frmMBrowser::wireControls() {
    Load = [this] { Form_Load(); };
    Unloading = [this] { Form_Unload(); };
    KeyDown = [this](int& keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    KeyUp = [this](int& keyCode, int shift) { Form_KeyUp(keyCode, shift); };
    MouseDown = [this](int button, int, double, double) { Form_MouseDown(button); };
    DblClick = [this] { Form_DblClick(); };
    tmrFormTimer.Tick = [this] { tmrFormTimer_Timer(); };
    tmrHTMLCapture.Tick = [this] { tmrHTMLCapture_Timer(); };
    cmbUrl.KeyPress = [this](int& keyAscii) { cmbUrl_KeyPress(keyAscii); };
    for (runtime::Image* button : {&imgBack, &imgFoward, &imgRefresh, &imgStop})
        button->MouseDown = [this, button](int, int, double, double) { PressedLook(*button); };
    imgBack.MouseUp = [this](int, int, double, double) { imgBack_MouseUp(); };
    imgFoward.MouseUp = [this](int, int, double, double) { imgFoward_MouseUp(); };
    imgRefresh.MouseUp = [this](int, int, double, double) { imgRefresh_MouseUp(); };
    imgStop.MouseUp = [this](int, int, double, double) { imgStop_MouseUp(); };
}

void frmMBrowser::wireMenu() {
    mnuQuitPopUp.setCaption("QuitMenu");
    mnuQuitPopUp.setVisible(false);
    mnuOpen.setCaption("Open New Window");
    mnuSaveDesign.setCaption("Save Design");
    mnuMinimize.setCaption("Minimize Window");
    mnuSpace1.setCaption("-");
    mnuClose.setCaption("Close");
    mnuOpen.Click = [this] { mnuOpen_Click(); };
    mnuSaveDesign.Click = [this] { mnuSaveDesign_Click(); };
    mnuMinimize.Click = [this] { mnuMinimize_Click(); };
    mnuClose.Click = [this] { mnuClose_Click(); };
}

void frmMBrowser::Form_Load() {
    const std::string& path = application().App().Path;
    runtime::mciSendString("Open \"" + path + "/qvxLaunch.wav\" TYPE WAVEAUDIO ALIAS Launching");
    runtime::mciSendString("Open \"" + path + "/qvxCancel.wav\" TYPE WAVEAUDIO ALIAS Canceling");
    if (const form1* main = application().loadedForm<form1>()) {
        setLeft(main->Left() + main->Width() / 2 - Width() / 2);
        setTop(main->Top() + main->Height() / 2 - Height() / 2);
    }
    setKeyPreview(true);
    webView.setVisible(false);
    PendingDownloads = 0;
    HostKey.clear();
    tmrFormTimer.setEnabled(false);
    tmrFormTimer.setInterval(500);
    tmrHTMLCapture.setEnabled(false);
    tmrHTMLCapture.setInterval(1000);
    for (int index = 1; index <= kPictureCount; ++index) {
        runtime::Inet& transfer = InetArchon.Load(index);
        transfer.StateChanged = [this, index](int state) {
            InetArchon_StateChanged(index, static_cast<std::int16_t>(state));
        };
    }
    MakeCacheFolder(CacheRoot());
    for (runtime::Image* image : {&imgBack, &imgFoward, &imgHome, &imgRefresh, &imgStop})
        image->setStretch(true);
    ClearDesign();
    imgBack.setEnabled(false);
    imgFoward.setEnabled(false);
    // Out of sight, yet it can hold the focus.
    const runtime::Screen& screen = application().screen();
    chkKeyGuard.Move(-screen.Width, -screen.Height);
    chkKeyGuard.setValue(0);
}

void frmMBrowser::Form_Unload() {
    runtime::mciSendString("Close Launching");
    runtime::mciSendString("Close Canceling");
}

void frmMBrowser::Form_KeyDown(int& KeyCode, int Shift) {
    if (KeyCode == kKeyN && Shift == runtime::vbCtrlMask) {
        chkKeyGuard.setValue(1);
        KeyCode = 0;
    }
    if (chkKeyGuard.Value() == 1) KeyCode = 0;
}

void frmMBrowser::Form_KeyUp(int& KeyCode, int) {
    if (chkKeyGuard.Value() != 1) return;
    KeyCode = 0;
    chkKeyGuard.setValue(0);
}

void frmMBrowser::Form_MouseDown(int Button) {
    if (Button == runtime::vbRightButton) return PopupMenu(mnuQuitPopUp);
    // Only an outlined window is moved by its surface.
    if (Shaped) application().backend().windows().startSystemMove(*this);
}

void frmMBrowser::Form_DblClick() {
    if (getWindowState() != runtime::WindowState::Minimized) MinimizeWindow(*this);
}

void frmMBrowser::mnuOpen_Click() {
    StartProgramCopy();
}

void frmMBrowser::mnuSaveDesign_Click() {
    frmSaveDesign& dialog = application().form<frmSaveDesign>();
    dialog.setWidth(PixelsToTwips(336));
    dialog.setHeight(PixelsToTwips(108));
    dialog.setLeft(Left() + Width() / 2 - dialog.Width() / 2);
    dialog.setTop(Top() + Height() / 2 - dialog.Height() / 2);
    MoveInPixels(dialog.Text1, 40, 40, 265, 15);
    MoveInPixels(dialog.LabelClose, 310, 4, 17, 17);
    MoveInPixels(dialog.cmdCancel, 160, 72, 65, 25);
    MoveInPixels(dialog.cmdSave, 240, 72, 65, 25);
    dialog.setTag(Tag());
    dialog.Show();
    application().backend().windows().setTopmost(dialog, true);
}

void frmMBrowser::mnuMinimize_Click() {
    if (getWindowState() != runtime::WindowState::Minimized) MinimizeWindow(*this);
}

void frmMBrowser::mnuClose_Click() {
    Unload();
}

}  // namespace quillo
