#include "designs/frmMBrowser.h"

#include <limits>
#include <vector>

#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/WholeFile.h"
#include "shared/mdiGraphicFunctions.h"
#include "shared/mdlFile.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

constexpr int kPictureCount = 6;
constexpr int kChunkSize = 2048;
constexpr const char* kScriptError = "Error updating the cache script!";
constexpr const char* kCacheImagesError =
    "Error in loading cache images, the files might be busy or missing from an incomplete download";

// A pixel field as twips that still fit the 16 bits a position is held in.
std::optional<std::int16_t> twipsOf(const std::vector<std::string>& fields, std::size_t index) {
    if (index >= fields.size()) return std::nullopt;
    std::optional<std::int16_t> pixels = IntegerOf(fields[index]);
    if (!pixels) return std::nullopt;
    std::optional<std::int32_t> twips = CheckedPixelsToTwips(*pixels);
    if (!twips || *twips < std::numeric_limits<std::int16_t>::min() ||
        *twips > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*twips);
}

struct Place {
    std::int16_t left, top, width, height;
};

std::optional<Place> placeOf(const std::vector<std::string>& fields) {
    auto left = twipsOf(fields, 1), top = twipsOf(fields, 2), width = twipsOf(fields, 3),
         height = twipsOf(fields, 4);
    if (!left || !top || !width || !height) return std::nullopt;
    return Place{*left, *top, *width, *height};
}

bool startsWithHttp(const std::string& address) {
    if (address.size() < 4) return false;
    std::string head = address.substr(0, 4);
    for (char& c : head)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return head == "http";
}

}  // namespace

void frmMBrowser::cancel() {
    runtime::mciSendString("Play Canceling From 0");
    Unload();
}

void frmMBrowser::failWithMessage(const std::string& Text, runtime::MsgBoxIcon Icon) {
    runtime::app().backend().dialogs().messageBox(Text, runtime::MsgBoxButtons::OK, Icon, "");
}

std::string frmMBrowser::CacheRoot() const {
    return DesignCacheFolder();
}

// The keys begin with a backslash; the folders are named by what follows it.
std::string frmMBrowser::HostFolder() const {
    return CacheRoot() + HostKey.substr(1);
}

std::string frmMBrowser::PageFolder() const {
    return HostFolder() + "/" + PageKey.substr(1);
}

std::string frmMBrowser::ScriptFile() const {
    return PageFolder() + "ScriptIndex.dat";
}

std::string frmMBrowser::PictureFile(int Index) const {
    return PageFolder() + "morphTemp" + std::to_string(Index);
}

void frmMBrowser::MorphFromPage(const std::string& PageText, const std::string& URL) {
    DesignText = PageText;
    std::optional<DesignKeys> keys = DesignKeysOf(URL);
    if (!keys) {
        Outcome = DesignOutcome::AddressRefused;
        Unload();
        return;
    }
    HostKey = keys->HostKey;
    PageKey = keys->PageKey;
    ParseDesignRecords(PageText, Design);
    if (!ValidateDesign()) {
        Outcome = DesignOutcome::Invalid;
        cancel();
        return;
    }
    Outcome = DesignOutcome::Valid;
    runtime::mciSendString("Play Launching From 0");
    ApplyDesignAndDownload(PageText);
}

bool frmMBrowser::LayoutDesign() {
    imageAddress_ = {};
    std::vector<std::string> frame = RecordFields(Design[DesignCode::FRM]);
    std::optional<Place> window = placeOf(frame);
    if (!window) return false;
    Move(window->left, window->top, window->width, window->height);
    if (frame.size() >= 6) {
        std::optional<std::int32_t> colour = LongOf(frame[5]);
        if (!colour) return false;
        if (*colour > -1) setBackColor(static_cast<runtime::Color>(*colour));
    }
    if (frame.size() >= 7) imageAddress_[1] = frame[6];

    int index = 2;
    for (DesignCode code :
         {DesignCode::BCK, DesignCode::FWD, DesignCode::HME, DesignCode::RFH, DesignCode::STP}) {
        std::vector<std::string> fields = RecordFields(Design[code]);
        std::optional<Place> place = placeOf(fields);
        if (!place) return false;
        runtime::Image& button = pictureButton(index);
        button.Move(place->left, place->top, place->width, place->height);
        button.setTag(std::to_string(place->left) + "|" + std::to_string(place->top) + "|" +
                      std::to_string(place->width) + "|" + std::to_string(place->height));
        if (fields.size() >= 6) imageAddress_[static_cast<std::size_t>(index)] = fields[5];
        ++index;
    }

    std::vector<std::string> box = RecordFields(Design[DesignCode::TUL]);
    auto left = twipsOf(box, 1), top = twipsOf(box, 2), width = twipsOf(box, 3);
    if (!left || !top || !width) return false;
    cmbUrl.Move(*left, *top, *width);
    std::optional<Place> status = placeOf(RecordFields(Design[DesignCode::SBR]));
    if (!status) return false;
    lblStatusBar.Move(status->left, status->top, status->width, status->height);
    std::optional<Place> browser = placeOf(RecordFields(Design[DesignCode::BSW]));
    if (!browser) return false;
    webView.Move(browser->left, browser->top, browser->width, browser->height);
    return true;
}

runtime::Image& frmMBrowser::pictureButton(int Index) {
    switch (Index) {
        case 2:
            return imgBack;
        case 3:
            return imgFoward;
        case 4:
            return imgHome;
        case 5:
            return imgRefresh;
        default:
            return imgStop;
    }
}

void frmMBrowser::ApplyDesignAndDownload(const std::string& PageText) {
    if (!LayoutDesign()) return cancel();
    if (!MakeCacheFolder(HostFolder()) || !MakeCacheFolder(PageFolder())) return cancel();
    // Written through a new file that takes the name, so a failed write never leaves a cut
    // design behind.
    if (!DeleteFile(ScriptFile()) || !runtime::ReplaceFile(ScriptFile(), PageText)) {
        failWithMessage(kScriptError, runtime::MsgBoxIcon::Critical);
        return cancel();
    }
    // The window shows once every picture that was sent for has arrived: the count is that of
    // the transfers started, so an address that is not fetched cannot keep the window hidden.
    PendingDownloads = 0;
    for (int index = 1; index <= kPictureCount; ++index) {
        const std::string& address = imageAddress_[static_cast<std::size_t>(index)];
        if (address.empty() || !startsWithHttp(address)) continue;
        runtime::Inet& transfer = InetArchon(index);
        transfer.setTag("0");
        if (!transfer.Execute(address)) return cancel();
        ++PendingDownloads;
    }
    if (PendingDownloads < 1) tmrFormTimer.setEnabled(true);
}

void frmMBrowser::InetArchon_StateChanged(int Index, std::int16_t State) {
    if (State == runtime::icError) return cancel();
    if (State != runtime::icResponseCompleted) return;
    runtime::Inet& transfer = InetArchon(Index);
    std::string contentType = transfer.GetHeader("Content-type");
    std::string lengthText = transfer.GetHeader("Content-length");
    std::string kind = contentType.substr(0, 5);
    for (char& c : kind)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (kind != "image" || lengthText.empty()) return cancel();
    std::optional<std::int32_t> length = LongOf(lengthText);
    if (!length || *length < 0) return cancel();

    std::string file = PictureFile(Index);
    if (GetFileSize(file) != *length) {
        if (!DeleteFile(file)) return cancel();
        // The body is gathered whole and written in one piece, so no picture is ever half
        // written, to pass for the picture now or to be reused later.
        std::string body;
        transfer.setTag("0");
        while (body.size() < static_cast<std::size_t>(*length)) {
            std::string chunk = transfer.GetChunk(kChunkSize, runtime::icByteArray);
            if (chunk.empty()) break;
            body += chunk;
            transfer.setTag(std::to_string(body.size()));
        }
        if (body.size() != static_cast<std::size_t>(*length)) return cancel();
        if (!runtime::ReplaceFile(file, body)) return Unload();
    }

    if (Index == 1) {
        if (!DrawPicture(*this, file, kDrawStretch, true, true)) return cancel();
    } else {
        std::optional<runtime::Picture> picture = runtime::LoadPicture(file);
        if (!picture) return cancel();
        pictureButton(Index).setPicture(*picture);
    }
    --PendingDownloads;
    if (PendingDownloads < 1) tmrFormTimer.setEnabled(true);
    // The element is done with; it stays idle rather than being destroyed inside its own event.
    transfer.Cancel();
}

void frmMBrowser::tmrFormTimer_Timer() {
    tmrFormTimer.setEnabled(false);
    // A modal dialog keeps modeless windows from showing: try the whole tick again later.
    if (runtime::app().modalOpen()) return tmrFormTimer.setEnabled(true);
    setVisible(true);
    std::vector<runtime::PointPx> outline;
    if (!Design[DesignCode::RGN].empty()) {
        std::optional<std::vector<runtime::PointPx>> points =
            ParseRegionPoints(Design[DesignCode::RGN], *this);
        if (!points) return Unload();
        outline = std::move(*points);
    }
    // A polygon needs three corners to enclose anything.
    Shaped = Visible() && outline.size() >= 3;
    if (Shaped) runtime::app().backend().windows().setWindowRegion(*this, outline);
    webView.setVisible(true);
    chkKeyGuard.SetFocus();
    if (!Tag().empty()) {
        webView.setVisible(true);
        webView.Navigate(Tag());
        if (!loaded()) return;
        chkKeyGuard.SetFocus();
    }
    if (Visible() && tmrFormTimer.getEnabled()) tmrFormTimer.setEnabled(false);
}

void frmMBrowser::LoadDesignFromCache(const std::string& URL) {
    std::optional<DesignKeys> keys = DesignKeysOf(URL);
    if (!keys) {
        Outcome = DesignOutcome::AddressRefused;
        return Unload();
    }
    HostKey = keys->HostKey;
    PageKey = keys->PageKey;
    mnuSaveDesign.setEnabled(false);
    DesignText = ReadFileText(ScriptFile());
    if (DesignText.empty()) return Unload();
    ParseDesignRecords(DesignText, Design);
    if (!ValidateDesign()) {
        Outcome = DesignOutcome::Invalid;
        return cancel();
    }
    Outcome = DesignOutcome::Valid;
    ApplyCachedDesign();
}

void frmMBrowser::ApplyCachedDesign() {
    if (!LayoutDesign()) return cancel();
    auto fail = [this] {
        failWithMessage(kCacheImagesError, runtime::MsgBoxIcon::Information);
        Unload();
    };
    if (FileExists(PictureFile(1)) && !DrawPicture(*this, PictureFile(1), kDrawStretch, true, true))
        return fail();
    for (int index : {2, 3, 5, 6, 4}) {
        if (!FileExists(PictureFile(index))) continue;
        std::optional<runtime::Picture> picture = runtime::LoadPicture(PictureFile(index));
        if (!picture) return fail();
        pictureButton(index).setPicture(*picture);
    }
    tmrFormTimer.setEnabled(true);
}

bool frmMBrowser::ValidateDesign() {
    return quillo::ValidateDesign(Design, PendingDownloads);
}

void frmMBrowser::ClearDesign() {
    quillo::ClearDesign(Design);
}

}  // namespace quillo
