#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "designs/MorphingFunctions.h"
#include "runtime/CheckBox.h"
#include "runtime/ComboBox.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Inet.h"
#include "runtime/Label.h"
#include "runtime/Menu.h"
#include "runtime/Services.h"
#include "runtime/Timer.h"
#include "runtime/WebBrowser.h"

namespace quillo {

// A design window: a second browser window dressed in the design that a page carries in its
// comments. A new one is made for every design; it stays hidden until its design is applied.
class frmMBrowser : public runtime::Form {
  public:
    frmMBrowser();

    void Form_Load();
    void Form_Unload();

    // The keyboard guard: Ctrl+N and every key pressed before the next release never reach the
    // window's controls or its page; the next release ends the guard.
    void Form_KeyDown(int& KeyCode, int Shift);
    void Form_KeyUp(int& KeyCode, int Shift);
    // The right button pops up the window's menu at the mouse; any other button drags a shaped
    // window by its surface. A double click minimizes the window.
    void Form_MouseDown(int Button);
    void Form_DblClick();

    // The picture buttons: pressed look on the press; on the release the normal look, then the
    // browser goes back, forward, reloads or stops. The home button does nothing.
    void imgBack_MouseUp();
    void imgFoward_MouseUp();
    void imgRefresh_MouseUp();
    void imgStop_MouseUp();
    // The button 2 px further in on every side, or back at its place in the design (its Tag);
    // a button without a place in the design stays where it is.
    void PressedLook(runtime::Image& Button);
    void NormalLook(runtime::Image& Button);

    // Enter browses to the typed address without its scheme and keeps it in the box's list;
    // printable keys complete the text from the list.
    void cmbUrl_KeyPress(int& KeyAscii);

    // The page road of the window's browser: the address box follows the navigations, every
    // completed document is filtered, a designed page opens a further design window, the first
    // new window a page asks for goes to the hidden browser and every later one is refused.
    void webView_BeforeNavigate2(const std::string& URL, bool& Cancel);
    void webView_CommandStateChange(int Command, bool Enable);
    void webView_DocumentComplete(const runtime::BrowserObject& pDisp);
    void webView_NewWindow2(runtime::BrowserObject& ppDisp, bool& Cancel);
    void webView_ProgressChange(std::int32_t Progress, std::int32_t ProgressMax);
    void webView_StatusTextChange(const std::string& Text);
    // Polls the loading page once it is interactive: a forbidden text is blocked; the polling
    // ends with the first text found. It never opens a design window.
    void tmrHTMLCapture_Timer();

    void mnuOpen_Click();
    void mnuSaveDesign_Click();
    void mnuMinimize_Click();
    void mnuClose_Click();

    // Takes the design text of the page at URL (the window's Tag holds URL already): derives the
    // cache keys from URL, reads the records into the slots, validates them and applies the
    // design. A refused address closes the window silently, an invalid design with the cancel
    // sound; Outcome tells how far the design came.
    void MorphFromPage(const std::string& PageText, const std::string& URL);
    // Lays the window out, keeps the design text in the cache and fetches the pictures.
    void ApplyDesignAndDownload(const std::string& PageText);
    void InetArchon_StateChanged(int Index, std::int16_t State);
    // Reopens a saved design from the cache alone, downloading nothing; its Save Design entry is
    // greyed, the design being saved already.
    void LoadDesignFromCache(const std::string& URL);
    void ApplyCachedDesign();
    void tmrFormTimer_Timer();

    // The slots and the counter of this window's design.
    bool ValidateDesign();
    void ClearDesign();

    // Where this window's design lives in the cache.
    std::string CacheRoot() const;
    std::string HostFolder() const;
    std::string PageFolder() const;
    std::string ScriptFile() const;
    std::string PictureFile(int Index) const;

    enum class DesignOutcome { None, AddressRefused, Invalid, Valid };

    runtime::WebBrowser& webView;
    // Takes the first new window a page asks for; never shown, muted.
    runtime::WebBrowser& webDummy;
    runtime::ComboBox& cmbUrl;
    runtime::Label& lblStatusBar;
    runtime::Image& imgBack;
    runtime::Image& imgFoward;
    runtime::Image& imgHome;
    runtime::Image& imgRefresh;
    runtime::Image& imgStop;
    runtime::CheckBox& chkKeyGuard;
    runtime::Timer& tmrFormTimer;
    runtime::Timer& tmrHTMLCapture;
    runtime::ControlArray<runtime::Inet> InetArchon;
    // The right-click menu, kept out of the menu bar: a shaped window shows none.
    runtime::Menu& mnuQuitPopUp;
    runtime::Menu& mnuOpen;
    runtime::Menu& mnuSaveDesign;
    runtime::Menu& mnuMinimize;
    runtime::Menu& mnuSpace1;
    runtime::Menu& mnuClose;

    // The design text received.
    std::string DesignText;
    DesignSlots Design;
    std::string HostKey;
    std::string PageKey;
    // Pictures still to arrive before the design can be shown.
    std::int16_t PendingDownloads = 0;
    DesignOutcome Outcome = DesignOutcome::None;
    // The window has an outline and is dragged by its surface.
    bool Shaped = false;
    // A page of this window has asked for a new window before.
    bool NewWindowRequested = false;
    // The list entry the address box completed to last; "" when none.
    std::string Suggestion;

  private:
    void wireControls();
    void wireBrowser();
    void wireMenu();
    // Places the window and its elements by the records and collects the picture addresses;
    // false when a field is missing, no number, or too large once in twips.
    bool LayoutDesign();
    // The picture button of image index 2..6.
    runtime::Image& pictureButton(int Index);
    void cancel();
    void failWithMessage(const std::string& Text, runtime::MsgBoxIcon Icon);

    // Image index 1..6 to its address; index 0 unused.
    std::array<std::string, 7> imageAddress_;
};

}  // namespace quillo
