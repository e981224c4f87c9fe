#include "SkinBench.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "../BenchStats.h"
#include "mainwindow/FormSplashScreen.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ClassSkins.h"
#include "skins/FormLoading.h"

namespace skinbench {

namespace fs = std::filesystem;
using namespace quillo;

namespace {

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Inverts the pixel bytes of a bitmap, after the offset its header gives.
std::string inverted(std::string bytes) {
    if (bytes.size() < 14 || bytes.compare(0, 2, "BM") != 0) return bytes;
    std::uint32_t offset = 0;
    for (int i = 3; i >= 0; --i)
        offset = offset << 8 | static_cast<unsigned char>(bytes[10 + static_cast<std::size_t>(i)]);
    for (std::size_t i = offset; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(~bytes[i]);
    return bytes;
}

// Gives the frames, buttons and strips a place and their pictures' sizes where the main window's
// layout has left them without one, so that the paint covers every picture.
void placeUnplaced(form1& main) {
    const double pixel = PixelsToTwips(1);
    if (main.FrameTitleBar.Width() == 0) main.FrameTitleBar.Move(0, 0, main.Width(), 30 * pixel);
    if (main.FrameDashBoard.Width() == 0)
        main.FrameDashBoard.Move(0, main.Height() - 105 * pixel, main.Width(), 105 * pixel);
    auto row = [pixel](std::initializer_list<runtime::Control*> controls, double top) {
        double left = 0;
        for (runtime::Control* control : controls) {
            const runtime::Picture& picture =
                control->kind() == runtime::ControlKind::Image
                    ? static_cast<runtime::Image*>(control)->getPicture()
                    : static_cast<runtime::PictureBox*>(control)->drawList().ops().at(0).picture;
            if (control->Width() == 0)
                control->Move(left, top, picture.widthPx * pixel, picture.heightPx * pixel);
            left += control->Width();
        }
    };
    row({&main.PictureIcon, &main.PictureTitleBar, &main.PictureTitle, &main.PictureWS01,
         &main.PictureWS02, &main.PictureClose},
        0);
    row({&main.PictureHideShow, &main.PictureURL, &main.PictureBookmark, &main.PictureBack,
         &main.PictureNext, &main.PictureReload, &main.PictureStop, &main.PictureHome,
         &main.PictureMail},
        0);
    row({&main.PictureBottomLeft, &main.PictureBottomCenter, &main.PictureBottomRight}, 22 * pixel);
}

double elapsedMs(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
        .count();
}

}  // namespace

void LayProgramFolder(const std::string& programFolder, int skins) {
    const fs::path folder(programFolder);
    fs::copy(QUILLO_ASSETS_DIR, folder,
             fs::copy_options::recursive | fs::copy_options::skip_existing);
    const fs::path quillo = folder / "skins" / "Quillo";
    std::string descriptor = readAll(quillo / "Quillo.tz3");
    descriptor.replace(0, descriptor.find('>') + 1, "<3381555>");
    for (int skin = 0; skin < skins; ++skin) {
        const std::string name = "Meadow" + std::to_string(skin);
        const fs::path meadow = folder / "skins" / name;
        fs::create_directories(meadow);
        for (const fs::directory_entry& entry : fs::directory_iterator(quillo)) {
            if (entry.path().extension() == ".tz3") continue;
            std::string bytes = readAll(entry.path());
            writeAll(meadow / entry.path().filename(), skin % 2 ? bytes : inverted(bytes));
        }
        writeAll(meadow / (name + ".tz3"), descriptor);
    }
}

Timings Run(const std::function<void(int)>& runFor, int runs, const std::function<void()>& paint) {
    StartProgram();
    runFor(2000);
    form1* main = runtime::app().loadedForm<form1>();
    if (!main || !main->Skins || main->Timer1.getEnabled() || !main->Visible()) return {};
    runFor(1000);

    Timings timings;
    FormLoading& manager = runtime::form<FormLoading>();
    for (int run = 0; run <= runs; ++run) {
        const std::string name = "Meadow" + std::to_string(run);
        manager.TextBoxSkinName.setText(name);
        const auto start = std::chrono::steady_clock::now();
        main->Skins->ProcessPictureUploadClick(manager, *main);
        const double applied = elapsedMs(start);
        if (paint) paint();
        const double painted = elapsedMs(start);
        runFor(0);
        if (!main->PictureMail.Tag().ends_with("/" + name + "/PictureMail")) return {};
        if (run == 0) {
            // The first, untimed, warms the code paths and gives the controls their sizes.
            placeUnplaced(*main);
            continue;
        }
        timings.applyMs.push_back(applied);
        if (paint) timings.paintedMs.push_back(painted);
    }
    return timings;
}

void Report(const std::string& backend, const Timings& timings) {
    if (timings.applyMs.empty()) {
        std::printf("%s: the program did not start or the skin did not apply\n", backend.c_str());
        return;
    }
    auto line = [&](const char* what, const std::vector<double>& values) {
        bench::Spread spread = bench::spreadOf(values);
        std::printf("%-9s %-14s median %8.3f ms  min %8.3f ms  max %8.3f ms  (%zu runs)\n",
                    backend.c_str(), what, spread.median, spread.low, spread.high, values.size());
    };
    line("load+apply", timings.applyMs);
    if (!timings.paintedMs.empty()) line("+paint", timings.paintedMs);
}

}  // namespace skinbench
