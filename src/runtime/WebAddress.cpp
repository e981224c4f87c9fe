#include "runtime/WebAddress.h"

#include <array>
#include <cctype>

#include "runtime/PathResolver.h"

namespace quillo::runtime {

namespace {

// Schemes a bare "name:" is taken as; anything else before a colon is a host with a port.
constexpr std::array<std::string_view, 14> kSchemes = {
    "about", "http", "https",       "ftp",  "file", "mailto", "javascript",
    "data",  "res",  "view-source", "blob", "ws",   "wss",    "chrome"};

bool isSchemeChar(char c, bool first) {
    auto u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) return true;
    return !first && (std::isdigit(u) || c == '+' || c == '-' || c == '.');
}

}  // namespace

std::string_view TrimAddress(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string CompleteAddress(std::string_view typed) {
    std::string_view text = TrimAddress(typed);
    if (text.empty()) return {};
    if (text.front() == '/') return "file://" + std::string(text);
    std::size_t colon = text.find(':');
    if (colon != std::string_view::npos && colon > 0) {
        bool scheme = true;
        for (std::size_t i = 0; i < colon; ++i)
            scheme = scheme && isSchemeChar(text[i], i == 0);
        if (scheme) {
            std::string name = LowerAscii(text.substr(0, colon));
            for (std::string_view known : kSchemes)
                if (name == known) return std::string(text);
            if (text.substr(colon + 1).starts_with("//")) return std::string(text);
        }
    }
    return "http://" + std::string(text);
}

}  // namespace quillo::runtime
