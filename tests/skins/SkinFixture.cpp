#include "skins/SkinFixture.h"

#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/headless/User.h"
#include "shared/FormMessageBox.h"
#include "shared/ModuleLanguage.h"

namespace skintest {

MainWindow::MainWindow() : Form("form1") {
    setTag("S090507");
    Move(3000, 2000, 9000, 6600);
    Timer1.setEnabled(false);
    Timer1.setInterval(1000);
    Timer2.setEnabled(false);
    Timer2.setInterval(1000);
    PictureBottomLeft.Move(0, 6000, 3315, 600);
    PictureBottomCenter.Move(3315, 6000, 3000, 600);
    PictureBottomRight.Move(6315, 6000, 2685, 600);
    for (const std::string& name : kButtonNames) {
        Image& image = add<Image>(name);
        image.setStretch(true);
        image.Move(0, 0, 450, 450);
    }
}

SkinTest::SkinTest() {
    restart();
}

void SkinTest::restart() {
    for (Form* form : app().Forms())
        form->Unload();
    app().media().closeAll();
    harness.backend().mediaLog.clear();
    quillo::MsgSkinLoadFailed = "The skin could not be loaded.";
    quillo::MsgBadThemeFile = "This skin file is damaged.";
    messages.clear();
    arranged = 0;
    quillo::ClassSkins::Surroundings around;
    around.mainWindow = []() -> Form& { return app().form<MainWindow>(); };
    around.ArrangeMainWindow = [this](Form& form) {
        EXPECT_EQ(form.Name(), "form1");
        ++arranged;
    };
    skins = std::make_unique<quillo::ClassSkins>(around);
}

std::string SkinTest::skinPath(const std::string& name) const {
    return harness.programFolder() + "/skins/" + name;
}

void SkinTest::answerMessages(int n) {
    for (int i = 0; i < n; ++i)
        harness.backend().answerModal("FormMessageBox", [this](Form& shown) {
            auto& box = static_cast<quillo::FormMessageBox&>(shown);
            messages.push_back(box.Label1.Caption());
            quillo::headless::User::click(box.LabelOK);
        });
}

void SkinTest::answerWith(const std::string& word) {
    harness.backend().answerModal("FormMessageBox", [this, word](Form& shown) {
        auto& box = static_cast<quillo::FormMessageBox&>(shown);
        messages.push_back(box.Label1.Caption());
        if (word.empty())
            shown.Hide();
        else
            quillo::headless::User::click(*shown.findControl("Label" + word));
    });
}

std::vector<Form*> SkinTest::gauges() const {
    std::vector<Form*> found;
    for (Form* form : app().Forms())
        if (form->Name() == "FormGauge") found.push_back(form);
    return found;
}

}  // namespace skintest
