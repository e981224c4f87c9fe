#include "skins/SkinToolWindows.h"

#include "mainwindow/FormMenu.h"
#include "runtime/Application.h"
#include "skins/ClassSkins.h"
#include "skins/FormDesignEdit.h"

namespace quillo {

namespace {

constexpr double kGapRightOfEditor = 1000;

void moveBesideEditor(runtime::Form& window) {
    FormDesignEdit& editor = runtime::form<FormDesignEdit>();
    window.setTop(editor.Top());
    window.setLeft(editor.Left() + editor.Width() + kGapRightOfEditor);
}

}  // namespace

ClassSkins& EditorSkins() {
    return *runtime::form<FormDesignEdit>().Skins;
}

void PlaceBesideEditor(runtime::Form& window) {
    window.application().backend().windows().setTopmost(window, true);
    moveBesideEditor(window);
}

void ShowBesideEditor(runtime::Form& window) {
    moveBesideEditor(window);
    window.Show();
    window.application().backend().windows().setTopmost(window, true);
}

void DragSkinToolWindow(runtime::Form& window) {
    // A menu that is not loaded is not open; referring to it would only load it.
    if (FormMenu* menu = runtime::app().loadedForm<FormMenu>()) menu->Hide();
    window.application().backend().windows().startSystemMove(window);
}

}  // namespace quillo
