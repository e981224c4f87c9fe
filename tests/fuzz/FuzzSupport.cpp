#include "fuzz/FuzzSupport.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"

namespace quillo::fuzz {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPartBreak = "\n%%\n";

}  // namespace

std::string Text(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
}

std::vector<std::optional<std::string>> Parts(std::string_view input, std::size_t count) {
    std::vector<std::optional<std::string>> parts(count);
    std::size_t start = 0;
    for (std::size_t i = 0; i < count && start <= input.size(); ++i) {
        std::size_t end = i + 1 == count ? std::string_view::npos : input.find(kPartBreak, start);
        if (end == std::string_view::npos) {
            parts[i] = std::string(input.substr(start));
            break;
        }
        parts[i] = std::string(input.substr(start, end - start));
        start = end + kPartBreak.size();
    }
    return parts;
}

headless::Harness& Program() {
    // Removed again, with its folders, when the process ends.
    static headless::Harness program;
    static const bool laid = [] {
        program.layAssets(QUILLO_ASSETS_DIR);
        // Relative file names in the inputs are names of the program folder.
        fs::current_path(program.programFolder());
        return true;
    }();
    (void)laid;
    return program;
}

void Reset(bool keepMainWindow) {
    headless::Harness& program = Program();
    // A window may unload others as it goes: look again after each one.
    for (bool unloaded = true; unloaded;) {
        unloaded = false;
        for (runtime::Form* form : runtime::app().Forms()) {
            if (keepMainWindow && form->Name() == "form1") continue;
            form->Unload();
            unloaded = true;
            break;
        }
    }
    if (!keepMainWindow) runtime::app().media().closeAll();
    program.advance(0);
    headless::HeadlessBackend& backend = program.backend();
    backend.peerEvents.clear();
    backend.mediaLog.clear();
    backend.unansweredModals.clear();
    backend.modalsShown.clear();
    backend.menusShown.clear();
    backend.windowServices.log.clear();
    backend.windowServices.regions.clear();
    backend.processServices.starts.clear();
    backend.http.requests.clear();
    backend.web = headless::HeadlessWeb();
    backend.dialogServices.messages.clear();
    backend.dialogServices.fileRequests.clear();
    backend.dialogServices.colorRequests.clear();
}

form1& MainWindow() {
    if (form1* main = runtime::app().loadedForm<form1>()) return *main;
    form1& main = runtime::form<form1>();
    // The start-up runs out: the window shows and goes to its first pages.
    Program().advance(1500);
    return main;
}

void Place(const std::string& relative, const std::optional<std::string>& contents) {
    if (contents) return Program().writeFile(relative, *contents);
    std::error_code ignored;
    fs::remove(Program().path(relative), ignored);
}

void PlaceInWindowsDir(const std::string& relative, const std::optional<std::string>& contents) {
    const fs::path file = fs::path(Program().windowsDir()) / relative;
    std::error_code ignored;
    if (!contents) {
        fs::remove(file, ignored);
        return;
    }
    fs::create_directories(file.parent_path(), ignored);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << *contents;
}

void Restore(const std::string& relative) {
    std::error_code ignored;
    fs::copy_file(fs::path(QUILLO_ASSETS_DIR) / relative, Program().path(relative),
                  fs::copy_options::overwrite_existing, ignored);
}

}  // namespace quillo::fuzz
