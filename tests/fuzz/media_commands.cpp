// Media command strings, one a line, sent in order as the program sends them. "$WND" stands for
// the window handle of a picture box that clips can play in; relative file names are taken from
// the program folder.
#include <string>

#include "fuzz/FuzzSupport.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/PictureBox.h"

namespace {

using namespace quillo;

struct Stage : runtime::Form {
    Stage() : Form("Stage") {}
    runtime::PictureBox& screen = add<runtime::PictureBox>("screen");
};

std::string WithHandle(std::string line, long handle) {
    const std::string token = "$WND";
    for (std::size_t at = line.find(token); at != std::string::npos; at = line.find(token, at))
        line.replace(at, token.size(), std::to_string(handle));
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reset(false);
    Stage& stage = runtime::app().newForm<Stage>();
    const std::string commands = fuzz::Text(data, size);
    std::size_t start = 0;
    while (start < commands.size()) {
        std::size_t end = commands.find('\n', start);
        if (end == std::string::npos) end = commands.size();
        runtime::mciSendString(
            WithHandle(commands.substr(start, end - start), stage.screen.hWnd()));
        start = end + 1;
    }
    fuzz::Program().advance(100);
    fuzz::Reset(false);
    return 0;
}
