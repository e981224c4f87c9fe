#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::runtime {

// Reads a folder as the platform's file and folder list controls show it: names sorted without
// regard to letter case, hidden entries (names beginning with ".") left out unless asked for, and
// the program's own new files that have not taken their names yet always left out.
// The folder's path goes through ResolvePath.
class FolderListing {
  public:
    // The names of the files that match one of the patterns ("*.bmp;*.gif"; "*.*" and "*" match
    // every name); nothing when the folder cannot be read.
    static std::optional<std::vector<std::string>> files(std::string_view folder,
                                                         std::string_view patterns,
                                                         bool hidden = false);
    // The names of the sub-folders; nothing when the folder cannot be read.
    static std::optional<std::vector<std::string>> folders(std::string_view folder,
                                                           bool hidden = false);

    // Wildcard match without regard to ASCII letter case: "*" any run, "?" one character.
    static bool matches(std::string_view name, std::string_view pattern);
    // The path as a list control keeps it: separators at its end removed (a root keeps its one).
    static std::string trimmed(std::string_view path);
};

}  // namespace quillo::runtime
