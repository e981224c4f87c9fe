// The skin list skinlib.txt as the skin manager uses it: the manager opens with the listed names,
// the user picks the first and changes to it, then picks the last and removes it from the list.
// Besides the default skin, a skin "Sea" is there to be changed to. The default skin must survive
// whatever the list holds.
#include <cstdlib>
#include <filesystem>

#include "fuzz/FuzzSupport.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/headless/User.h"
#include "skins/FormLoading.h"

namespace {

using namespace quillo;
namespace fs = std::filesystem;

// Every skin but the default one goes; Sea comes back with the default skin's descriptor.
void LayOutSkins() {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(fuzz::Program().path("skins"), ignored))
        if (entry.path().filename() != "Quillo") fs::remove_all(entry.path(), ignored);
    fs::create_directories(fuzz::Program().path("skins/Sea"), ignored);
    fs::copy_file(fuzz::Program().path("skins/Quillo/Quillo.tz3"),
                  fuzz::Program().path("skins/Sea/Sea.tz3"), ignored);
}

void Choose(FormLoading& manager, int index) {
    if (index < 0 || index >= manager.ListSkins.ListCount()) return;
    manager.ListSkins.setListIndex(index);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reset();
    fuzz::MainWindow();
    fuzz::Restore("rn418.ini");
    LayOutSkins();
    fuzz::Place("skinlib.txt", fuzz::Text(data, size));
    FormLoading& manager = runtime::form<FormLoading>();
    Choose(manager, 0);
    headless::User::click(manager.Picture1(0));
    if (manager.loaded()) {
        Choose(manager, manager.ListSkins.ListCount() - 1);
        headless::User::click(manager.Picture1(3));
    }
    fuzz::Reset();
    if (!fuzz::Program().fileExists("skins/Quillo/Quillo.tz3")) std::abort();
    return 0;
}
