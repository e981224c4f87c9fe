#include "shared/mdlFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <system_error>

#include "runtime/Application.h"
#include "runtime/PathResolver.h"

namespace quillo {

namespace {

namespace fs = std::filesystem;

constexpr std::int16_t kMaxHandles = 511;
constexpr std::int64_t kMaxLength = std::numeric_limits<std::int32_t>::max();

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

struct OpenRecordFile {
    FileHandle file;
    std::uint8_t kind;
    std::uint8_t mode;
    std::int16_t recordLength;
};

// The open files by handle; a handle is closed when its entry goes.
std::map<std::int16_t, OpenRecordFile>& openFiles() {
    static std::map<std::int16_t, OpenRecordFile> files;
    return files;
}

bool usableName(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

bool isText(std::uint8_t kind) {
    return kind == 0 || kind == 2;
}
bool isBinary(std::uint8_t kind) {
    return kind == kKindBinary || kind == kKindRandom;
}

// The refusal for a mode and kind before the file is touched, or 0.
std::int16_t refusalFor(const std::string& path, std::uint8_t mode, std::uint8_t kind,
                        std::int32_t recordLength) {
    if (!isText(kind) && !isBinary(kind)) return kOpenUnknownModeOrKind;
    if (kind == kKindRandom && (recordLength < 1 || recordLength > 32767))
        return kOpenNoRecordLength;
    if (mode == 0) return kOpenModeZero;
    if (mode > kModeAppend) return kOpenUnknownModeOrKind;
    if (isText(kind) ? mode == kModeReadWrite : mode == kModeAppend) return kOpenModeNotForKind;
    bool needsFile = mode == kModeRead || mode == kModeReadWrite;
    if (needsFile && !FileExists(path)) return kOpenNeedsExistingFile;
    return 0;
}

// The C mode that opens a file for the mode and kind. Binary writing keeps an existing file's
// bytes, so it opens for update, creating the file first when it is missing.
const char* openMode(const std::string& resolved, std::uint8_t mode, std::uint8_t kind) {
    switch (mode) {
        case kModeRead:
            return "rb";
        case kModeWrite:
            if (isText(kind)) return "wb";
            return FileExists(resolved) ? "r+b" : "w+b";
        case kModeReadWrite:
            return "r+b";
        default:
            return "ab";
    }
}

std::int16_t freeHandle() {
    for (std::int16_t handle = 1; handle <= kMaxHandles; ++handle)
        if (!openFiles().contains(handle)) return handle;
    return 0;
}

OpenRecordFile* findOpen(std::int16_t handle) {
    auto found = openFiles().find(handle);
    return found == openFiles().end() ? nullptr : &found->second;
}

// The length of an open file, its position left at the end; -1 when it cannot be found.
std::int64_t lengthOf(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    return std::ftell(file);
}

bool isReadOnly(const std::string& resolved) {
    std::error_code error;
    fs::perms perms = fs::status(resolved, error).permissions();
    if (error) return true;
    constexpr fs::perms writable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (perms & writable) == fs::perms::none;
}

}  // namespace

bool FileExists(const std::string& path) {
    if (!usableName(path)) return false;
    std::error_code error;
    return fs::is_regular_file(runtime::ResolvePath(path), error);
}

bool FolderExists(const std::string& path) {
    if (!usableName(path)) return false;
    std::error_code error;
    return fs::is_directory(runtime::ResolvePath(path), error);
}

bool DeleteFile(const std::string& path, bool askFirst) {
    if (!FileExists(path)) return true;
    if (askFirst) {
        runtime::MsgBoxResult answer = runtime::app().backend().dialogs().messageBox(
            "Are you sure you want to delete this File?", runtime::MsgBoxButtons::YesNo,
            runtime::MsgBoxIcon::None, "");
        if (answer != runtime::MsgBoxResult::Yes) return false;
    }
    std::string resolved = runtime::ResolvePath(path);
    if (isReadOnly(resolved)) return false;
    std::error_code error;
    return fs::remove(resolved, error) && !error;
}

std::int16_t OpenFile(const std::string& path, std::uint8_t mode, std::uint8_t kind,
                      std::int32_t recordLength) {
    if (std::int16_t refusal = refusalFor(path, mode, kind, recordLength)) return refusal;
    std::int16_t handle = freeHandle();
    if (handle == 0 || !usableName(path)) return kOpenRefused;
    std::string resolved = runtime::ResolvePath(path);
    FileHandle file(std::fopen(resolved.c_str(), openMode(resolved, mode, kind)), std::fclose);
    if (!file) return kOpenRefused;
    std::int16_t records = kind == kKindRandom ? static_cast<std::int16_t>(recordLength) : 0;
    openFiles().emplace(handle, OpenRecordFile{std::move(file), kind, mode, records});
    return handle;
}

bool CloseFile(std::int16_t handle) {
    return openFiles().erase(handle) > 0;
}

std::int32_t WriteAt(std::int16_t handle, std::string_view data, std::int32_t position) {
    OpenRecordFile* open = findOpen(handle);
    if (!open || position < 0 || !isBinary(open->kind)) return -1;
    if (open->mode != kModeWrite && open->mode != kModeReadWrite) return -1;
    std::FILE* file = open->file.get();
    std::int64_t length = lengthOf(file);
    if (length < 0) return -1;
    std::int64_t at = position == 0 || position > length ? length : position - 1;
    std::int64_t end = at + static_cast<std::int64_t>(data.size());
    if (end > kMaxLength) return -1;
    if (std::fseek(file, static_cast<long>(at), SEEK_SET) != 0) return -1;
    if (std::fwrite(data.data(), 1, data.size(), file) != data.size()) return -1;
    if (std::fflush(file) != 0) return -1;
    return static_cast<std::int32_t>(std::max(length, end));
}

std::int32_t GetFileSize(const std::string& path) {
    if (!FileExists(path)) return -1;
    std::error_code error;
    std::uintmax_t size = fs::file_size(runtime::ResolvePath(path), error);
    if (error || size > static_cast<std::uintmax_t>(kMaxLength)) return -1;
    return static_cast<std::int32_t>(size);
}

std::string ReadFileText(const std::string& path) {
    std::int16_t handle = OpenFile(path, kModeRead, kKindBinary);
    if (handle < 1) return "";
    std::FILE* file = findOpen(handle)->file.get();
    std::string text;
    char chunk[64 * 1024];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, got);
    bool failed = std::ferror(file) != 0;
    CloseFile(handle);
    return failed ? "" : text;
}

}  // namespace quillo
