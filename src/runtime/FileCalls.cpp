#include "runtime/FileCalls.h"

#include <fcntl.h>

#include <cstdio>

namespace quillo::runtime {

FileCalls& fileCalls() {
    static FileCalls calls{[](const std::string& path, int flags, mode_t mode) {
                               return ::open(path.c_str(), flags, mode);
                           },
                           [](const std::string& from, const std::string& to) {
                               return std::rename(from.c_str(), to.c_str());
                           }};
    return calls;
}

bool MoveEntry(const std::string& from, const std::string& to) {
    return fileCalls().rename(from, to) == 0;
}

}  // namespace quillo::runtime
