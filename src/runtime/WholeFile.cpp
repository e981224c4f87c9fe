#include "runtime/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "runtime/PathResolver.h"

namespace quillo::runtime {

namespace {

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

// A new file beside the target, under a name no other file has; its name goes to temporary.
int createBeside(const std::string& target, std::string& temporary) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary =
            target + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".saving";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
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
    const std::string target = ResolvePath(name);
    std::string temporary;
    Descriptor file(createBeside(target, temporary));
    if (file.get() < 0) return false;
    // On the disk before it takes the name, so even a crash leaves the old or the new file.
    const bool written = writeAll(file.get(), bytes) && ::fdatasync(file.get()) == 0;
    const bool closed = file.close();
    if (!written || !closed || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace quillo::runtime
