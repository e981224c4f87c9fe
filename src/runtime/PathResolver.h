#pragma once

#include <string>
#include <string_view>

namespace quillo::runtime {

// File names are matched without regard to letter case, as the program's files were always
// named: every file access of the program goes through here. Each part of the path that exists
// as written is kept; otherwise the entry of that folder that matches it without regard to case
// (the first in name order when several do); otherwise the part stays as written, so a new file
// takes the spelling of the folders that exist. Only "/" separates: a "\" is part of a name, so
// a name read from disk ("x\..\y") stays one entry of its own folder.
std::string ResolvePath(std::string_view path);

// Lower-cases A-Z only; other characters stay.
std::string LowerAscii(std::string_view text);

}  // namespace quillo::runtime
