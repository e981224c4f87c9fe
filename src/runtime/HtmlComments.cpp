#include "runtime/HtmlComments.h"

#include <array>
#include <cctype>

#include "runtime/PathResolver.h"

namespace quillo::runtime {

namespace {

constexpr std::array<std::string_view, 9> kRawText = {
    "script", "style", "textarea", "title", "xmp", "iframe", "noembed", "noframes", "noscript"};

bool isAlpha(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The parser's input preprocessing: CR LF and lone CR become LF, NUL becomes U+FFFD.
std::string normalized(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\0') {
            out += "\xEF\xBF\xBD";
        } else {
            out += c;
        }
    }
    return out;
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) return false;
    return LowerAscii(text.substr(at, prefix.size())) == prefix;
}

// Skips a start or end tag whose name begins at i; returns the index after its ">" and the
// lower-case name.
std::size_t skipTag(std::string_view s, std::size_t i, std::string& name) {
    std::size_t start = i;
    while (i < s.size() && !isSpace(s[i]) && s[i] != '/' && s[i] != '>')
        ++i;
    name = LowerAscii(s.substr(start, i - start));
    while (i < s.size()) {
        while (i < s.size() && (isSpace(s[i]) || s[i] == '/'))
            ++i;
        if (i >= s.size()) break;
        if (s[i] == '>') return i + 1;
        // Attribute name; a leading "=" belongs to it.
        ++i;
        while (i < s.size() && !isSpace(s[i]) && s[i] != '/' && s[i] != '>' && s[i] != '=')
            ++i;
        while (i < s.size() && isSpace(s[i]))
            ++i;
        if (i < s.size() && s[i] == '=') {
            ++i;
            while (i < s.size() && isSpace(s[i]))
                ++i;
            if (i < s.size() && (s[i] == '"' || s[i] == '\'')) {
                std::size_t close = s.find(s[i], i + 1);
                i = close == std::string_view::npos ? s.size() : close + 1;
            } else {
                while (i < s.size() && !isSpace(s[i]) && s[i] != '>')
                    ++i;
            }
        }
    }
    return s.size();
}

// The end of a raw-text element's content: the index of its "</name".
std::size_t rawTextEnd(std::string_view s, std::size_t i, std::string_view name) {
    for (;;) {
        std::size_t lt = s.find("</", i);
        if (lt == std::string_view::npos) return s.size();
        std::size_t after = lt + 2 + name.size();
        if (startsWithNoCase(s, lt + 2, name) &&
            (after >= s.size() || isSpace(s[after]) || s[after] == '/' || s[after] == '>'))
            return lt;
        i = lt + 2;
    }
}

void addComment(std::vector<SourceComment>& out, std::string_view s, std::size_t from,
                std::size_t to, std::size_t dataFrom, std::size_t dataTo) {
    out.push_back({std::string(s.substr(from, to - from)),
                   normalized(s.substr(dataFrom, dataTo - dataFrom))});
}

}  // namespace

std::vector<SourceComment> ScanComments(std::string_view s) {
    std::vector<SourceComment> out;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t lt = s.find('<', i);
        if (lt == std::string_view::npos || lt + 1 >= s.size()) break;
        char next = s[lt + 1];
        if (next == '!') {
            std::size_t body = lt + 2;
            if (s.substr(body, 2) == "--") {
                std::size_t inner = body + 2;
                if (s.substr(inner, 1) == ">") {  // "<!-->"
                    addComment(out, s, lt, inner + 1, inner, inner);
                    i = inner + 1;
                    continue;
                }
                if (s.substr(inner, 2) == "->") {  // "<!--->"
                    addComment(out, s, lt, inner + 2, inner, inner);
                    i = inner + 2;
                    continue;
                }
                std::size_t end = inner;
                for (;;) {
                    end = s.find("--", end);
                    if (end == std::string_view::npos) break;
                    if (s.substr(end + 2, 1) == ">") break;
                    if (s.substr(end + 2, 2) == "!>") break;
                    ++end;
                }
                if (end == std::string_view::npos) {
                    addComment(out, s, lt, s.size(), inner, s.size());
                    break;
                }
                std::size_t close = s.find('>', end);
                addComment(out, s, lt, close + 1, inner, end);
                i = close + 1;
                continue;
            }
            std::size_t close = s.find('>', body);
            if (startsWithNoCase(s, body, "doctype")) {
                i = close == std::string_view::npos ? s.size() : close + 1;
                continue;
            }
            std::size_t to = close == std::string_view::npos ? s.size() : close;
            addComment(out, s, lt, close == std::string_view::npos ? s.size() : close + 1, body,
                       to);
            i = to + 1;
        } else if (next == '?') {
            std::size_t close = s.find('>', lt + 1);
            std::size_t to = close == std::string_view::npos ? s.size() : close;
            addComment(out, s, lt, close == std::string_view::npos ? s.size() : close + 1, lt + 1,
                       to);
            i = to + 1;
        } else if (next == '/') {
            std::size_t at = lt + 2;
            if (at < s.size() && isAlpha(s[at])) {
                std::string name;
                i = skipTag(s, at, name);
            } else if (at < s.size() && s[at] == '>') {
                i = at + 1;
            } else {
                std::size_t close = s.find('>', at);
                std::size_t to = close == std::string_view::npos ? s.size() : close;
                addComment(out, s, lt, close == std::string_view::npos ? s.size() : close + 1, at,
                           to);
                i = to + 1;
            }
        } else if (isAlpha(next)) {
            std::string name;
            i = skipTag(s, lt + 1, name);
            if (name == "plaintext") break;
            for (std::string_view raw : kRawText)
                if (name == raw) {
                    i = rawTextEnd(s, i, raw);
                    break;
                }
        } else {
            i = lt + 1;
        }
    }
    return out;
}

std::vector<std::string> MatchComments(const std::vector<std::string>& domData,
                                       const std::vector<SourceComment>& source) {
    std::vector<std::string> texts;
    std::size_t next = 0;
    for (const std::string& data : domData) {
        std::size_t k = next;
        while (k < source.size() && source[k].data != data)
            ++k;
        if (k < source.size()) {
            texts.push_back(source[k].text);
            next = k + 1;
        } else {
            texts.push_back("<!--" + data + "-->");
        }
    }
    return texts;
}

}  // namespace quillo::runtime
