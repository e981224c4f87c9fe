#pragma once

namespace quillo {

namespace runtime {
class Form;
}  // namespace runtime

class ClassSkins;

// What the skin manager and the save-as window share: both are tool windows of the skin editor
// and work through its engine.

// The skin editor's engine; referring to it loads the editor (hidden) when it is not loaded.
ClassSkins& EditorSkins();
// The first steps of the windows' load: topmost, then 1000 twips to the right of the editor.
void PlaceBesideEditor(runtime::Form& window);
// The editor's panel buttons: the window moves to the same place beside the editor, shows
// (modeless) and is made topmost.
void ShowBesideEditor(runtime::Form& window);
// A press anywhere on the window's surface closes the program menu and lets the window system
// move the window with the mouse.
void DragSkinToolWindow(runtime::Form& window);

// Wires each of the window's picture buttons to its Picture1_Click, Picture1_MouseDown and
// Picture1_MouseUp with the button's index.
template <class Window>
void WirePictureButtons(Window& window) {
    for (auto& [index, button] : window.Picture1) {
        const int Index = index;
        button->Click = [&window, Index] { window.Picture1_Click(Index); };
        button->MouseDown = [&window, Index](int, int, double, double) {
            window.Picture1_MouseDown(Index);
        };
        button->MouseUp = [&window, Index](int, int, double, double) {
            window.Picture1_MouseUp(Index);
        };
    }
}

}  // namespace quillo
