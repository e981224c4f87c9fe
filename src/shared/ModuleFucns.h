#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// The small text and file routines behind every settings file and list of the program. They keep
// no state. Texts are UTF-8; counts and positions are in characters (code points), 1-based.
// Option words are compared exactly: case words "Sensitive"/"Insensitive" (any other word compares
// exactly; "Insensitive" ignores the case of A-Z), reach words "Closest"/"Furthest", boundary
// words "Inclusive"/"Exclusive", count words "One"/"All".

// Whole-file access by action word. "GetBinary" and "GetContents" put the file's bytes, untouched,
// into Contents; only a regular file (links followed) is read, anything else (a folder, a pipe, a
// device) is a failed read. "Write" replaces the file by Contents and CR LF, "Append" adds
// Contents and CR LF at its end (creating it); both write a new file that then takes the name, so
// a write that fails leaves the old file whole. False when the file is missing or cannot be read
// or written; Contents then stays as it was. Any other action word does nothing and gives True.
// No file stays open.
bool FileIO(std::string_view Action, const std::string& FileName, std::string& Contents);

// True when Search occurs in Text; the empty Search occurs in every text but the empty one.
bool InString(std::string_view Text, std::string_view Search, std::string_view CaseMode);

// The file name of a path without its folder ("\" and "/" both separate) and cut before its first
// ".": "C:\prog\Sea\Sea.tz3" gives "Sea", a path ending with a separator gives the empty text.
std::string GetFileTitle(const std::string& Path);

// Text with a-z upper-cased; every other character stays.
std::string MakeUpperCase(std::string_view Text);

// Upper-cases the first character of Text (as MakeUpperCase does), in place; returns the result.
std::string CapitalizeFirst(std::string& Text);

// True when a file or a folder of that name exists; False for the empty or a malformed name.
bool CheckFileExists(const std::string& FileName);

// The delimiter-replacing engine. With both delimiters: "Closest" replaces the text between the
// first StartString and the next EndString (with "Inclusive", the delimiters too) by ReplaceText;
// "Furthest" replaces everything from the first StartString (included) to the last EndString
// reached by stepping from one to the next (included), or to the end when none follows. Position
// gets the character after the replacement with "Closest", 0 with "Furthest". "All" goes on
// replacing after each replacement ("Closest" only). With exactly one delimiter given, StartString
// takes EndString's value and EndString becomes empty (both written back), and the first
// StartString (each with "All") is replaced. Nothing found gives the empty text. CountFlag gets 1
// for "One", else 0.
std::string Extract(std::string& StartString, std::string& EndString,
                    const std::string& ReplaceText, std::string_view CaseMode,
                    std::string_view Boundaries, std::string_view Reach, std::string_view CountWord,
                    int& CountFlag, const std::string& Text, long& Position);

// The first entry between StartString and EndString ("Furthest": up to the last EndString);
// "Inclusive" keeps the delimiters. Position gets the character after the entry's end delimiter,
// 0 when nothing is found, which gives the empty text. Empty delimiters show a message box.
std::string ExtractOne(const std::string& StartString, const std::string& EndString,
                       std::string_view CaseMode, std::string_view Boundaries,
                       std::string_view Reach, const std::string& Text, long& Position);
std::string ExtractOne(const std::string& StartString, const std::string& EndString,
                       std::string_view CaseMode, std::string_view Boundaries,
                       std::string_view Reach, const std::string& Text);

// Every entry, in order, followed by one empty element: n entries give n + 1 elements; no entry
// gives none. Text outside the delimiter pairs is skipped. Empty delimiters show a message box.
std::vector<std::string> ExtractAll(const std::string& StartString, const std::string& EndString,
                                    std::string_view CaseMode, std::string_view Boundaries,
                                    std::string_view Reach, const std::string& Text);

// Drops leading whitespace (CR, LF, TAB, space) and folds every further run into one space, so
// trailing whitespace becomes exactly one space.
std::string NormalizeWhitespace(std::string_view Text);

// There are no short path forms here: an existing path is its own short form, a missing one has
// none (the empty text).
std::string GetShortPath(const std::string& Path);

}  // namespace quillo
