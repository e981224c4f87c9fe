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

// Replaces the file by bytes: they go into a new file beside it that then takes its name, so a
// write that fails (a full disk, a folder that cannot be written) leaves the file as it was.
// False when anything failed; no new file is left behind then.
bool ReplaceFile(const std::string& name, std::string_view bytes);

}  // namespace quillo::runtime
