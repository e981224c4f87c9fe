#include "runtime/headless/Harness.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "runtime/headless/User.h"

namespace quillo::headless {

namespace fs = std::filesystem;

Harness::Harness(std::string commandLine, bool previousInstance) {
    std::string pattern = (fs::temp_directory_path() / "quillo-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    root_ = pattern;
    programFolder_ = root_ + "/program";
    windowsDir_ = root_ + "/windows";
    fs::create_directories(programFolder_);
    fs::create_directories(windowsDir_ + "/Favorites");
    AppInfo info;
    info.Path = programFolder_;
    info.Command = std::move(commandLine);
    info.PrevInstance = previousInstance;
    info.WindowsDir = windowsDir_;
    app_ = std::make_unique<Application>(backend_, info);
}

Harness::~Harness() {
    app_.reset();
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void Harness::writeFile(const std::string& relative, const std::string& bytes) const {
    fs::path file = path(relative);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string Harness::readFile(const std::string& relative) const {
    std::ifstream in(path(relative), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool Harness::fileExists(const std::string& relative) const {
    return fs::exists(path(relative));
}

void Harness::layAssets(const std::string& assetsDir) const {
    fs::copy(assetsDir, programFolder_,
             fs::copy_options::recursive | fs::copy_options::skip_existing);
}

void Harness::click(Control& control) {
    User::click(control);
}

void Harness::doubleClick(Control& control) {
    User::doubleClick(control);
}

}  // namespace quillo::headless
