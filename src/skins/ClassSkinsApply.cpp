// Dressing the main window in the skin that LoadTheme has just read.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/MediaCommands.h"
#include "runtime/PathResolver.h"
#include "runtime/PictureBox.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"
#include "shared/mdiGraphicFunctions.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ClassSkins.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormGauge.h"
#include "skins/FormLoading.h"

namespace quillo {

using namespace runtime;

namespace {

// The picture buttons of descriptor fields 3 to 17, in field order.
constexpr const char* kButtons[] = {
    "PictureIcon",  "PictureTitleBar", "PictureTitle", "PictureWS01",     "PictureWS02",
    "PictureClose", "PictureHideShow", "PictureURL",   "PictureBookmark", "PictureBack",
    "PictureNext",  "PictureReload",   "PictureStop",  "PictureHome",     "PictureMail"};
constexpr int kFirstButtonField = 3;
constexpr int kStripClipField = 18;
constexpr int kCentreStripField = 19;
constexpr int kRightStripField = 20;
constexpr int kClipReplayInterval = 6000;
constexpr char kQuote = '"';

template <class T>
T* controlOf(Form& form, const std::string& name) {
    return dynamic_cast<T*>(form.findControl(name));
}

bool endsWithAvi(const std::string& name) {
    const std::string lower = LowerAscii(name);
    return lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".avi") == 0;
}

// A descriptor names files of its own skin folder; an absolute name or a ".." step would reach
// outside it, and such a field counts as a missing file.
bool staysInSkinFolder(const std::string& field) {
    if (field.empty() || field[0] == '/' || field[0] == '\\') return false;
    if (field.size() >= 2 && field[1] == ':') return false;
    std::size_t start = 0;
    while (start <= field.size()) {
        std::size_t end = field.find_first_of("/\\", start);
        if (end == std::string::npos) end = field.size();
        if (field.compare(start, end - start, "..") == 0) return false;
        start = end + 1;
    }
    return true;
}

// The number at the start of a text, as a colour value; 0 when there is none.
Color colourValue(const std::string& text) {
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos) return 0;
    const char* begin = text.c_str() + at;
    char* end = nullptr;
    long long value = std::strtoll(begin, &end, 10);
    if (end == begin) return 0;
    return static_cast<Color>(static_cast<std::uint64_t>(value));
}

// Media commands are sent and forgotten: a clip that cannot play simply does not.
void sendMedia(const std::string& command) {
    mciSendString(command);
}

int pixels(double twips) {
    return TwipsToPixels(static_cast<std::int32_t>(std::lround(twips)));
}

}  // namespace

std::string ClassSkins::skinFile(const std::string& field) const {
    // The folder is the one LoadTheme has just named in the skin manager.
    return programFolder() + "/skins/" + runtime::form<FormLoading>().TextBoxSkinName.Text() + "/" +
           field;
}

void ClassSkins::UpdateGauge(int Percent) {
    FormGauge* shown = gauge();
    if (!shown) return;
    shown->LabelGauge.setCaption(std::to_string(Percent) + "% Completed.");
    shown->Refresh();
}

void ClassSkins::LoadSkinImage(Image& Button, std::string& FileName) {
    if (FileName.empty()) {
        Button.setTag("");
        Button.setPicture(Picture{});
        return;
    }
    const bool inside = staysInSkinFolder(FileName);
    FileName = skinFile(FileName);
    Button.setTag(FileName);
    Button.setStretch(true);
    if (!inside) return;
    if (auto picture = LoadPicture(FileName)) Button.setPicture(*picture);
}

void ClassSkins::PaintSkinPicture(PictureBox& Box, std::string& FileName) {
    if (FileName.empty()) {
        Box.setTag("");
        Box.setPicture(Picture{});
        Box.Cls();
        return;
    }
    const bool inside = staysInSkinFolder(FileName);
    FileName = skinFile(FileName);
    Box.setTag(FileName);
    Box.setPicture(Picture{});
    Box.Cls();
    if (inside) DrawPicture(Box, FileName, kDrawStretch);
}

void ClassSkins::openStripClip(Form& form1, PictureBox& strip, const std::string& file) {
    const std::string& alias = form1.Tag();
    sendMedia("Open " + std::string(1, kQuote) + file + kQuote + " Type AVIVideo Alias " + alias +
              " Style Child Parent " + std::to_string(strip.hWnd()));
    sendMedia("Put " + std::string(1, kQuote) + alias + kQuote + " Destination At 0 0 " +
              std::to_string(pixels(strip.Width())) + " " + std::to_string(pixels(strip.Height())));
}

void ClassSkins::restartPreview() {
    PictureBox* preview = &runtime::form<FormDesignEdit>().PictureImageBox;
    // Only a clip plays in the preview; a picture there was never stopped.
    if (!endsWithAvi(preview->Tag())) return;
    auto* main = &around_.mainWindow();
    const std::string alias = std::string(1, kQuote) + main->Tag() + "CUSTOMIZE" + kQuote;
    sendMedia("Open " + std::string(1, kQuote) + preview->Tag() + kQuote + " Type AVIVideo Alias " +
              alias + " Style Child Parent " + std::to_string(preview->hWnd()));
    sendMedia("Put " + alias + " Destination At 0 0 " + std::to_string(pixels(preview->Width())) +
              " " + std::to_string(pixels(preview->Height())));
    sendMedia("play " + alias + " notify repeat");
}

void ClassSkins::applyColours(Form& form1) {
    UpdateGauge(1);
    const Color back = colourValue(ThemeFields[0]);
    form1.setBackColor(back);
    for (const char* name : {"FrameTitleBar", "FrameDashBoard"})
        if (auto* frame = controlOf<Frame>(form1, name)) frame->setBackColor(back);
    for (const char* name : {"PictureBottomLeft", "PictureBottomCenter", "PictureBottomRight"})
        if (auto* strip = controlOf<PictureBox>(form1, name)) strip->setBackColor(back);
    UpdateGauge(2);
    if (auto* label = controlOf<Label>(form1, "LabelStatusBarMain"))
        label->setForeColor(colourValue(ThemeFields[1]));
    UpdateGauge(5);
    if (auto* label = controlOf<Label>(form1, "LabelStatusBarMini"))
        label->setForeColor(colourValue(ThemeFields[2]));
}

void ClassSkins::applyPictures(Form& form1) {
    int percent = 10;
    int field = kFirstButtonField;
    for (const char* name : kButtons) {
        UpdateGauge(percent);
        std::string file = ThemeFields[field];
        if (auto* button = controlOf<Image>(form1, name)) LoadSkinImage(*button, file);
        percent += 5;
        ++field;
    }
    const std::pair<int, const char*> strips[] = {{kCentreStripField, "PictureBottomCenter"},
                                                  {kRightStripField, "PictureBottomRight"}};
    percent = 90;
    for (auto [stripField, name] : strips) {
        UpdateGauge(percent);
        std::string file = ThemeFields[stripField];
        if (auto* strip = controlOf<PictureBox>(form1, name)) PaintSkinPicture(*strip, file);
        percent += 5;
    }
}

void ClassSkins::applyBottomLeft(Form& form1, bool clip) {
    auto* strip = controlOf<PictureBox>(form1, "PictureBottomLeft");
    std::string file = ThemeFields[kStripClipField];
    if (!clip) {
        sendMedia("Close All");
        if (strip) PaintSkinPicture(*strip, file);
        return;
    }
    const bool inside = staysInSkinFolder(file);
    file = skinFile(file);
    if (strip) {
        strip->setTag(file);
        strip->setPicture(Picture{});
        strip->Cls();
        strip->setBackColor(form1.BackColor());
    }
    sendMedia("Close All");
    if (!strip || !inside) return;
    openStripClip(form1, *strip, file);
    sendMedia("play " + std::string(1, kQuote) + form1.Tag() + kQuote + " from 0");
}

void ClassSkins::UploadPicturesToBrowser(Form& form1) {
    if (ThemeFields.size() <= kRightStripField) return;
    auto* strip = controlOf<PictureBox>(form1, "PictureBottomLeft");
    auto* startup = controlOf<Timer>(form1, "Timer1");
    auto* replay = controlOf<Timer>(form1, "Timer2");
    if (strip) {
        strip->setEnabled(false);
        strip->setVisible(false);
    }

    const std::string& clipField = ThemeFields[kStripClipField];
    const bool clip = endsWithAvi(clipField);
    if (clip) {
        // The clip opens early so that it is ready to replay when the strip shows again.
        const std::string file = skinFile(clipField);
        if (strip) strip->setTag(file);
        sendMedia("Close All");
        if (strip && staysInSkinFolder(clipField)) openStripClip(form1, *strip, file);
        if (replay) {
            replay->setInterval(kClipReplayInterval);
            replay->setEnabled(true);
        }
    } else {
        sendMedia("Close All");
    }

    const bool starting = startup && startup->getEnabled();
    if (FormGauge* shown = gauge()) {
        shown->setTop(form1.Top() + form1.Height() / 2 - shown->Height() / 2);
        shown->setLeft(form1.Left() + form1.Width() / 2 - shown->Width() / 2);
        if (!starting) shown->Show();
    }
    applyColours(form1);
    applyPictures(form1);
    UpdateGauge(100);
    applyBottomLeft(form1, clip);
    restartPreview();
    if (FormGauge* shown = gauge()) shown->Hide();
    if (strip && !(startup && startup->getEnabled())) {
        strip->setEnabled(true);
        strip->setVisible(true);
    }
    around_.ArrangeMainWindow(form1);
}

}  // namespace quillo
