#include "runtime/FolderListing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "runtime/PathResolver.h"
#include "runtime/Utf8.h"
#include "runtime/WholeFile.h"

namespace quillo::runtime {

namespace fs = std::filesystem;

namespace {

enum class Wanted { Files, Folders };

std::vector<std::string> splitPatterns(std::string_view patterns) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : patterns) {
        if (c == ';') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else if (c != ' ' || !part.empty()) {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

bool beforeInList(const std::string& a, const std::string& b) {
    std::string lowerA = LowerAscii(a);
    std::string lowerB = LowerAscii(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
}

std::optional<std::vector<std::string>> list(std::string_view folder, Wanted wanted,
                                             const std::vector<std::string>& patterns,
                                             bool hidden) {
    std::error_code error;
    fs::directory_iterator entries(ResolvePath(folder), error);
    if (error) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        std::string name = entry.path().filename().string();
        if (name.empty() || (name[0] == '.' && !hidden)) continue;
        bool folderEntry = entry.is_directory(error);
        if (error || folderEntry != (wanted == Wanted::Folders)) continue;
        if (wanted == Wanted::Files && !entry.is_regular_file(error)) continue;
        // The program's new file before it takes its name (being written, or left by a run that
        // was killed) is nothing of the user's; a folder of such a name is.
        if (wanted == Wanted::Files && IsReplacementName(name)) continue;
        bool matching = patterns.empty() ||
                        std::any_of(patterns.begin(), patterns.end(), [&](const std::string& p) {
                            return FolderListing::matches(name, p);
                        });
        if (matching) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), beforeInList);
    return names;
}

bool matchFrom(const std::vector<char32_t>& name, std::size_t n,
               const std::vector<char32_t>& pattern, std::size_t p) {
    auto lower = [](char32_t c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    while (p < pattern.size()) {
        if (pattern[p] == '*') {
            for (std::size_t rest = n; rest <= name.size(); ++rest)
                if (matchFrom(name, rest, pattern, p + 1)) return true;
            return false;
        }
        if (n >= name.size()) return false;
        if (pattern[p] != '?' && lower(pattern[p]) != lower(name[n])) return false;
        ++n;
        ++p;
    }
    return n == name.size();
}

}  // namespace

std::optional<std::vector<std::string>> FolderListing::files(std::string_view folder,
                                                             std::string_view patterns,
                                                             bool hidden) {
    std::vector<std::string> wanted = splitPatterns(patterns);
    bool everything = std::any_of(wanted.begin(), wanted.end(),
                                  [](const std::string& p) { return p == "*.*" || p == "*"; });
    if (everything) wanted.clear();
    return list(folder, Wanted::Files, wanted, hidden);
}

std::optional<std::vector<std::string>> FolderListing::folders(std::string_view folder,
                                                               bool hidden) {
    return list(folder, Wanted::Folders, {}, hidden);
}

bool FolderListing::matches(std::string_view name, std::string_view pattern) {
    return matchFrom(DecodeUtf8(name), 0, DecodeUtf8(pattern), 0);
}

std::string FolderListing::trimmed(std::string_view path) {
    std::string kept(path);
    while (kept.size() > 1 && kept.back() == '/')
        kept.pop_back();
    return kept;
}

}  // namespace quillo::runtime
