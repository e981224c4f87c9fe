// A downloaded skin's descriptor, skins/Fuzz/Fuzz.tz3 beside the default skin's pictures, read
// and applied to the main window as the program does at start-up with the skin rn418.ini names.
// The default skin must come through whatever the descriptor holds.
#include <cstdlib>
#include <filesystem>

#include "fuzz/FuzzSupport.h"
#include "mainwindow/form1.h"
#include "skins/ClassSkins.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillo;
    namespace fs = std::filesystem;
    static const bool skinFolder = [] {
        fs::copy(fuzz::Program().path("skins/Quillo"), fuzz::Program().path("skins/Fuzz"),
                 fs::copy_options::skip_existing);
        return fs::remove(fuzz::Program().path("skins/Fuzz/Quillo.tz3"));
    }();
    (void)skinFolder;
    fuzz::Reset();
    form1& main = fuzz::MainWindow();
    fuzz::Restore("skinlib.txt");
    fuzz::Restore("rn418.ini");
    fuzz::Place("skins/Fuzz/Fuzz.tz3", fuzz::Text(data, size));
    main.Skins->CallFromBrowserInit(main, fuzz::Program().path("skins/Fuzz/Fuzz.tz3"));
    fuzz::Program().advance(100);
    if (!fuzz::Program().fileExists("skins/Quillo/Quillo.tz3")) std::abort();
    return 0;
}
