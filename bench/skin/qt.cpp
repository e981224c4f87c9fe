// Loads and applies a skin of 18 pictures on the Qt backend: the program's work with the widgets
// following the model, and then the paint of the windows, which decodes the pictures.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "SkinBench.h"
#include "runtime/Application.h"
#include "runtime/qt/QtSession.h"

namespace fs = std::filesystem;

constexpr int kRuns = 20;

int main(int argc, char** argv) {
    quillo::qt::QtSession session(argc, argv);
    std::string pattern = (fs::temp_directory_path() / "quillo-skin-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    const fs::path root(pattern);
    quillo::runtime::AppInfo info;
    info.Path = (root / "program").string();
    info.WindowsDir = (root / "windows").string();
    fs::create_directories(info.Path);
    fs::create_directories(info.WindowsDir);
    int result = 0;
    {
        quillo::runtime::Application application(session.backend(), info);
        skinbench::LayProgramFolder(info.Path, kRuns + 1);
        skinbench::Timings timings =
            skinbench::Run([&](int milliseconds) { session.runFor(milliseconds); }, kRuns,
                           [&] { session.paintWindows(); });
        skinbench::Report("qt", timings);
        result = timings.applyMs.empty() ? 1 : 0;
        for (quillo::runtime::Form* form : application.Forms())
            form->Unload();
        // The web pages go before their profile does.
        session.runFor(200);
    }
    fs::remove_all(root);
    return result;
}
