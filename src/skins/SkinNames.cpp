#include "skins/SkinNames.h"

#include "shared/ModuleFucns.h"

namespace quillo {

std::string WithoutLineBreaks(const std::string& text) {
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        kept += text[i];
    }
    return kept;
}

std::vector<std::string> SkinListEntries(const std::string& text) {
    std::vector<std::string> entries(1);
    for (char c : text) {
        if (c == kSkinEntryEnd)
            entries.emplace_back();
        else
            entries.back() += c;
    }
    return entries;
}

bool SkinListed(const std::string& listText, const std::string& name) {
    const std::string wanted = MakeUpperCase(name);
    for (const std::string& entry : SkinListEntries(WithoutLineBreaks(listText)))
        if (MakeUpperCase(entry) == wanted) return true;
    return false;
}

std::string ReplaceSkinEntries(const std::string& listText, const std::string& oldName,
                               const std::string& newName) {
    const std::string wanted = MakeUpperCase(oldName);
    std::vector<std::string> entries = SkinListEntries(listText);
    // The text after the last Chr(2) is no entry of its own (a line end, or nothing).
    const std::string tail = entries.back();
    entries.pop_back();
    std::string result;
    for (const std::string& entry : entries) {
        if (MakeUpperCase(entry) != wanted)
            result += entry + kSkinEntryEnd;
        else if (!newName.empty())
            result += newName + kSkinEntryEnd;
    }
    return result + tail;
}

bool IsSafeSkinName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == '<' || c == '>') return false;
    return true;
}

}  // namespace quillo
