#include "mainwindow/form1.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "designs/MorphingFunctions.h"
#include "mainwindow/FormSplashScreen.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/Variables.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/Utf8.h"
#include "runtime/WebAddress.h"
#include "runtime/WholeFile.h"
#include "shared/ModuleFucns.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ClassSkins.h"

namespace quillo {

namespace {

constexpr char kChr2 = '\x02';

std::string programFile(const char* name) {
    return runtime::app().App().Path + "/" + name;
}

// New files that a run ended before they took their names go, wherever the program writes whole
// files: its folder and its skins, the Windows directory, the favorites and the design cache. The
// language pack, the clips and the site pages are only read, so their folders are not walked.
void removeLeftoverNewFiles() {
    const std::string program = runtime::app().App().Path;
    runtime::RemoveLeftoverReplacements(program, false);
    runtime::RemoveLeftoverReplacements(program + "/skins", true);
    runtime::RemoveLeftoverReplacements(WindowsDir, false);
    runtime::RemoveLeftoverReplacements(WindowsDir + "/Favorites", true);
    runtime::RemoveLeftoverReplacements(DesignCacheFolder(), true);
}

// A whole number of at most nine digits, nothing else.
std::optional<std::int32_t> wholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    std::int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return value;
}

// The two numbers of size.ini, width and height in pixels ("0" and "0" for a maximized window),
// with the file's closing line end; a file holding anything else counts as missing.
std::optional<std::pair<std::int32_t, std::int32_t>> parseWindowSize(std::string_view text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    std::size_t split = text.find(kChr2);
    if (split == std::string_view::npos) return std::nullopt;
    std::optional<std::int32_t> width = wholeNumber(text.substr(0, split));
    std::optional<std::int32_t> height = wholeNumber(text.substr(split + 1));
    if (!width || !height) return std::nullopt;
    bool maximized = text.substr(0, split) == "0" && text.substr(split + 1) == "0";
    bool sized =
        *width > 0 && *height > 0 && CheckedPixelsToTwips(*width) && CheckedPixelsToTwips(*height);
    if (!maximized && !sized) return std::nullopt;
    return std::pair{*width, *height};
}

}  // namespace

form1::form1() : Form("form1") {
    setCaption("Quillo");
    setBorderStyle(0);
    // The design size: the window is centred at it when size.ini is missing.
    setWidth(9750);
    setHeight(8310);
    WebBrowser1.setVisible(false);
    PictureBottomLeft.setEnabled(false);
    PictureBottomLeft.setVisible(false);
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Timer2.setInterval(1000);
    TimerAnimationLength.setEnabled(false);
    TimerAnimationLength.setInterval(3000);
    tmrHTMLCapture.setEnabled(false);
    FavoriteMenuContainer.setVisible(false);
    // Every favorite counts, a ".url" saved without a name too.
    for (runtime::DirListBox* list : {&DirMain, &DirSub, &DirCheck})
        list->setHidden(true);
    flbFavorite.setHidden(true);
    setDesignLooks();
    wireStartAndExit();
    wireWindow();
    wireButtons();
    wireMenu();
    wireDrops();
    wireFavorites();
    wireAddressBar();
    wireBrowsers();
    wireAnimation();
}

void form1::setDesignLooks() {
    // The skin's colour shows through: containers and strips without borders, texts without a
    // background of their own.
    FrameTitleBar.setBorderStyle(0);
    FrameDashBoard.setBorderStyle(0);
    for (runtime::PictureBox* strip :
         {&PictureBottomLeft, &PictureBottomCenter, &PictureBottomRight})
        strip->setBorderStyle(0);
    Label1.setBackStyle(0);
    LabelStatusBarMain.setBackStyle(0);
    LabelStatusBarMini.setBackStyle(0);
    // Sizes that neither the language pack nor the layout give: the address bar's one line,
    // and the side pane's width, which the main pane gives back while the pane is hidden.
    ComboURL.setHeight(315);
    WebBrowser1.setWidth(2790);
    // The progress text has room for its longest text in its own font.
    const runtime::SizePx longest =
        application().backend().textMetrics().measure("100% Done", LabelStatusBarMini.getFont(), 0);
    LabelStatusBarMini.setWidth(longest.width * application().screen().TwipsPerPixelX);
    LabelStatusBarMini.setHeight(longest.height * application().screen().TwipsPerPixelY);
}

form1::~form1() = default;

void form1::wireStartAndExit() {
    Initialize = [this] { Form_Initialize(); };
    Load = [this] { Form_Load(); };
    Resize = [this] { Form_Resize(); };
    KeyDown = [this](int& keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    Unloading = [this] { Form_Unload(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
}

void form1::Form_Initialize() {
    WindowsDir = application().App().WindowsDir;
    // Before any list or favorite is read.
    removeLeftoverNewFiles();
    // Module values live as long as the process; the one main window starts restored.
    WindowMaximized = 0;
}

void form1::Form_Load() {
    MorphingEnabled = true;
    setKeyPreview(true);
    Skins = std::make_unique<ClassSkins>(ClassSkins::Surroundings{
        [this]() -> runtime::Form& { return *this; },
        [](runtime::Form& window) { ArrangeMainWindow(static_cast<form1&>(window)); }});
    readHomePage();
    readWindowSize();
    ArrangeMainWindow(*this);
    TypedUrl.Pending = false;
    tmrHTMLCapture.setInterval(1000);
    tmrHTMLCapture.setEnabled(false);
    AnimationReady = true;
    runtime::TimeOfDay time = application().backend().timeOfDay();
    setTag("S" + std::to_string(time.hour) + std::to_string(time.minute) +
           std::to_string(time.second));
    readHistory();
    ComboURL.setText(HomePage);
    ComboURL.setSelStart(0);
    ComboURL.setSelLength(runtime::CodePointCount(ComboURL.Text()));
    LoadLanguage();
    std::string current;
    if (!FileIO("GetBinary", programFile("rn418.ini"), current)) current = "<Quillo>";
    std::string name = ExtractOne("<", ">", "Insensitive", "Exclusive", "Closest", current);
    Skins->CallFromBrowserInit(*this, programFile("skins/") + name + "/" + name + ".tz3");
    Timer1.setInterval(1000);
    Timer1.setEnabled(true);
}

void form1::readHomePage() {
    std::string text;
    if (!FileIO("GetBinary", programFile("homepage.ini"), text)) {
        HomePage = std::string(DefaultHomePage);
        return;
    }
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at, 2);
    HomePage = std::move(text);
}

void form1::readWindowSize() {
    std::string text;
    std::optional<std::pair<std::int32_t, std::int32_t>> size;
    if (FileIO("GetBinary", programFile("size.ini"), text)) size = parseWindowSize(text);
    const runtime::Screen& screen = application().screen();
    if (size && size->first == 0) {
        PictureWS02_Click();
        // Without a work area the window starts as if it had no size of its own.
        if (WindowMaximized != 0) return;
        size.reset();
    }
    if (size) {
        setWidth(PixelsToTwips(size->first));
        setHeight(PixelsToTwips(size->second));
        setTop(screen.Height / 2 - Height() / 2);
        setLeft(screen.Width / 2 - Width() / 2);
        return;
    }
    // Centred at the design size, then given its first size without centring again.
    setTop(screen.Height / 2 - Height() / 2);
    setLeft(screen.Width / 2 - Width() / 2);
    setWidth(PixelsToTwips(600));
    setHeight(PixelsToTwips(440));
}

void form1::readHistory() {
    std::string text;
    if (!FileIO("GetBinary", programFile("combourl.ini"), text)) return;
    if (!InString(text, "<", "Insensitive")) return;
    std::vector<std::string> entries =
        ExtractAll("<", ">", "Insensitive", "Exclusive", "Closest", text);
    // The last element is the empty tail, not an entry.
    for (std::size_t i = 0; i + 1 < entries.size(); ++i)
        ComboURL.AddItem(entries[i]);
}

void form1::Form_Resize() {
    ArrangeMainWindow(*this);
}

void form1::Timer1_Timer() {
    Timer1.setEnabled(false);
    if (auto* splash = application().loadedForm<FormSplashScreen>()) splash->Unload();
    Show();
    setVisible(true);
    Refresh();
    PictureBottomLeft.setEnabled(true);
    PictureBottomLeft.setVisible(true);
    PictureBottomLeft.Refresh();
    WebBrowser1.setVisible(true);
    WebBrowser1.Navigate(std::string(HitCounterPage));
    const std::string& command = application().App().Command;
    std::string address;
    if (InString(command, "<", "Insensitive"))
        address = ExtractOne("<", ">", "Insensitive", "Exclusive", "Closest", command);
    // A command line without an address between "<" and ">" opens the home page.
    WebBrowser2.Navigate(runtime::TrimAddress(address).empty() ? HomePage : address);
    // The window takes the focus; a control that has it already (the address bar) keeps it.
    if (!activeControl()) SetFocus();
    ArrangeMainWindow(*this);
}

void form1::Form_KeyDown(int& KeyCode, int Shift) {
    if (KeyCode == 'N' && (Shift & runtime::vbCtrlMask)) StartProgramCopy();
}

void form1::Form_Unload() {
    writeWindowSize();
    runtime::mciSendString("Close all");
    writeHistory();
    for (runtime::Form* other : application().Forms())
        if (other->Name() != Name()) other->Unload();
}

void form1::writeWindowSize() {
    // Written over the old file, never after removing it: a size that cannot be written keeps
    // the one of the last exit.
    std::string file = programFile("size.ini");
    std::string text = std::string("0") + kChr2 + "0";
    if (WindowMaximized == 0) {
        auto pixels = [](double twips) {
            return std::to_string(TwipsToPixels(static_cast<std::int32_t>(std::lround(twips))));
        };
        text = pixels(Width()) + kChr2 + pixels(Height());
    }
    FileIO("Write", file, text);
}

void form1::writeHistory() {
    std::string text;
    for (int i = 0; i < ComboURL.ListCount(); ++i)
        text += "<" + ComboURL.List(i) + ">";
    // A history that cannot be written is lost; the program still closes.
    FileIO("Write", programFile("combourl.ini"), text);
}

}  // namespace quillo
