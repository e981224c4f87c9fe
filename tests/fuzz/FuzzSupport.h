#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/headless/Harness.h"

namespace quillo {
class form1;
}

// What every fuzz target shares: one program per process on the headless backend, with its
// program folder laid out as shipped, and the input taken apart into the files it stands for.
namespace quillo::fuzz {

// The input's bytes as text.
std::string Text(const std::uint8_t* data, std::size_t size);

// The input cut at each line "%%" into exactly count parts; the parts beyond what the input holds
// are missing (nullopt), so an input can also stand for a file that is not there.
std::vector<std::optional<std::string>> Parts(std::string_view input, std::size_t count);

// The process's program: made on first use, its program folder holding the shipped assets.
headless::Harness& Program();

// Ends what the last input left behind: unloads every window but the main window (all of them
// with keepMainWindow false), closes every media device, runs the posted work and empties the
// backend's records, so that they do not grow from one input to the next.
void Reset(bool keepMainWindow = true);

// The program's main window; when it is not loaded, the program starts and runs until the window
// shows and has gone to its first pages.
form1& MainWindow();

// Writes a file of the program folder (relative path with "/"), or removes it when missing.
void Place(const std::string& relative, const std::optional<std::string>& contents);
// The same for a file of the Windows directory.
void PlaceInWindowsDir(const std::string& relative, const std::optional<std::string>& contents);

// Puts a file of the program folder back as shipped.
void Restore(const std::string& relative);

}  // namespace quillo::fuzz
