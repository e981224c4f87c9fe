// The language pack: language.ini (the language folder's name), then LanguageText.txt,
// MessageText.txt and agreement.txt of the folder English, cut apart by "%%" lines. The program
// starts with it, the user opens the program menu and chooses its eighth entry (the about box in
// the shipped pack, which shows the agreement), and a skin message is shown.
#include "fuzz/FuzzSupport.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/headless/User.h"
#include "shared/ModuleLanguage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillo;
    using headless::User;
    fuzz::Reset(false);
    const auto files = fuzz::Parts(fuzz::Text(data, size), 4);
    const char* names[] = {"language.ini", "English/LanguageText.txt", "English/MessageText.txt",
                           "English/agreement.txt"};
    for (std::size_t i = 0; i < files.size(); ++i)
        fuzz::Place(names[i], files[i]);
    form1& main = fuzz::MainWindow();
    User::mouseDown(main.PictureIcon, runtime::vbLeftButton, 0, 0);
    if (FormMenu* menu = runtime::app().loadedForm<FormMenu>(); menu && menu->Visible()) {
        User::mouseMove(menu->LabelMenu(6), 0, 15, 15);
        User::mouseUp(menu->LabelMenu(6), runtime::vbLeftButton, 15, 15);
    }
    // The menu's entry may have closed the program, and the main window with it.
    if (form1* still = runtime::app().loadedForm<form1>()) still->MessageBox1.show(MsgBadThemeFile);
    fuzz::Program().advance(100);
    fuzz::Reset(false);
    return 0;
}
