// The skin editor's image library imagelib.txt: the editor opens on its first entry, the user
// steps two entries on and one back and deletes the entry on show, which rewrites the library.
// Entries name pictures and clips; relative names are taken from the program folder.
#include "fuzz/FuzzSupport.h"
#include "runtime/Application.h"
#include "runtime/headless/User.h"
#include "skins/FormDesignEdit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillo;
    fuzz::Reset();
    fuzz::MainWindow();
    fuzz::Place("imagelib.txt", fuzz::Text(data, size));
    FormDesignEdit& editor = runtime::form<FormDesignEdit>();
    // Its arrows and its delete button, as the user clicks them.
    for (int button : {4, 4, 3, 5})
        headless::User::click(editor.Picture1(button));
    fuzz::Program().advance(100);
    fuzz::Reset();
    return 0;
}
