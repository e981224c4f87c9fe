#include "skins/FormDesignEdit.h"

#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ClassSkins.h"
#include "skins/FormSaveAs.h"

namespace quillo {

namespace {

// Where each button lies and how big its bitmap is, in pixels.
struct ButtonPlace {
    int index;
    int left, top, width, height;
    const char* toolTip;
};
constexpr ButtonPlace kButtons[] = {
    {0, 9, 41, 102, 34, "Clear Background Images"},
    {1, 115, 41, 102, 34, "Change Background Color"},
    {2, 9, 169, 64, 48, "Add Images To Box"},
    {3, 120, 169, 45, 48, "Next Image"},
    {4, 77, 169, 40, 48, "Previous Image"},
    {5, 168, 169, 45, 48, "Delete Images From Box"},
    {6, 9, 258, 50, 30, "Loading Panel"},
    {7, 115, 258, 102, 30, "Saving Panel"},
    {8, 62, 258, 50, 30, ""},
};

}  // namespace

FormDesignEdit::FormDesignEdit() : Form("FormDesignEdit") {
    setBorderStyle(0);
    setShowInTaskbar(false);
    setWidth(PixelsToTwips(226));
    setHeight(PixelsToTwips(294));

    for (const ButtonPlace& place : kButtons) {
        runtime::PictureBox& button = Picture1(place.index);
        button.setBorderStyle(0);
        button.setToolTipText(place.toolTip);
        MoveInPixels(button, place.left, place.top, place.width, place.height);
    }

    Label1.setBackStyle(0);
    MoveInPixels(Label1, 196, 11, 20, 20);
    PictureImageBox.setBorderStyle(0);
    MoveInPixels(PictureImageBox, 9, 79, 208, 83);
    Image1.setVisible(false);
    MoveInPixels(TextBoxSkinName, 10, 224, 208, 25);

    Load = [this] { Form_Load(); };
}

FormDesignEdit::~FormDesignEdit() = default;

void FormDesignEdit::Form_Load() {
    application().backend().windows().setTopmost(*this, true);
    Skins = std::make_unique<ClassSkins>(ClassSkins::Surroundings{
        []() -> runtime::Form& { return runtime::form<form1>(); },
        [](runtime::Form& window) { ArrangeMainWindow(static_cast<form1&>(window)); }});
    Skins->Init(runtime::form<FormSaveAs>());
}

}  // namespace quillo
