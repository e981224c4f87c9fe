#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillo {

// Files reached through numbered handles, for the design cache and the saved-design list. Results
// are codes, never errors.

// Access kinds of OpenFile.
constexpr std::uint8_t kKindText = 0;  // 2 is a text file too
constexpr std::uint8_t kKindBinary = 1;
constexpr std::uint8_t kKindRandom = 3;  // fixed-length records
// Modes of OpenFile.
constexpr std::uint8_t kModeRead = 1;
constexpr std::uint8_t kModeWrite = 2;
constexpr std::uint8_t kModeReadWrite = 3;
constexpr std::uint8_t kModeAppend = 4;

// OpenFile's refusals; every handle is 1 or more.
constexpr std::int16_t kOpenNeedsExistingFile = -11;  // read, or read and write, of a missing file
constexpr std::int16_t kOpenModeNotForKind = -12;     // 3 for a text file, 4 for binary or random
constexpr std::int16_t kOpenModeZero = -13;
constexpr std::int16_t kOpenUnknownModeOrKind = -14;
constexpr std::int16_t kOpenNoRecordLength = -15;  // random kind without a usable record length
constexpr std::int16_t kOpenRefused = -16;  // the system refused (missing folder, a folder, rights)

// A file, respectively a folder, of that path exists.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// Deletes a file, first asking "Are you sure you want to delete this File?" when askFirst is set.
// True when the file is gone or was never there; False when the question is not answered Yes, the
// file is read-only or the deletion fails.
bool DeleteFile(const std::string& path, bool askFirst = false);

// Opens a file and gives its handle (1 or more), or one of the codes above. Mode 2 of a binary or
// random file creates a missing file and keeps the bytes of an existing one; mode 2 of a text file
// empties it. A record length outside 1 to 32767 is no usable one.
std::int16_t OpenFile(const std::string& path, std::uint8_t mode, std::uint8_t kind,
                      std::int32_t recordLength = 0);
// Closes a handle; False when it was not open.
bool CloseFile(std::int16_t handle);

// Writes data's bytes at a 1-based byte position of a binary or random file opened for writing;
// position 0, or one beyond the end, appends (no gap is ever written). Gives the file's length
// afterwards, or -1 for a bad handle, a negative position, a length beyond 32 bits or a failed
// write.
std::int32_t WriteAt(std::int16_t handle, std::string_view data, std::int32_t position);

// The size of a file in bytes; -1 when there is no such file or its size does not fit 32 bits.
std::int32_t GetFileSize(const std::string& path);

// The whole file as text (any size); the empty text when it cannot be read.
std::string ReadFileText(const std::string& path);

}  // namespace quillo
