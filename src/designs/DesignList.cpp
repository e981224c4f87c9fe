#include "designs/DesignList.h"

#include "runtime/Application.h"

namespace quillo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::vector<std::string> Lines(const std::string& Text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= Text.size()) {
        std::size_t end = Text.find(kLineEnd, start);
        if (end == std::string::npos) end = Text.size();
        if (end > start) lines.push_back(Text.substr(start, end - start));
        start = end + kLineEnd.size();
    }
    return lines;
}

SavedDesign Entry(const std::string& Line) {
    const std::size_t separator = Line.find('~');
    if (separator == std::string::npos) return {Line, Line};
    return {Line.substr(0, separator), Line.substr(separator + 1)};
}

}  // namespace

std::string DesignListPath() {
    return runtime::app().App().Path + "/DesignData.inf";
}

std::vector<SavedDesign> ReadDesignList(const std::string& Text) {
    std::vector<SavedDesign> entries;
    for (const std::string& line : Lines(Text))
        entries.push_back(Entry(line));
    return entries;
}

std::optional<SavedDesign> FindSavedDesign(const std::string& Text, const std::string& Name) {
    for (const SavedDesign& entry : ReadDesignList(Text))
        if (entry.Name == Name) return entry;
    return std::nullopt;
}

std::string RemoveSavedDesign(const std::string& Text, const std::string& Name) {
    std::string kept;
    for (const std::string& line : Lines(Text))
        if (Entry(line).Name != Name) kept += line + std::string(kLineEnd);
    return kept;
}

std::string CleanDesignName(const std::string& Name) {
    const std::size_t first = Name.find_first_not_of(' ');
    std::string trimmed = first == std::string::npos
                              ? ""
                              : Name.substr(first, Name.find_last_not_of(' ') - first + 1);
    std::string clean;
    for (char c : trimmed)
        if (c != '~' && c != '\r' && c != '\n') clean += c;
    return clean;
}

}  // namespace quillo
