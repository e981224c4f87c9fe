#include "designs/MorphingFunctions.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

#include "designs/frmMBrowser.h"
#include "mainwindow/Variables.h"
#include "mainwindow/pornBuster.h"
#include "runtime/Application.h"
#include "runtime/PathResolver.h"
#include "shared/mdlFile.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

constexpr char kFieldSeparator = '\x02';

std::string_view trimmedBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A decimal number as a double: an optional sign, digits with an optional fraction and an optional
// exponent. Spellings such as "inf" and "nan" are no numbers here.
std::optional<double> numberOf(std::string_view text) {
    text = trimmedBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    bool startsWithDigit = text.front() >= '0' && text.front() <= '9';
    bool startsWithFraction =
        text.size() > 1 && text.front() == '.' && text[1] >= '0' && text[1] <= '9';
    if (!startsWithDigit && !startsWithFraction) return std::nullopt;
    double value = 0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

template <class Whole>
std::optional<Whole> wholeOf(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<Whole>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Whole>::max()))
        return std::nullopt;
    return static_cast<Whole>(rounded);
}

std::string lowerCased(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace

bool IsNewMorphWindow(const std::string& URL) {
    for (const runtime::Form* window : runtime::app().Forms())
        if (window->Name() == "frmMBrowser" && window->Tag() == URL) return false;
    return true;
}

void OpenDesignOfPage(runtime::WebBrowser& Browser, const runtime::BrowserObject& pDisp) {
    if (!MorphingEnabled) return;
    std::string location = Browser.LocationURL();
    if (!IsNewMorphWindow(location)) return;
    std::string design = GetCommentText(pDisp);
    if (design.empty()) return;
    auto& window = runtime::app().newForm<frmMBrowser>();
    window.setTag(location);
    window.MorphFromPage(design, location);
}

void ClearDesign(DesignSlots& Slots) {
    Slots = DesignSlots{};
}

std::optional<DesignCode> RecordCodeOf(std::string_view Token) {
    std::string_view code = Token.substr(0, 3);
    for (std::size_t i = 0; i < DesignCodes.size(); ++i)
        if (code == DesignCodes[i]) return static_cast<DesignCode>(i);
    return std::nullopt;
}

std::optional<DesignRecord> ParseRecordLine(std::string_view Line) {
    // Tokens are cut at every single space, so only the first three matter: the opener, the
    // record token, and anything at all after the second space.
    std::size_t firstSpace = Line.find(' ');
    if (firstSpace == std::string_view::npos) return std::nullopt;
    std::size_t secondSpace = Line.find(' ', firstSpace + 1);
    if (secondSpace == std::string_view::npos) return std::nullopt;
    if (Line.substr(0, firstSpace) != "<!") return std::nullopt;
    std::string_view token = Line.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    std::optional<DesignCode> code = RecordCodeOf(token);
    if (!code) return std::nullopt;
    return DesignRecord{*code, std::string(token)};
}

void ParseDesignRecords(std::string_view DesignText, DesignSlots& Slots) {
    std::size_t start = 0;
    while (start <= DesignText.size()) {
        std::size_t end = DesignText.find('\n', start);
        if (end == std::string_view::npos) end = DesignText.size();
        if (std::optional<DesignRecord> record =
                ParseRecordLine(DesignText.substr(start, end - start)))
            Slots[record->code] = std::move(record->token);
        start = end + 1;
    }
}

std::vector<std::string> RecordFields(std::string_view Token) {
    std::vector<std::string> fields;
    if (Token.empty()) return fields;
    std::size_t start = 0;
    while (true) {
        std::size_t end = Token.find(kFieldSeparator, start);
        if (end == std::string_view::npos) {
            fields.emplace_back(Token.substr(start));
            return fields;
        }
        fields.emplace_back(Token.substr(start, end - start));
        start = end + 1;
    }
}

bool ValidateDesign(const DesignSlots& Slots, std::int16_t& PendingDownloads) {
    auto countPicture = [&PendingDownloads] {
        if (PendingDownloads < std::numeric_limits<std::int16_t>::max()) ++PendingDownloads;
    };
    // A picture counts only as its record's last field, and only once it is not empty.
    for (DesignCode code :
         {DesignCode::BCK, DesignCode::FWD, DesignCode::RFH, DesignCode::HME, DesignCode::STP}) {
        std::vector<std::string> fields = RecordFields(Slots[code]);
        if (fields.size() < 5) return false;
        if (fields.size() == 6 && !fields[5].empty()) countPicture();
    }
    for (DesignCode code : {DesignCode::TUL, DesignCode::SBR, DesignCode::BSW})
        if (RecordFields(Slots[code]).size() < 5) return false;
    std::vector<std::string> window = RecordFields(Slots[DesignCode::FRM]);
    if (window.size() < 5) return false;
    if (window.size() == 7 && !window[6].empty()) countPicture();
    return true;
}

std::string DesignCacheFolder() {
    return runtime::app().App().WindowsDir + "/RN4KMorphingCache/";
}

bool MakeCacheFolder(const std::string& Path) {
    if (FolderExists(Path)) return true;
    std::error_code error;
    std::filesystem::create_directory(runtime::ResolvePath(Path), error);
    return !error && FolderExists(Path);
}

bool IsSafeCacheName(std::string_view Name) {
    if (Name.empty() || Name == "." || Name == "..") return false;
    for (char c : Name) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

std::optional<DesignKeys> DesignKeysOf(std::string_view URL) {
    constexpr std::string_view scheme = "http://";
    if (URL.size() < scheme.size() || lowerCased(URL.substr(0, scheme.size())) != scheme)
        return std::nullopt;
    std::string_view rest = URL.substr(scheme.size());
    if (rest.empty()) return std::nullopt;
    std::string_view host = rest;
    std::string_view page;
    if (std::size_t firstSlash = rest.find('/'); firstSlash != std::string_view::npos) {
        host = rest.substr(0, firstSlash);
        page = rest.substr(rest.rfind('/') + 1);
    }
    std::string pageName = page.empty() ? std::string("Root") : std::string(page);
    // Both become names inside the cache folder; one that is no plain name could reach outside.
    if (!IsSafeCacheName(host) || !IsSafeCacheName(pageName)) return std::nullopt;
    return DesignKeys{"\\" + std::string(host), "\\" + pageName};
}

std::optional<std::int16_t> IntegerOf(std::string_view Text) {
    std::optional<double> value = numberOf(Text);
    if (!value) return std::nullopt;
    return wholeOf<std::int16_t>(*value);
}

std::optional<std::int32_t> LongOf(std::string_view Text) {
    std::optional<double> value = numberOf(Text);
    if (!value) return std::nullopt;
    return wholeOf<std::int32_t>(*value);
}

std::optional<std::int16_t> IntegerOf(double Value) {
    return wholeOf<std::int16_t>(Value);
}

std::optional<std::vector<runtime::PointPx>> ParseRegionPoints(const std::string& Region,
                                                               const WindowFrame& Frame) {
    std::vector<std::string> fields = RecordFields(Region);
    if (fields.size() < 2) return std::nullopt;
    std::optional<std::int16_t> count = IntegerOf(fields[1]);
    if (!count || *count < 0) return std::nullopt;
    std::size_t pointFields = fields.size() - 2;
    if (pointFields > static_cast<std::size_t>(*count)) return std::nullopt;

    // The outline is given over the whole window, the points over its client area.
    std::optional<std::int16_t> dx = IntegerOf((Frame.Width - Frame.ScaleWidth) / 2);
    if (!dx) return std::nullopt;
    std::optional<std::int16_t> dy = IntegerOf((Frame.Height - Frame.ScaleHeight) - *dx);
    if (!dy) return std::nullopt;
    std::int32_t offsetX = TwipsToPixels(*dx);
    std::int32_t offsetY = TwipsToPixels(*dy);

    std::vector<runtime::PointPx> points(static_cast<std::size_t>(*count),
                                         runtime::PointPx{offsetX, offsetY});
    for (std::size_t k = 0; k < pointFields; ++k) {
        std::string_view field = fields[k + 2];
        std::size_t first = field.find('|');
        std::string_view xText = first == std::string_view::npos ? field : field.substr(0, first);
        std::string_view yText =
            first == std::string_view::npos ? field : field.substr(field.rfind('|') + 1);
        std::optional<std::int16_t> x = IntegerOf(xText);
        std::optional<std::int16_t> y = IntegerOf(yText);
        if (!x || !y) return std::nullopt;
        points[k] = runtime::PointPx{*x + offsetX, *y + offsetY};
    }
    return points;
}

std::optional<std::vector<runtime::PointPx>> ParseRegionPoints(const std::string& Region,
                                                               const runtime::Form& Window) {
    return ParseRegionPoints(Region, WindowFrame{Window.Width(), Window.Height(),
                                                 Window.ScaleWidth(), Window.ScaleHeight()});
}

}  // namespace quillo
