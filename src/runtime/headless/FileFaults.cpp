#include "runtime/headless/FileFaults.h"

#include <cerrno>
#include <utility>

namespace quillo::headless {

FileFaults::FileFaults() : real_(runtime::fileCalls()) {}

FileFaults::~FileFaults() {
    runtime::fileCalls() = real_;
}

void FileFaults::failRenames(std::function<bool(const std::string&, const std::string&)> test) {
    runtime::fileCalls().rename = [test = std::move(test), real = real_.rename](
                                      const std::string& from, const std::string& to) {
        if (!test(from, to)) return real(from, to);
        errno = EACCES;
        return -1;
    };
}

void FileFaults::beforeOpen(std::function<void(const std::string&)> step) {
    runtime::fileCalls().open = [step = std::move(step), real = real_.open](
                                    const std::string& path, int flags, mode_t mode) {
        step(path);
        return real(path, flags, mode);
    };
}

}  // namespace quillo::headless
