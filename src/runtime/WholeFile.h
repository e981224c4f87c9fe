#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillo::runtime {

// Whole-file reading and writing of the program's own small files (settings, lists, skin
// descriptors, shortcuts). Names go through ResolvePath.

// The bytes of a regular file, links followed. A missing entry, a folder, a pipe or a device
// (a pipe would never end), and a read that fails, give nothing; nothing waits for a writer.
std::optional<std::string> ReadRegularFile(const std::string& name);

// Replaces the file by bytes, the one way the program writes a whole file: they go into a new
// file of a short name of its own in the same folder, made afresh, which then takes the file's
// name. So a write that fails (a full disk, a folder that cannot be written, a name the file
// system refuses) leaves the file as it was, and no new file is left behind. The permission bits
// of a replaced file stay; a name that is a link keeps the link, and the file it points at is
// replaced. Only a file (or nothing) is replaced. False when anything failed.
bool ReplaceFile(const std::string& name, std::string_view bytes);

// The bytes of a file as it stands now, for a change made on it and written back whole: empty when
// there is no file; nothing when a file is there but cannot be read, since writing over it would
// lose what it holds.
std::optional<std::string> ReadFileForChange(const std::string& name);

// Whether a name is one that ReplaceFile gives its new files (".quillo-<process>-<n>"). Such a
// file is the program's own, never a favorite, a skin, a design or a picture of the user's.
bool IsReplacementName(std::string_view name);

// Removes from the folder (and, with subFolders, from every folder below it) the new files that
// ReplaceFile left when a run ended before they took their names: files of exactly such a name
// whose process is gone. A file of a process that still runs (another copy of the program at work)
// stays; this process, which runs on one thread, has no replacement under way while it looks, so
// a file of its own number comes from an earlier run that had the same one. Links are not
// followed and nothing of another name is touched.
void RemoveLeftoverReplacements(const std::string& folder, bool subFolders);

// Replaces (or makes) the file to by the bytes of the regular file from; false when from cannot
// be read or to cannot be written.
bool CopyRegularFile(const std::string& from, const std::string& to);

}  // namespace quillo::runtime
