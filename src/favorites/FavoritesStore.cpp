#include "favorites/FavoritesStore.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>

#include "runtime/PathResolver.h"
#include "runtime/WholeFile.h"

namespace quillo {

namespace {

constexpr std::string_view kNewFolder = "New Folder";
constexpr std::size_t kNumberSlots = 100;

// The text read as a decimal number (sign, fraction and exponent allowed) and rounded to a
// 16-bit integer, a half to the even neighbour; nothing for other text or numbers out of range.
std::optional<std::int16_t> SixteenBitNumber(const std::string& text) {
    if (text.empty() || text.find_first_not_of("+-.0123456789eE") != std::string::npos)
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno != 0 || !std::isfinite(value))
        return std::nullopt;
    const double whole = std::nearbyint(value);
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

}  // namespace

std::string ShortcutText(std::string_view address) {
    return "[InternetShortcut]\r\nURL=" + std::string(address) + "\r\n";
}

bool WriteShortcut(const std::string& file, std::string_view address) {
    return runtime::ReplaceFile(file, ShortcutText(address));
}

std::string TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool IsSafeName(std::string_view name) {
    return IsEntryName(name) && name.find('\\') == std::string_view::npos;
}

bool IsBlankName(std::string_view name) {
    return name.find_first_not_of(" \t\r\n\v\f.") == std::string_view::npos;
}

bool IsEntryName(std::string_view name) {
    return name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

bool RenameInFolder(const std::string& path, const std::string& name) {
    namespace fs = std::filesystem;
    if (!IsSafeName(name)) return false;
    const fs::path source = runtime::ResolvePath(path);
    const fs::path target = source.parent_path() / name;
    // Names are matched without regard to letter case: the entry that answers to the new name
    // may only be the one renamed.
    const fs::path holder = runtime::ResolvePath(target.string());
    std::error_code error;
    const bool answered = fs::symlink_status(holder, error).type() != fs::file_type::not_found;
    const bool itself = answered && fs::equivalent(holder, source, error) && !error;
    if (answered && !itself) return false;
    fs::rename(source, target, error);
    return !error;
}

std::string NewFolderName(const std::vector<std::string>& siblings) {
    // Numbers fill the first free slot; zero marks a free slot, and numbers beyond the last
    // slot are dropped.
    std::vector<std::int16_t> slots(kNumberSlots, 0);
    for (const std::string& name : siblings) {
        if (!name.starts_with(kNewFolder)) continue;
        const std::size_t space = name.rfind(' ');
        const auto number = SixteenBitNumber(name.substr(space + 1));
        if (!number) continue;
        auto free = std::find(slots.begin(), slots.end(), 0);
        if (free != slots.end()) *free = *number;
    }
    int k = 1;
    while (std::find(slots.begin(), slots.end(), k) != slots.end())
        ++k;
    return std::string(kNewFolder) + " " + std::to_string(k);
}

}  // namespace quillo
