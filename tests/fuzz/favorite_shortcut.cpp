// A favorite's Internet-shortcut file, Favorites/Fuzz.url, chosen from the favorites menu: the
// main window reads the address from it and goes there.
#include "fuzz/FuzzSupport.h"
#include "mainwindow/form1.h"
#include "runtime/headless/User.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillo;
    fuzz::Reset();
    form1& main = fuzz::MainWindow();
    fuzz::PlaceInWindowsDir("Favorites/Fuzz.url", fuzz::Text(data, size));
    fuzz::Program().backend().answerMenu("Fuzz");
    headless::User::click(main.PictureBookmark);
    fuzz::Program().advance(100);
    return 0;
}
