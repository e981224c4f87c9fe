// The settings files, read as the program starts: rn418.ini (the current skin), homepage.ini,
// size.ini and combourl.ini (the address history), in that order, cut apart by "%%" lines. The
// main window loads, shows after its first second and goes to the home page read; closing it
// writes size.ini and combourl.ini again.
#include "fuzz/FuzzSupport.h"
#include "mainwindow/form1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillo;
    fuzz::Reset(false);
    fuzz::Restore("skinlib.txt");
    const auto files = fuzz::Parts(fuzz::Text(data, size), 4);
    const char* names[] = {"rn418.ini", "homepage.ini", "size.ini", "combourl.ini"};
    for (std::size_t i = 0; i < files.size(); ++i)
        fuzz::Place(names[i], files[i]);
    fuzz::MainWindow();
    fuzz::Reset(false);
    return 0;
}
