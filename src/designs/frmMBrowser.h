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

    // Takes the design text of the page at URL (the window's Tag holds URL already): derives the
    // cache keys from URL, reads the records into the slots, validates them and applies the
    // design. A refused address closes the window silently, an invalid design with the cancel
    // sound; Outcome tells how far the design came.
    void MorphFromPage(const std::string& PageText, const std::string& URL);
    // Lays the window out, keeps the design text in the cache and fetches the pictures.
    void ApplyDesignAndDownload(const std::string& PageText);
    void InetArchon_StateChanged(int Index, std::int16_t State);
    // Reopens a saved design from the cache alone, downloading nothing.
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
    runtime::ComboBox& cmbUrl;
    runtime::Label& lblStatusBar;
    runtime::Image& imgBack;
    runtime::Image& imgFoward;
    runtime::Image& imgHome;
    runtime::Image& imgRefresh;
    runtime::Image& imgStop;
    runtime::CheckBox& chkKeyGuard;
    runtime::Timer& tmrFormTimer;
    runtime::ControlArray<runtime::Inet> InetArchon;

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
    // Opened from the saved-design list: the design is already saved.
    bool SaveDesignEnabled = true;

  private:
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
