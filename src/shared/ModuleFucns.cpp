#include "shared/ModuleFucns.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "runtime/Application.h"
#include "runtime/PathResolver.h"
#include "runtime/WholeFile.h"

namespace quillo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEmptyDelimiterMessage =
    "In function ExtractOne, you must enter a StartString and EndString";

// Appending rewrites the whole file through a new one, so a write that fails keeps the old text.
bool appendLine(const std::string& fileName, std::string_view text) {
    std::optional<std::string> bytes = runtime::ReadFileForChange(fileName);
    if (!bytes) return false;
    bytes->append(text);
    bytes->append(kLineEnd);
    return runtime::ReplaceFile(fileName, *bytes);
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool isInsensitive(std::string_view caseMode) {
    return caseMode == "Insensitive";
}

bool sameText(std::string_view a, std::string_view b, bool insensitive) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && !(insensitive && upperAscii(a[i]) == upperAscii(b[i]))) return false;
    return true;
}

// The byte offset of the first search at or after from; A-Z fold to a-z when insensitive, which
// keeps the lengths of the matched text and of the search equal.
std::optional<std::size_t> findText(std::string_view text, std::string_view search,
                                    bool insensitive, std::size_t from = 0) {
    if (search.empty() || from > text.size()) return std::nullopt;
    for (std::size_t at = from; at + search.size() <= text.size(); ++at)
        if (sameText(text.substr(at, search.size()), search, insensitive)) return at;
    return std::nullopt;
}

// The end delimiter that closes an entry: the first one, or with "Furthest" the last one reached
// by stepping from one to the next.
std::optional<std::size_t> findEnd(std::string_view rest, std::string_view end, bool insensitive,
                                   std::string_view reach) {
    std::optional<std::size_t> found = findText(rest, end, insensitive);
    if (reach != "Furthest") return found;
    std::optional<std::size_t> last;
    while (found) {
        last = found;
        found = findText(rest, end, insensitive, *found + end.size());
    }
    return last;
}

long codePoints(std::string_view text) {
    long count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

void showEmptyDelimiterMessage() {
    runtime::app().backend().dialogs().messageBox(std::string(kEmptyDelimiterMessage),
                                                  runtime::MsgBoxButtons::OK,
                                                  runtime::MsgBoxIcon::None, "");
}

// One entry of a text: where its start delimiter begins and where its end delimiter ends.
struct Entry {
    std::string text;
    std::size_t end = 0;  // byte offset after the end delimiter
};

std::optional<Entry> nextEntry(const std::string& start, const std::string& end,
                               std::string_view caseMode, std::string_view boundaries,
                               std::string_view reach, std::string_view text) {
    bool insensitive = isInsensitive(caseMode);
    std::optional<std::size_t> opening = findText(text, start, insensitive);
    if (!opening) return std::nullopt;
    std::size_t inside = *opening + start.size();
    std::optional<std::size_t> closing = findEnd(text.substr(inside), end, insensitive, reach);
    if (!closing) return std::nullopt;
    std::string entry(text.substr(inside, *closing));
    if (boundaries == "Inclusive") entry = start + entry + end;
    return Entry{entry, inside + *closing + end.size()};
}

// Extract's one-delimiter mode: the first (or each) occurrence of the delimiter is replaced.
std::string replaceDelimiter(const std::string& delimiter, const std::string& replacement,
                             bool insensitive, bool all, const std::string& text, long& position) {
    std::string result;
    std::size_t done = 0;
    std::optional<std::size_t> found = findText(text, delimiter, insensitive);
    if (!found) return "";
    while (found) {
        result += text.substr(done, *found - done) + replacement;
        position = codePoints(result) + 1;
        done = *found + delimiter.size();
        found = all ? findText(text, delimiter, insensitive, done) : std::nullopt;
    }
    return result + text.substr(done);
}

// Extract with both delimiters and "Closest": each replaced pair continues after its end.
std::string replaceClosest(const std::string& start, const std::string& end,
                           const std::string& replacement, bool insensitive, bool inclusive,
                           bool all, const std::string& text, long& position) {
    std::string result;
    std::size_t done = 0;
    for (bool first = true; first || all; first = false) {
        std::optional<std::size_t> opening = findText(text, start, insensitive, done);
        if (!opening) return first ? "" : result + text.substr(done);
        std::size_t inside = *opening + start.size();
        std::optional<std::size_t> closing = findText(text, end, insensitive, inside);
        if (!closing) return first ? "" : result + text.substr(done);
        result += text.substr(done, *opening - done);
        result += inclusive ? replacement : start + replacement + end;
        position = codePoints(result) + 1;
        done = *closing + end.size();
    }
    return result + text.substr(done);
}

// Extract with both delimiters and "Furthest": from the first start to the last end.
std::string replaceFurthest(const std::string& start, const std::string& end,
                            const std::string& replacement, bool insensitive,
                            const std::string& text) {
    std::optional<std::size_t> opening = findText(text, start, insensitive);
    if (!opening) return "";
    std::size_t inside = *opening + start.size();
    std::string_view rest = std::string_view(text).substr(inside);
    std::optional<std::size_t> closing = findEnd(rest, end, insensitive, "Furthest");
    std::string_view after = closing ? rest.substr(*closing + end.size()) : rest;
    return text.substr(0, *opening) + replacement + std::string(after);
}

}  // namespace

bool FileIO(std::string_view Action, const std::string& FileName, std::string& Contents) {
    if (Action == "GetBinary" || Action == "GetContents") {
        if (!CheckFileExists(FileName)) return false;
        std::optional<std::string> bytes = runtime::ReadRegularFile(FileName);
        if (!bytes) return false;
        Contents = std::move(*bytes);
        return true;
    }
    if (Action == "Write") return runtime::ReplaceFile(FileName, Contents + std::string(kLineEnd));
    if (Action == "Append") return appendLine(FileName, Contents);
    return true;
}

bool InString(std::string_view Text, std::string_view Search, std::string_view CaseMode) {
    if (Text.empty()) return false;
    if (Search.empty()) return true;
    return findText(Text, Search, isInsensitive(CaseMode)).has_value();
}

std::string GetFileTitle(const std::string& Path) {
    std::string title = Path;
    for (char& c : title)
        if (c == '/') c = '\\';
    long position = 0;
    int countFlag = 0;
    if (InString(title, "\\", "Sensitive")) {
        std::string start = "<", end = "\\";
        title = Extract(start, end, "", "Sensitive", "Inclusive", "Furthest", "One", countFlag,
                        "<" + title, position);
    }
    if (InString(title, ".", "Sensitive")) {
        std::string start = ".", end = ">";
        title = Extract(start, end, "", "Sensitive", "Inclusive", "Furthest", "One", countFlag,
                        title + ">", position);
    }
    return title;
}

std::string MakeUpperCase(std::string_view Text) {
    std::string upper(Text);
    for (char& c : upper)
        c = upperAscii(c);
    return upper;
}

std::string CapitalizeFirst(std::string& Text) {
    if (!Text.empty()) Text[0] = upperAscii(Text[0]);
    return Text;
}

bool CheckFileExists(const std::string& FileName) {
    if (FileName.empty() || FileName.find('\0') != std::string::npos) return false;
    std::error_code error;
    return fs::exists(runtime::ResolvePath(FileName), error) && !error;
}

std::string Extract(std::string& StartString, std::string& EndString,
                    const std::string& ReplaceText, std::string_view CaseMode,
                    std::string_view Boundaries, std::string_view Reach, std::string_view CountWord,
                    int& CountFlag, const std::string& Text, long& Position) {
    Position = 0;
    CountFlag = CountWord == "One" ? 1 : 0;
    bool insensitive = isInsensitive(CaseMode);
    bool all = CountWord == "All";
    if (StartString.empty() != EndString.empty()) {
        StartString = EndString;
        EndString.clear();
        if (StartString.empty()) return "";
        return replaceDelimiter(StartString, ReplaceText, insensitive, all, Text, Position);
    }
    if (StartString.empty()) return "";
    if (Reach == "Furthest")
        return replaceFurthest(StartString, EndString, ReplaceText, insensitive, Text);
    if (Reach != "Closest") return "";
    return replaceClosest(StartString, EndString, ReplaceText, insensitive,
                          Boundaries == "Inclusive", all, Text, Position);
}

std::string ExtractOne(const std::string& StartString, const std::string& EndString,
                       std::string_view CaseMode, std::string_view Boundaries,
                       std::string_view Reach, const std::string& Text, long& Position) {
    Position = 0;
    if (StartString.empty() || EndString.empty()) {
        showEmptyDelimiterMessage();
        return "";
    }
    std::optional<Entry> entry =
        nextEntry(StartString, EndString, CaseMode, Boundaries, Reach, Text);
    if (!entry) return "";
    Position = codePoints(std::string_view(Text).substr(0, entry->end)) + 1;
    return entry->text;
}

std::string ExtractOne(const std::string& StartString, const std::string& EndString,
                       std::string_view CaseMode, std::string_view Boundaries,
                       std::string_view Reach, const std::string& Text) {
    long position = 0;
    return ExtractOne(StartString, EndString, CaseMode, Boundaries, Reach, Text, position);
}

std::vector<std::string> ExtractAll(const std::string& StartString, const std::string& EndString,
                                    std::string_view CaseMode, std::string_view Boundaries,
                                    std::string_view Reach, const std::string& Text) {
    std::vector<std::string> entries;
    if (StartString.empty() || EndString.empty()) {
        showEmptyDelimiterMessage();
        return entries;
    }
    std::string_view rest = Text;
    while (!rest.empty()) {
        std::optional<Entry> entry =
            nextEntry(StartString, EndString, CaseMode, Boundaries, Reach, rest);
        if (!entry) break;
        entries.push_back(std::move(entry->text));
        rest = rest.substr(entry->end);
    }
    if (!entries.empty()) entries.emplace_back();
    return entries;
}

std::string NormalizeWhitespace(std::string_view Text) {
    std::string result;
    bool inWhitespace = true;
    for (char c : Text) {
        if (c != '\r' && c != '\n' && c != '\t' && c != ' ') {
            result += c;
            inWhitespace = false;
        } else if (!inWhitespace) {
            result += ' ';
            inWhitespace = true;
        }
    }
    return result;
}

std::string GetShortPath(const std::string& Path) {
    return CheckFileExists(Path) ? Path : std::string();
}

}  // namespace quillo
