#include "runtime/WholeFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <system_error>

#include "runtime/FileCalls.h"
#include "runtime/PathResolver.h"

namespace quillo::runtime {

namespace {

// As many links as the system follows in one name.
constexpr int kMaxLinks = 40;

// A new file's name: this prefix, the process number, "-" and the count of new files so far.
constexpr std::string_view kReplacementPrefix = ".quillo-";

// Closes the descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now; false when the close reports a failed write.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool usableName(const std::string& name) {
    return !name.empty() && name.find('\0') == std::string::npos;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The folder part of a path: "." for a bare name, "" for an entry of the root.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// The name of the file a path stands for: a link, and a link to a link, is followed to the name
// it points at, so the file is replaced there and the link stays. Empty for a loop of links.
std::string linkedFile(std::string path) {
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        char pointed[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), pointed, sizeof pointed);
        if (length <= 0 || static_cast<std::size_t>(length) == sizeof pointed) return {};
        const std::string link(pointed, static_cast<std::size_t>(length));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    return {};
}

// A new file in the target's folder (so that it takes the target's name on the same file
// system). Its name is short and owes nothing to the target's, so every name the folder accepts
// can be written; it is made afresh, never through an entry already there, such as a link.
int createBeside(const std::string& target, std::string& temporary) {
    static unsigned counter = 0;
    const std::string prefix =
        folderOf(target) + "/" + std::string(kReplacementPrefix) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = prefix + std::to_string(++counter);
        const int fd =
            fileCalls().open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A decimal number as std::to_string writes one (no sign, no leading zero) and no longer than
// fits in an unsigned; the number, or nothing.
std::optional<unsigned long> writtenNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 10 || (digits.size() > 1 && digits[0] == '0'))
        return std::nullopt;
    unsigned long number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + static_cast<unsigned long>(c - '0');
    }
    return number;
}

// The process that gave a new file its name; nothing for any other name.
std::optional<pid_t> replacementOwner(std::string_view name) {
    if (!name.starts_with(kReplacementPrefix)) return std::nullopt;
    name.remove_prefix(kReplacementPrefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::optional<unsigned long> process = writtenNumber(name.substr(0, dash));
    const std::optional<unsigned long> count = writtenNumber(name.substr(dash + 1));
    if (!process || !count || *process == 0 || *process > INT_MAX || *count > UINT_MAX)
        return std::nullopt;
    return static_cast<pid_t>(*process);
}

bool processRuns(pid_t process) {
    if (process == ::getpid()) return false;
    // A process of another user runs too, though it cannot be signalled.
    return ::kill(process, 0) == 0 || errno == EPERM;
}

void removeIfLeftover(const std::filesystem::path& path) {
    const std::optional<pid_t> owner = replacementOwner(path.filename().string());
    if (!owner || processRuns(*owner)) return;
    // The program makes files only: a folder or a link of that name is not one of its own.
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
    ::unlink(path.c_str());
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& name) {
    if (!usableName(name)) return std::nullopt;
    // Opened without waiting, so a pipe with no writer cannot hold the program up; only then
    // is the entry known for what it is.
    Descriptor file(::open(ResolvePath(name).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::string bytes;
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) return bytes;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
}

bool ReplaceFile(const std::string& name, std::string_view bytes) {
    if (!usableName(name)) return false;
    const std::string target = linkedFile(ResolvePath(name));
    if (target.empty()) return false;
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    // Only a file gives way: a folder, a pipe or a device keeps its place.
    if (replacing && !S_ISREG(existing.st_mode)) return false;
    std::string temporary;
    Descriptor file(createBeside(target, temporary));
    if (file.get() < 0) return false;
    // The new file keeps the permissions the user gave the old one.
    const bool kept = !replacing || ::fchmod(file.get(), existing.st_mode & 07777) == 0;
    // On the disk before it takes the name, so even a crash leaves the old or the new file.
    const bool written = kept && writeAll(file.get(), bytes) && ::fdatasync(file.get()) == 0;
    const bool closed = file.close();
    if (!written || !closed || !MoveEntry(temporary, target)) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> ReadFileForChange(const std::string& name) {
    if (std::optional<std::string> bytes = ReadRegularFile(name)) return bytes;
    if (!usableName(name)) return std::nullopt;
    struct stat info {};
    if (::stat(ResolvePath(name).c_str(), &info) != 0 && errno == ENOENT) return std::string();
    return std::nullopt;
}

bool IsReplacementName(std::string_view name) {
    return replacementOwner(name).has_value();
}

void RemoveLeftoverReplacements(const std::string& folder, bool subFolders) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path root = ResolvePath(folder);
    if (!subFolders) {
        for (fs::directory_iterator entries(root, error);
             !error && entries != fs::directory_iterator(); entries.increment(error))
            removeIfLeftover(entries->path());
        return;
    }
    for (fs::recursive_directory_iterator walk(root, fs::directory_options::skip_permission_denied,
                                               error);
         !error && walk != fs::recursive_directory_iterator(); walk.increment(error))
        removeIfLeftover(walk->path());
}

bool CopyRegularFile(const std::string& from, const std::string& to) {
    const std::optional<std::string> bytes = ReadRegularFile(from);
    return bytes && ReplaceFile(to, *bytes);
}

}  // namespace quillo::runtime
