#include "runtime/PathResolver.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace quillo::runtime {

namespace fs = std::filesystem;

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

namespace {

std::vector<std::string> splitParts(std::string_view path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

bool exists(const std::string& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found && !error;
}

// The entry of folder that matches name without regard to letter case, or name itself.
std::string matchInFolder(const std::string& folder, const std::string& name) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) return name;
    std::string wanted = LowerAscii(name);
    std::vector<std::string> matches;
    for (const auto& entry : entries) {
        std::string candidate = entry.path().filename().string();
        if (LowerAscii(candidate) == wanted) matches.push_back(candidate);
    }
    if (matches.empty()) return name;
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::string ResolvePath(std::string_view path) {
    std::vector<std::string> parts = splitParts(path);
    std::string resolved;
    bool folderExists = true;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        std::string prefix = resolved;
        if (i > 0) prefix += '/';
        if (part.empty() || part == "." || part == "..") {
            resolved = prefix + part;
            continue;
        }
        std::string exact = prefix + part;
        if (!folderExists || exists(exact)) {
            resolved = exact;
        } else {
            std::string folder = i == 0 ? "." : (resolved.empty() ? "/" : resolved);
            resolved = prefix + matchInFolder(folder, part);
        }
        folderExists = folderExists && exists(resolved);
    }
    return resolved;
}

}  // namespace quillo::runtime
