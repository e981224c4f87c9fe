#include "runtime/headless/ScriptedPage.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "runtime/HtmlComments.h"
#include "runtime/PathResolver.h"

namespace quillo::headless {

namespace {

constexpr std::array<std::string_view, 14> kVoid = {"area",  "base",  "br",     "col",   "embed",
                                                    "frame", "hr",    "img",    "input", "link",
                                                    "meta",  "param", "source", "wbr"};
constexpr std::array<std::string_view, 9> kRawText = {
    "script", "style", "textarea", "title", "xmp", "iframe", "noembed", "noframes", "noscript"};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

void appendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string decodeEntities(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        std::size_t semi = text.find(';', i);
        if (semi == std::string_view::npos || semi - i > 10) {
            out += '&';
            continue;
        }
        std::string_view name = text.substr(i + 1, semi - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "nbsp")
            out += "\xC2\xA0";
        else if (name.size() > 1 && name[0] == '#') {
            bool hex = name[1] == 'x' || name[1] == 'X';
            std::string digits(name.substr(hex ? 2 : 1));
            char* end = nullptr;
            unsigned long code = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
            if (digits.empty() || *end != '\0') {
                out += '&';
                continue;
            }
            appendUtf8(out, code);
        } else {
            out += '&';
            continue;
        }
        i = semi;
    }
    return out;
}

std::string resolve(const std::string& base, const std::string& ref) {
    if (ref.find("://") != std::string::npos || ref.starts_with("about:")) return ref;
    std::size_t scheme = base.find("://");
    if (scheme == std::string::npos) return ref;
    std::size_t pathStart = base.find('/', scheme + 3);
    std::string origin = pathStart == std::string::npos ? base : base.substr(0, pathStart);
    if (ref.starts_with("/")) return origin + ref;
    std::string dir =
        pathStart == std::string::npos ? origin + "/" : base.substr(0, base.rfind('/') + 1);
    return dir + ref;
}

struct Tag {
    std::string name;  // lower case
    bool end = false;
    bool selfClosing = false;
    std::string src;
    std::size_t from = 0;
    std::size_t to = 0;  // after ">"
};

// Reads a tag starting at "<"; the name begins at from + 1 (+ 2 for an end tag).
Tag readTag(std::string_view s, std::size_t from) {
    Tag tag;
    tag.from = from;
    std::size_t i = from + 1;
    if (s[i] == '/') {
        tag.end = true;
        ++i;
    }
    std::size_t start = i;
    while (i < s.size() && !isSpace(s[i]) && s[i] != '/' && s[i] != '>')
        ++i;
    tag.name = LowerAscii(s.substr(start, i - start));
    while (i < s.size()) {
        while (i < s.size() && isSpace(s[i]))
            ++i;
        if (i >= s.size()) break;
        if (s[i] == '>') {
            ++i;
            break;
        }
        if (s[i] == '/') {
            tag.selfClosing = s.substr(i + 1, 1) == ">";
            ++i;
            continue;
        }
        std::size_t nameStart = i++;
        while (i < s.size() && !isSpace(s[i]) && s[i] != '/' && s[i] != '>' && s[i] != '=')
            ++i;
        std::string attr = LowerAscii(s.substr(nameStart, i - nameStart));
        std::string value;
        while (i < s.size() && isSpace(s[i]))
            ++i;
        if (i < s.size() && s[i] == '=') {
            ++i;
            while (i < s.size() && isSpace(s[i]))
                ++i;
            if (i < s.size() && (s[i] == '"' || s[i] == '\'')) {
                std::size_t close = s.find(s[i], i + 1);
                if (close == std::string_view::npos) close = s.size();
                value = std::string(s.substr(i + 1, close - i - 1));
                i = std::min(close + 1, s.size());
            } else {
                std::size_t vs = i;
                while (i < s.size() && !isSpace(s[i]) && s[i] != '>')
                    ++i;
                value = std::string(s.substr(vs, i - vs));
            }
        }
        if (attr == "src") tag.src = decodeEntities(value);
    }
    tag.to = i;
    return tag;
}

}  // namespace

ScriptedPage ScriptedPage::fromHtml(std::string_view s, const std::string& address) {
    ScriptedPage page;
    std::vector<SourceComment> comments = ScanComments(s);
    std::size_t nextComment = 0;
    std::vector<std::size_t> open;  // indices into elements
    std::size_t bodyIndex = std::string::npos;
    std::size_t bodyFrom = std::string::npos, bodyInnerFrom = 0, bodyInnerTo = 0, bodyTo = 0;
    bool bodyClosed = false;

    auto addText = [&](std::string_view raw) {
        std::string text = decodeEntities(raw);
        for (std::size_t index : open)
            *page.elements[index].text += text;
    };
    auto closeElement = [&](const std::string& name) {
        for (std::size_t k = open.size(); k-- > 0;) {
            if (LowerAscii(page.elements[open[k]].tagName) == name) {
                open.resize(k);
                return;
            }
        }
    };

    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t lt = s.find('<', i);
        if (lt == std::string_view::npos) {
            addText(s.substr(i));
            break;
        }
        addText(s.substr(i, lt - i));
        char next = lt + 1 < s.size() ? s[lt + 1] : '\0';
        bool tagStart = std::isalpha(static_cast<unsigned char>(next)) ||
                        (next == '/' && lt + 2 < s.size() &&
                         std::isalpha(static_cast<unsigned char>(s[lt + 2])));
        if (!tagStart) {
            // A comment where the scanner found one, else a plain "<".
            if (nextComment < comments.size() &&
                s.substr(lt).starts_with(comments[nextComment].text)) {
                page.elements.push_back({"!", comments[nextComment].text});
                i = lt + comments[nextComment].text.size();
                ++nextComment;
            } else if (next == '!' && s.substr(lt + 2).size() >= 7 &&
                       LowerAscii(s.substr(lt + 2, 7)) == "doctype") {
                std::size_t close = s.find('>', lt);
                i = close == std::string_view::npos ? s.size() : close + 1;
            } else {
                addText("<");
                i = lt + 1;
            }
            continue;
        }
        Tag tag = readTag(s, lt);
        i = tag.to;
        if (tag.end) {
            if (tag.name == "body" && bodyIndex != std::string::npos && !bodyClosed) {
                bodyInnerTo = tag.from;
                bodyTo = tag.to;
                bodyClosed = true;
            }
            closeElement(tag.name);
            continue;
        }
        page.elements.push_back({upper(tag.name), std::string()});
        std::size_t index = page.elements.size() - 1;
        if ((tag.name == "frame" || tag.name == "iframe") && !tag.src.empty())
            page.frames.push_back(resolve(address, tag.src));
        if ((tag.name == "body" || tag.name == "frameset") && bodyIndex == std::string::npos) {
            bodyIndex = index;
            bodyFrom = tag.from;
            bodyInnerFrom = tag.to;
        }
        if (among(kRawText, tag.name)) {
            std::size_t end = s.size();
            for (std::size_t k = i; (k = s.find("</", k)) != std::string_view::npos; k += 2) {
                if (LowerAscii(s.substr(k + 2, tag.name.size())) == tag.name) {
                    end = k;
                    break;
                }
            }
            std::string text = tag.name == "script" || tag.name == "style"
                                   ? std::string(s.substr(i, end - i))
                                   : decodeEntities(s.substr(i, end - i));
            for (std::size_t k : open)
                *page.elements[k].text += text;
            *page.elements[index].text = text;
            if (tag.name == "title" && page.title.empty()) page.title = text;
            std::size_t close = s.find('>', end);
            i = close == std::string_view::npos ? s.size() : close + 1;
            while (nextComment < comments.size() && s.find(comments[nextComment].text, lt) < i)
                ++nextComment;
            continue;
        }
        if (!tag.selfClosing && !among(kVoid, tag.name)) open.push_back(index);
    }

    if (bodyIndex != std::string::npos) {
        if (!bodyClosed) {
            bodyInnerTo = s.size();
            bodyTo = s.size();
        }
        HtmlBodyData body;
        body.tagName = page.elements[bodyIndex].tagName;
        body.text = page.elements[bodyIndex].text;
        body.innerHtml = std::string(s.substr(bodyInnerFrom, bodyInnerTo - bodyInnerFrom));
        body.outerHtml = std::string(s.substr(bodyFrom, bodyTo - bodyFrom));
        page.body = std::move(body);
    }
    return page;
}

}  // namespace quillo::headless
