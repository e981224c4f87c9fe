#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace quillo::runtime {

// The system calls through which the program creates files and moves files and folders into
// place. They are the real ones; a test puts in its own to make a call fail for chosen names, as
// a lost right, a full disk or a program ended between two steps would.
struct FileCalls {
    // As open(2): a descriptor, or -1 with errno set.
    std::function<int(const std::string& path, int flags, mode_t mode)> open;
    // As rename(2): 0, or -1 with errno set.
    std::function<int(const std::string& from, const std::string& to)> rename;
};

// The calls in use, shared by the whole program.
FileCalls& fileCalls();

// Gives the file or folder at from the name to, replacing a file there (see rename(2)); false,
// changing nothing, when that fails.
bool MoveEntry(const std::string& from, const std::string& to);

}  // namespace quillo::runtime
