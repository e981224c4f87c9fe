// Checks the program folder's shipped content (assets/): every file that the program reads from
// its folder is there and can be used, with the sizes its windows and controls need.

#include <gtest/gtest.h>

#include "runtime/Picture.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#ifndef QUILLO_ASSETS_DIR
#error "QUILLO_ASSETS_DIR must name the folder of the shipped assets"
#endif

namespace {

namespace fs = std::filesystem;

const fs::path kAssets{QUILLO_ASSETS_DIR};

std::optional<std::string> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Le32(const std::string& b, size_t at) {
    if (at + 4 > b.size()) return 0;
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

uint16_t Le16(const std::string& b, size_t at) {
    if (at + 2 > b.size()) return 0;
    return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}

// The pixel size of a picture file, found from its content (skin files have no extension), or
// nothing when the file is missing or no picture.
std::optional<quillo::runtime::Picture> LoadPictureSize(const fs::path& path) {
    auto picture = quillo::runtime::LoadPicture(path.string());
    if (!picture || picture->empty()) return std::nullopt;
    return picture;
}

// The pieces of a text split at every ">" (the language loader's items).
std::vector<std::string> Items(const std::string& text) {
    std::vector<std::string> items;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find('>', start);
        items.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return items;
        start = end + 1;
    }
}

// The texts between each "<" and the next ">" (the skin descriptor's fields).
std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields;
    std::string::size_type at = 0;
    while ((at = text.find('<', at)) != std::string::npos) {
        const auto end = text.find('>', at + 1);
        if (end == std::string::npos) break;
        fields.push_back(text.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return fields;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool HasLineEnd(const std::string& s) {
    return s.find('\r') != std::string::npos || s.find('\n') != std::string::npos;
}

std::string LanguageName() {
    return ReadFile(kAssets / "language.ini").value_or("");
}

fs::path LanguageFile(const std::string& name) {
    return kAssets / LanguageName() / name;
}

// ---------------------------------------------------------------- the language pack

TEST(LanguagePack, LanguageIniNamesAnExistingFolderWithoutALineEnd) {
    const auto name = ReadFile(kAssets / "language.ini");
    ASSERT_TRUE(name.has_value());
    ASSERT_FALSE(name->empty());
    EXPECT_FALSE(HasLineEnd(*name));
    EXPECT_EQ(name->find_first_of(" \t"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(kAssets / *name));
}

TEST(LanguagePack, MenuTextsGiveTenDistinctSingleLineItems) {
    const auto text = ReadFile(LanguageFile("LanguageText.txt"));
    ASSERT_TRUE(text.has_value());
    const auto items = Items(*text);
    ASSERT_GE(items.size(), 10u);
    std::set<std::string> captions;
    for (size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE("menu item " + std::to_string(i));
        EXPECT_FALSE(HasLineEnd(items[i]));
        if (i == 0) continue;  // read by nobody
        EXPECT_FALSE(items[i].empty());
        // The menu runs every entry whose text equals the clicked caption.
        EXPECT_TRUE(captions.insert(items[i]).second) << "duplicate caption " << items[i];
    }
    // Nothing may follow the last item that would become a caption of its own or a line end.
    for (size_t i = 10; i < items.size(); ++i)
        EXPECT_EQ(items[i], "");
}

TEST(LanguagePack, MessageTextsGiveFourteenSingleLineItems) {
    const auto text = ReadFile(LanguageFile("MessageText.txt"));
    ASSERT_TRUE(text.has_value());
    const auto items = Items(*text);
    ASSERT_GE(items.size(), 14u);
    for (size_t i = 0; i < 14; ++i) {
        SCOPED_TRACE("message item " + std::to_string(i));
        EXPECT_FALSE(items[i].empty());
        EXPECT_FALSE(HasLineEnd(items[i]));
    }
    // Items 8 and 9 frame the old and the new name of a rename question; item 4 precedes a name.
    EXPECT_EQ(items[4].back(), ' ');
    EXPECT_EQ(items[8].back(), ' ');
    EXPECT_EQ(items[9].front(), ' ');
    EXPECT_EQ(items[9].back(), ' ');
}

TEST(LanguagePack, AgreementTextIsThere) {
    const auto text = ReadFile(LanguageFile("agreement.txt"));
    ASSERT_TRUE(text.has_value());
    EXPECT_GT(text->size(), 40u);
}

struct WindowBitmap {
    const char* file;
    int width;
    int height;
};

// Window backgrounds have exactly the size their window is given.
const WindowBitmap kWindowBitmaps[] = {
    {"FAFormAbout.bmp", 400, 300},
    {"FEDFormDesignEdit.bmp", 226, 294},
    {"FLShort.bmp", 226, 242},
    {"FLLong.bmp", 226, 281},
    {"FSAFormSaveAs.bmp", 226, 255},
    {"FCHPFormChangeHomepage.bmp", 399, 83},
    {"FAFFormAddFavorite.bmp", 251, 370},
    {"FOFFormOrganizeFavorite.bmp", 359, 373},
    {"FMFFormMoveFavorite.bmp", 252, 370},
    {"frmQVXLoad.bmp", 226, 212},
    {"frmQVXSave.bmp", 336, 108},
};

TEST(LanguagePack, WindowBitmapsHaveTheirWindowsSizes) {
    for (const auto& w : kWindowBitmaps) {
        SCOPED_TRACE(w.file);
        const auto size = LoadPictureSize(LanguageFile(w.file));
        ASSERT_TRUE(size.has_value());
        EXPECT_EQ(size->widthPx, w.width);
        EXPECT_EQ(size->heightPx, w.height);
    }
}

TEST(LanguagePack, MenuBitmapIsTallEnoughForItsEightItems) {
    const auto size = LoadPictureSize(LanguageFile("menu.bmp"));
    ASSERT_TRUE(size.has_value());
    // The last item's top is 177 px; the menu is as tall as its bitmap.
    EXPECT_GE(size->heightPx, 177 + 16);
    EXPECT_LT(size->heightPx, 240);
    EXPECT_GE(size->widthPx, 100);
}

struct Rect {
    int left, top, width, height;
    bool overlaps(const Rect& o) const {
        return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
               o.top < top + height;
    }
};

struct PictureButton {
    const char* file;
    const char* window;  // the background it lies on
    Rect place;          // left and top as laid out; width and height: the most it may take
};

// Picture buttons with the places the program gives them and the room they have there.
const PictureButton kPictureButtons[] = {
    {"FEDClearDesign.bmp", "FEDFormDesignEdit.bmp", {9, 41, 104, 36}},
    {"FEDBackgroundColor.bmp", "FEDFormDesignEdit.bmp", {115, 41, 104, 36}},
    {"FEDOpen.bmp", "FEDFormDesignEdit.bmp", {9, 169, 66, 52}},
    {"FEDDelete.bmp", "FEDFormDesignEdit.bmp", {168, 169, 50, 52}},
    {"FEDLoad.bmp", "FEDFormDesignEdit.bmp", {9, 258, 52, 34}},
    {"FEDSave.bmp", "FEDFormDesignEdit.bmp", {62, 258, 52, 34}},
    {"FEDSaveAs.bmp", "FEDFormDesignEdit.bmp", {115, 258, 104, 34}},
    {"FLUpload.bmp", "FLShort.bmp", {9, 203, 160, 37}},
    {"FLOptions.bmp", "FLShort.bmp", {171, 208, 48, 32}},
    {"FLAdd.bmp", "FLLong.bmp", {9, 242, 160, 37}},
    {"FLDelete.bmp", "FLLong.bmp", {171, 242, 48, 37}},
    {"FSAOK.bmp", "FSAFormSaveAs.bmp", {45, 216, 67, 37}},
    {"FSACancel.bmp", "FSAFormSaveAs.bmp", {114, 216, 67, 37}},
};

// Controls that picture buttons must leave uncovered, per window: lists, text boxes, previews
// and close labels.
struct Keep {
    const char* window;
    Rect place;
};
const Keep kKeepClear[] = {
    {"FEDFormDesignEdit.bmp", {196, 11, 20, 20}},
    {"FEDFormDesignEdit.bmp", {9, 79, 208, 83}},
    {"FEDFormDesignEdit.bmp", {10, 224, 208, 25}},
    {"FEDFormDesignEdit.bmp", {77, 169, 40, 48}},
    {"FEDFormDesignEdit.bmp", {120, 169, 45, 48}},
    {"FLShort.bmp", {192, 8, 25, 25}},
    {"FLShort.bmp", {8, 40, 209, 130}},
    {"FLShort.bmp", {10, 170, 207, 25}},
    {"FLLong.bmp", {8, 40, 209, 130}},
    {"FLLong.bmp", {10, 170, 207, 25}},
    {"FSAFormSaveAs.bmp", {192, 8, 25, 25}},
    {"FSAFormSaveAs.bmp", {8, 40, 209, 122}},
    {"FSAFormSaveAs.bmp", {8, 180, 209, 29}},
};

TEST(LanguagePack, PictureButtonsFitTheirPlacesWithoutCoveringOtherControls) {
    for (const auto& b : kPictureButtons) {
        SCOPED_TRACE(b.file);
        const auto size = LoadPictureSize(LanguageFile(b.file));
        const auto window = LoadPictureSize(LanguageFile(b.window));
        ASSERT_TRUE(size.has_value());
        ASSERT_TRUE(window.has_value());
        EXPECT_GE(size->widthPx, 24);
        EXPECT_GE(size->heightPx, 24);
        EXPECT_LE(size->widthPx, b.place.width);
        EXPECT_LE(size->heightPx, b.place.height);
        const Rect covers{b.place.left, b.place.top, size->widthPx, size->heightPx};
        EXPECT_LE(covers.left + covers.width, window->widthPx);
        EXPECT_LE(covers.top + covers.height, window->heightPx);
        for (const auto& k : kKeepClear) {
            if (std::string(k.window) != b.window) continue;
            EXPECT_FALSE(covers.overlaps(k.place))
                << "covers the control at " << k.place.left << "," << k.place.top;
        }
        for (const auto& other : kPictureButtons) {
            if (&other == &b || std::string(other.window) != b.window) continue;
            const auto o = LoadPictureSize(LanguageFile(other.file));
            ASSERT_TRUE(o.has_value());
            EXPECT_FALSE(
                covers.overlaps({other.place.left, other.place.top, o->widthPx, o->heightPx}))
                << "covers " << other.file;
        }
    }
}

TEST(LanguagePack, RenameButtonPictureLoads) {
    const auto size = LoadPictureSize(LanguageFile("FLRename.bmp"));
    ASSERT_TRUE(size.has_value());
    EXPECT_LE(size->widthPx, 226);
    EXPECT_LE(size->heightPx, 39);
}

TEST(LanguagePack, EveryBitmapOfTheLoadersTableIsAPicture) {
    const char* files[] = {
        "FAFormAbout.bmp",
        "FEDFormDesignEdit.bmp",
        "FEDClearDesign.bmp",
        "FEDBackgroundColor.bmp",
        "FEDOpen.bmp",
        "FEDDelete.bmp",
        "FEDLoad.bmp",
        "FEDSaveAs.bmp",
        "FEDSave.bmp",
        "FLShort.bmp",
        "FLLong.bmp",
        "FLUpload.bmp",
        "FLOptions.bmp",
        "FLAdd.bmp",
        "FLDelete.bmp",
        "FLRename.bmp",
        "FSAFormSaveAs.bmp",
        "FSAOK.bmp",
        "FSACancel.bmp",
        "FCHPFormChangeHomepage.bmp",
        "FAFFormAddFavorite.bmp",
        "FOFFormOrganizeFavorite.bmp",
        "FMFFormMoveFavorite.bmp",
        "menu.bmp",
        "frmQVXLoad.bmp",
        "frmQVXSave.bmp",
    };
    for (const char* f : files) {
        SCOPED_TRACE(f);
        EXPECT_TRUE(LoadPictureSize(LanguageFile(f)).has_value());
    }
}

// ---------------------------------------------------------------- the default skin

struct SkinField {
    int field;
    const char* control;
    int width;
    int height;
};

// Descriptor fields 3 to 20 and the sizes of the controls they dress.
const SkinField kSkinFields[] = {
    {3, "PictureIcon", 25, 25},         {4, "PictureTitleBar", 113, 25},
    {5, "PictureTitle", 185, 25},       {6, "PictureWS01", 16, 16},
    {7, "PictureWS02", 16, 16},         {8, "PictureClose", 16, 16},
    {9, "PictureHideShow", 64, 24},     {10, "PictureURL", 33, 22},
    {11, "PictureBookmark", 81, 24},    {12, "PictureBack", 32, 32},
    {13, "PictureNext", 32, 32},        {14, "PictureReload", 32, 32},
    {15, "PictureStop", 32, 32},        {16, "PictureHome", 32, 32},
    {17, "PictureMail", 32, 32},        {18, "PictureBottomLeft", 221, 83},
    {19, "PictureBottomCenter", 0, 83}, {20, "PictureBottomRight", 208, 83},
};

const fs::path kSkinFolder = kAssets / "skins" / "Quillo";

std::vector<std::string> SkinDescriptorFields() {
    return Fields(ReadFile(kSkinFolder / "Quillo.tz3").value_or(""));
}

TEST(DefaultSkin, CurrentSkinFileAndSkinListNameQuillo) {
    EXPECT_EQ(Fields(ReadFile(kAssets / "rn418.ini").value_or("")),
              std::vector<std::string>{"Quillo"});
    const auto list = ReadFile(kAssets / "skinlib.txt");
    ASSERT_TRUE(list.has_value());
    EXPECT_NE(list->find(std::string("Quillo") + '\x02'), std::string::npos);
}

TEST(DefaultSkin, DescriptorHoldsExactlyTwentyOneFieldsOnOneLine) {
    const auto text = ReadFile(kSkinFolder / "Quillo.tz3");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(Fields(*text).size(), 21u);
    const auto firstLineEnd = text->find("\r\n");
    ASSERT_NE(firstLineEnd, std::string::npos);
    EXPECT_EQ(firstLineEnd + 2, text->size());
}

TEST(DefaultSkin, ColourFieldsAreWholeNumbers) {
    const auto fields = SkinDescriptorFields();
    ASSERT_EQ(fields.size(), 21u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("field " + std::to_string(i));
        const auto& f = fields[i];
        ASSERT_FALSE(f.empty());
        EXPECT_TRUE(std::all_of(f.begin() + (f[0] == '-' ? 1 : 0), f.end(),
                                [](unsigned char c) { return std::isdigit(c); }));
        EXPECT_LE(std::stoll(f), 0xFFFFFFLL);
    }
    // The two status texts must differ from the background they are written on.
    EXPECT_NE(fields[1], fields[0]);
    EXPECT_NE(fields[2], fields[0]);
}

TEST(DefaultSkin, PictureFieldsNameFilesOfTheirControlsSizes) {
    const auto fields = SkinDescriptorFields();
    ASSERT_EQ(fields.size(), 21u);
    for (const auto& f : kSkinFields) {
        SCOPED_TRACE(f.control);
        const auto& name = fields[f.field];
        ASSERT_FALSE(name.empty());
        EXPECT_EQ(name.find_first_of("/\\"), std::string::npos);
        const auto size = LoadPictureSize(kSkinFolder / name);
        ASSERT_TRUE(size.has_value()) << name << " is not a picture";
        if (f.width > 0) {
            EXPECT_EQ(size->widthPx, f.width);
        }
        EXPECT_EQ(size->heightPx, f.height);
    }
}

TEST(DefaultSkin, CornerStripSourceIsTheAnimationMarker) {
    const auto fields = SkinDescriptorFields();
    ASSERT_EQ(fields.size(), 21u);
    const auto corner = Lower(fields[18]);
    ASSERT_GE(corner.size(), 4u);
    EXPECT_EQ(corner.substr(corner.size() - 4), ".tzv");
    EXPECT_TRUE(fs::is_regular_file(kSkinFolder / fields[18]));
}

TEST(DefaultSkin, BlankButtonsMatchTheFifteenPictureButtons) {
    int found = 0;
    for (const auto& f : kSkinFields) {
        if (f.field > 17) continue;
        SCOPED_TRACE(f.control);
        const auto size =
            LoadPictureSize(kAssets / "Blank Buttons" / ("B-" + std::string(f.control)));
        ASSERT_TRUE(size.has_value());
        EXPECT_EQ(size->widthPx, f.width);
        EXPECT_EQ(size->heightPx, f.height);
        ++found;
    }
    EXPECT_EQ(found, 15);
}

// ---------------------------------------------------------------- clips and sounds

// Finds a RIFF chunk (or LIST) with the given id anywhere after from; returns the offset of its
// data.
std::optional<size_t> FindChunk(const std::string& b, const char* id, size_t from = 12) {
    const auto at = b.find(id, from);
    if (at == std::string::npos || at + 8 > b.size()) return std::nullopt;
    return at + 8;
}

struct ClipInfo {
    uint32_t microSecPerFrame = 0;
    uint32_t frames = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    std::string codec;
};

std::optional<ClipInfo> ReadClip(const fs::path& path) {
    const auto bytes = ReadFile(path);
    if (!bytes || bytes->size() < 64) return std::nullopt;
    const std::string& b = *bytes;
    if (b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "AVI ") != 0) return std::nullopt;
    if (Le32(b, 4) + 8 != b.size()) return std::nullopt;
    const auto avih = FindChunk(b, "avih");
    const auto strf = FindChunk(b, "strf");
    if (!avih || !strf) return std::nullopt;
    ClipInfo c;
    c.microSecPerFrame = Le32(b, *avih);
    c.frames = Le32(b, *avih + 16);
    c.width = Le32(b, *avih + 32);
    c.height = Le32(b, *avih + 36);
    c.codec = b.substr(*strf + 16, 4);
    return c;
}

TEST(CornerAnimations, SeventeenShortClipsForTheCornerStrip) {
    std::set<std::string> contents;
    for (int n = 1; n <= 17; ++n) {
        const auto path = kAssets / "avi" / ("anim" + std::to_string(n) + ".avi");
        SCOPED_TRACE(path.filename().string());
        const auto clip = ReadClip(path);
        ASSERT_TRUE(clip.has_value()) << "not an AVI file";
        EXPECT_EQ(clip->width, 221u);
        EXPECT_EQ(clip->height, 83u);
        // Motion JPEG or Microsoft Video 1: both play in GStreamer's and ffmpeg's builds.
        EXPECT_TRUE(clip->codec == "MJPG" || clip->codec == "CRAM" || clip->codec == "MSVC")
            << clip->codec;
        const double seconds = double(clip->microSecPerFrame) * clip->frames / 1e6;
        EXPECT_GE(seconds, 1.5);
        EXPECT_LE(seconds, 3.0);
        EXPECT_LT(fs::file_size(path), 200u * 1024u);
        EXPECT_TRUE(contents.insert(ReadFile(path).value_or("")).second) << "same as another clip";
    }
}

struct SoundInfo {
    uint16_t format = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t bits = 0;
    uint32_t dataBytes = 0;
};

std::optional<SoundInfo> ReadSound(const fs::path& path) {
    const auto bytes = ReadFile(path);
    if (!bytes || bytes->size() < 44) return std::nullopt;
    const std::string& b = *bytes;
    if (b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return std::nullopt;
    const auto fmt = FindChunk(b, "fmt ");
    const auto data = FindChunk(b, "data");
    if (!fmt || !data) return std::nullopt;
    SoundInfo s;
    s.format = Le16(b, *fmt);
    s.channels = Le16(b, *fmt + 2);
    s.rate = Le32(b, *fmt + 4);
    s.bits = Le16(b, *fmt + 14);
    s.dataBytes = Le32(b, *data - 4);
    if (*data + s.dataBytes > b.size()) return std::nullopt;
    return s;
}

TEST(DesignSounds, LaunchAndCancelAreShortPcmSounds) {
    for (const char* name : {"qvxLaunch.wav", "qvxCancel.wav"}) {
        SCOPED_TRACE(name);
        const auto s = ReadSound(kAssets / name);
        ASSERT_TRUE(s.has_value()) << "not a WAVE file";
        EXPECT_EQ(s->format, 1);  // PCM
        ASSERT_GT(s->channels, 0);
        ASSERT_GT(s->bits, 0);
        ASSERT_GT(s->rate, 0u);
        const double seconds = double(s->dataBytes) / (s->channels * (s->bits / 8) * s->rate);
        EXPECT_GE(seconds, 0.2);
        EXPECT_LE(seconds, 2.0);
    }
}

// ---------------------------------------------------------------- the maker's site pages

// The content filter's phrases: a page holding one of them (lower-cased) is blocked.
const char* const kFilterPhrases[] = {
    "legal age",        "age 18",         "age 21",         "below age",      "under age",
    "enter leave",      "leave enter",    "adult material", "adult contents", "do not enter",
    " adult check ",    "wet pussy",      " cum ",          "anal sex",       "sex illustrated",
    "young babes",      "horny girls",    "lolitas",        " tits ",         "sexually explicit",
    "must be at least", "blow job",       "anal pics",      "erotic",         "erotica",
    "do not proceed",   "adult content",  "the age of 18",  "the age of 21",  "xxx",
    "adult check",      "nude pic",       "whore",          "hardcore pic",   "extreme hardcore",
    "nude celeb",       "celebrety nude", "sex pic",        "big breast",     "adult service",
    "porn star",        "nude images",
};
static_assert(std::size(kFilterPhrases) == 42);

const char* const kSitePages[] = {"site/index.htm", "site/blocked.htm", "site/hit/left2jp.html"};

// The text a reader sees: tags dropped, every run of white space made one blank.
std::string VisibleText(const std::string& html) {
    std::string out;
    bool inTag = false;
    for (char c : html) {
        if (c == '<') inTag = true;
        if (!inTag) out += std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
        if (c == '>') {
            inTag = false;
            out += ' ';
        }
    }
    std::string collapsed;
    for (char c : out)
        if (!(c == ' ' && !collapsed.empty() && collapsed.back() == ' ')) collapsed += c;
    return collapsed;
}

TEST(SitePages, NoPageHoldsAPhraseOfTheContentFilter) {
    for (const char* page : kSitePages) {
        SCOPED_TRACE(page);
        const auto html = ReadFile(kAssets / page);
        ASSERT_TRUE(html.has_value());
        const auto markup = Lower(*html);
        const auto visible = Lower(VisibleText(*html));
        for (const char* phrase : kFilterPhrases) {
            EXPECT_EQ(markup.find(phrase), std::string::npos) << "markup holds " << phrase;
            EXPECT_EQ(visible.find(phrase), std::string::npos) << "text holds " << phrase;
        }
    }
}

TEST(SitePages, NoPageCarriesADesignRecord) {
    const char* const codes[] = {"FRM", "BCK", "FWD", "HME", "RFH",
                                 "STP", "TUL", "SBR", "BSW", "RGN"};
    for (const char* page : kSitePages) {
        SCOPED_TRACE(page);
        const auto html = ReadFile(kAssets / page).value_or("");
        std::istringstream lines(html);
        std::string line;
        while (std::getline(lines, line)) {
            if (line.rfind("<! ", 0) != 0) continue;
            const auto token = line.substr(3, 3);
            for (const char* code : codes)
                EXPECT_NE(token, code) << line;
        }
    }
}

TEST(SitePages, PagesLoadNothingFromElsewhere) {
    for (const char* page : kSitePages) {
        SCOPED_TRACE(page);
        const auto html = Lower(ReadFile(kAssets / page).value_or(""));
        EXPECT_NE(html.find("<html"), std::string::npos);
        EXPECT_EQ(html.find("<link"), std::string::npos);
        EXPECT_EQ(html.find("@import"), std::string::npos);
        EXPECT_EQ(html.find("url("), std::string::npos);
        EXPECT_EQ(html.find(" src="), std::string::npos);
    }
}

TEST(SitePages, BlockedPageLeadsBackToTheStartPage) {
    const auto html = ReadFile(kAssets / "site/blocked.htm").value_or("");
    EXPECT_NE(html.find("href=\"/\""), std::string::npos);
}

}  // namespace
