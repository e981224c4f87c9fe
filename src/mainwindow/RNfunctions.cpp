#include "mainwindow/RNfunctions.h"

#include <algorithm>
#include <vector>

#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/PathResolver.h"
#include "runtime/Utf8.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

using runtime::CodePointCount;

std::int32_t BorderWidth = 0;
std::int32_t BrowserInsetWidth = 0;
std::int32_t MarginRight = 0;
std::int32_t TitleBarTop = 0;
std::int32_t MarginLeft = 0;
std::int32_t TitleButtonPitch = 0;
std::int32_t BrowserTopGap = 0;
std::int32_t BrowserBottomGap = 0;
std::int32_t BrowserLeftInset = 0;
std::int32_t SidePaneAllowance = 0;

int WindowMaximized = 0;

void IndentButtonImage(form1& frm, runtime::Image& img) {
    if (!frm.IndentedButtons.insert(&img).second) return;
    img.setTop(img.Top() + PixelsToTwips(2));
    img.setLeft(img.Left() + PixelsToTwips(2));
    img.setWidth(img.Width() - PixelsToTwips(4));
    img.setHeight(img.Height() - PixelsToTwips(4));
}

void UnindentButtonImage(form1& frm, runtime::Image& img) {
    if (frm.IndentedButtons.erase(&img) == 0) return;
    img.setTop(img.Top() - PixelsToTwips(2));
    img.setLeft(img.Left() - PixelsToTwips(2));
    img.setWidth(img.Width() + PixelsToTwips(4));
    img.setHeight(img.Height() + PixelsToTwips(4));
}

void AddUrlToHistory(runtime::ComboBox& box, std::string address) {
    for (int i = 0; i < box.ListCount(); ++i)
        if (box.List(i) == address) return;
    if (address.find('>') != std::string::npos) return;
    std::erase(address, ',');
    box.AddItem(std::move(address));
}

std::string StripHttpPrefix(const std::string& address) {
    constexpr std::string_view prefix = "http://";
    if (runtime::LowerAscii(runtime::CodePointSlice(address, 0, 7)) != prefix) return {};
    // Only the scheme goes: an address that carries "http://" further on (a redirect's
    // parameter) keeps it there.
    if (address.starts_with(prefix)) return address.substr(prefix.size());
    return address;
}

int FindUrlListMatch(const runtime::ComboBox& box, const std::string& prefix) {
    const int length = CodePointCount(prefix);
    if (length < 4) return -1;
    for (int i = 0; i < box.ListCount(); ++i) {
        std::string entry = box.List(i);
        if (CodePointCount(entry) > length && entry.starts_with(prefix)) return i;
    }
    return -1;
}

bool AutoCompleteCombo(runtime::ComboBox& box, const std::string& prefix) {
    const int match = FindUrlListMatch(box, prefix);
    if (match < 0) return false;
    box.setText(box.List(match));
    return true;
}

namespace {

bool startCopy(std::vector<std::string> arguments) {
    const runtime::AppInfo& info = runtime::app().App();
    return runtime::app().backend().processes().start(info.Path + "/" + info.EXEName,
                                                      std::move(arguments));
}

}  // namespace

bool StartProgramCopy() {
    return startCopy({});
}

bool StartProgramCopy(const std::string& address) {
    return startCopy({"<" + address + ">"});
}

}  // namespace quillo
