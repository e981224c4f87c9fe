#include "skins/SkinFixture.h"

#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/headless/User.h"
#include "shared/FormMessageBox.h"
#include "shared/ModuleLanguage.h"

namespace skintest {

const std::vector<std::string> kButtonNames = {
    "PictureIcon",  "PictureTitleBar", "PictureTitle", "PictureWS01",     "PictureWS02",
    "PictureClose", "PictureHideShow", "PictureURL",   "PictureBookmark", "PictureBack",
    "PictureNext",  "PictureReload",   "PictureStop",  "PictureHome",     "PictureMail"};

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

std::string gif(int width, int height) {
    std::string bytes = "GIF89a";
    for (int value : {width, height}) {
        bytes += static_cast<char>(value & 0xFF);
        bytes += static_cast<char>(value >> 8);
    }
    return bytes + std::string(16, '\0');
}

std::string descriptor(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields)
        text += "<" + field + ">";
    return text + "\r\n";
}

std::vector<std::string> listEntries(const ListBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.ListCount(); ++i)
        entries.push_back(list.List(i));
    return entries;
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

std::vector<std::string> SkinTest::fieldsOf(const std::string& stripClip) {
    std::vector<std::string> fields = {"16777215", "255", "65280"};
    fields.insert(fields.end(), kButtonNames.begin(), kButtonNames.end());
    fields.push_back(stripClip);
    fields.push_back("PictureBottomCenter");
    fields.push_back("PictureBottomRight");
    return fields;
}

void SkinTest::writeSkin(const std::string& name, const std::vector<std::string>& fields) {
    harness.writeFile(
        skinPath(name).substr(harness.programFolder().size() + 1) + "/" + name + ".tz3",
        descriptor(fields));
    for (std::size_t i = 3; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        if (field.empty() || field.find("..") != std::string::npos || field[0] == '/') continue;
        bool clip = field.size() > 4 && field.substr(field.size() - 4) == ".avi";
        harness.writeFile("skins/" + name + "/" + field,
                          clip ? std::string("RIFF....AVI ") : gif(10 + static_cast<int>(i), 7));
    }
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

std::vector<Form*> SkinTest::gauges() const {
    std::vector<Form*> found;
    for (Form* form : app().Forms())
        if (form->Name() == "FormGauge") found.push_back(form);
    return found;
}

}  // namespace skintest
