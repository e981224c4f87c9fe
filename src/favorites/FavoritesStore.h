#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// The favorites on disk: Internet-shortcut files in a tree of folders under the Windows
// directory's "Favorites" folder. These routines know nothing of windows.

// The whole Internet-shortcut file for an address: two lines, each ended by CR LF.
std::string ShortcutText(std::string_view address);

// Writes the shortcut file whole, replacing a favorite of the same name; a failed write leaves
// that favorite as it was. False when anything failed.
bool WriteShortcut(const std::string& file, std::string_view address);

// The text without leading and trailing spaces (other blanks stay).
std::string TrimSpaces(std::string_view text);

// True when a typed name can become a file or folder name inside its folder: it holds no
// separator ("/", nor "\", which the favorites' home platform takes for one) and no NUL, and it
// is not "." or "..".
bool IsSafeName(std::string_view name);
// True when a typed name would show as nothing: it is empty or holds only blanks and dots (as a
// file it would also be hidden).
bool IsBlankName(std::string_view name);
// True when a name taken from a folder's listing names one entry of a folder: not "." or "..",
// no "/" and no NUL. A "\" in such a name is an ordinary character.
bool IsEntryName(std::string_view name);

// Gives the file or folder at path a new name in the same folder; false, changing nothing, for
// a name that would leave the folder or that another entry answers to already. A change of
// letter case alone renames the entry itself.
bool RenameInFolder(const std::string& path, const std::string& name);

// The name New proposes below a folder whose sub-folders have these names: "New Folder "
// followed by the smallest number from 1 that no "New Folder..." sibling ends with.
std::string NewFolderName(const std::vector<std::string>& siblings);

}  // namespace quillo
