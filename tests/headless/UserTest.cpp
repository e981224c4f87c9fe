#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/ComboBox.h"
#include "runtime/Image.h"
#include "runtime/PictureBox.h"
#include "runtime/TextBox.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/User.h"

using namespace quillo::runtime;
using quillo::headless::Harness;
using quillo::headless::User;

namespace {

// Writes every key and mouse event of its controls into one log.
class Keys : public Form {
  public:
    Keys() : Form("Keys") {
        watch(Combo, "combo");
        watch(Text1, "text");
        watch(*this, "form");
        Strip.setOLEDropMode(1);
        Button.DragDrop = [this](Control& source, double x, double y) {
            log.push_back("drop " + source.Name() + " " + std::to_string(int(x)) + "," +
                          std::to_string(int(y)));
        };
        Strip.OLEDragDrop = [this](DataObject& data, int& effect, int, int, double, double) {
            log.push_back("files " + std::to_string(data.FilesCount()) + " " + data.Files(1) +
                          " [" + data.Files(2) + "]");
            effect = 0;
        };
    }
    ComboBox& Combo = add<ComboBox>("Combo");
    TextBox& Text1 = add<TextBox>("Text1");
    PictureBox& Preview = add<PictureBox>("Preview");
    PictureBox& Strip = add<PictureBox>("Strip");
    Image& Button = add<Image>("Button");
    std::vector<std::string> log;

  private:
    void watch(Control& control, std::string name) {
        control.KeyDown = [this, name](int& code, int shift) {
            log.push_back(name + " down " + std::to_string(code) + "/" + std::to_string(shift));
        };
        control.KeyPress = [this, name](int& key) {
            log.push_back(name + " press " + std::to_string(key));
        };
        control.KeyUp = [this, name](int& code, int) {
            log.push_back(name + " up " + std::to_string(code));
        };
        control.MouseDown = [this, name](int button, int, double x, double y) {
            log.push_back(name + " mousedown " + std::to_string(button) + " " +
                          std::to_string(int(x)) + "," + std::to_string(int(y)));
        };
        control.Click = [this, name] { log.push_back(name + " click"); };
    }
};

using Log = std::vector<std::string>;

}  // namespace

TEST(TypingUser, SendsKeyDownKeyPressAndKeyUpForEachCharacter) {
    Harness harness;
    auto& form = app().form<Keys>();
    User::type(form.Combo, "aB.é");
    EXPECT_EQ(form.log, (Log{"combo down 65/0", "combo press 97", "combo up 65", "combo down 66/1",
                             "combo press 66", "combo up 66", "combo down 190/0", "combo press 46",
                             "combo up 190", "combo press 233"}));
    EXPECT_EQ(form.Combo.Text(), "aB.é");
    EXPECT_EQ(form.Combo.SelStart(), 4);
}

TEST(TypingUser, LetsTheFormSeeKeysFirstWhenItPreviewsThem) {
    Harness harness;
    auto& form = app().form<Keys>();
    form.setKeyPreview(true);
    form.KeyDown = [&](int& code, int shift) {
        if (code == 'N' && shift == vbCtrlMask) code = 0;
    };
    User::pressKey(form.Text1, 'N', vbCtrlMask);
    User::type(form.Text1, "\r");
    // The form's own KeyDown swallowed Ctrl+N before the box saw it; it logs nothing itself.
    EXPECT_EQ(form.log,
              (Log{"form press 14", "text press 14", "form up 78", "text up 78", "text down 13/0",
                   "form press 13", "text press 13", "form up 13", "text up 13"}));
    EXPECT_EQ(form.Text1.Text(), "");
}

TEST(TypingUser, StopsWhenAKeyUnloadedTheForm) {
    Harness harness;
    auto& form = app().form<Keys>();
    form.Text1.KeyPress = [&](int&) { form.Unload(); };
    User::type(form.Text1, "abc");
    EXPECT_EQ(app().loadedForm<Keys>(), nullptr);
}

TEST(ClickingUser, PressesAtTwipPositionsAndStopsWhenThePressUnloadedTheForm) {
    Harness harness;
    auto& form = app().form<Keys>();
    User::click(form.Text1, vbRightButton, 150, 300);
    EXPECT_EQ(form.log, (Log{"text mousedown 2 150,300", "text click"}));
    form.Text1.MouseDown = [&](int, int, double, double) { form.Unload(); };
    User::doubleClick(form.Text1);
    EXPECT_EQ(app().loadedForm<Keys>(), nullptr);
}

TEST(DraggingUser, DropsOnlyControlsThatCanBeDragged) {
    Harness harness;
    auto& form = app().form<Keys>();
    EXPECT_FALSE(User::drag(form.Preview, form.Button, 10, 20));
    form.Preview.setDragMode(1);
    EXPECT_TRUE(User::drag(form.Preview, form.Button, 10, 20));
    form.Preview.setDragMode(0);
    form.Preview.Drag(1);
    EXPECT_TRUE(User::drag(form.Preview, form.Button, 30, 40));
    EXPECT_FALSE(form.Preview.draggable());
    EXPECT_EQ(form.log, (Log{"drop Preview 10,20", "drop Preview 30,40"}));
}

TEST(DraggingUser, DropsFilesOnlyWhereTheyAreAccepted) {
    Harness harness;
    auto& form = app().form<Keys>();
    EXPECT_FALSE(User::dropFiles(form.Button, {"/tmp/a.bmp"}));
    EXPECT_TRUE(User::dropFiles(form.Strip, {"/tmp/a.bmp", "/tmp/b.gif"}));
    EXPECT_TRUE(User::dropFiles(form.Strip, {}));
    EXPECT_EQ(form.log, (Log{"files 2 /tmp/a.bmp [/tmp/b.gif]", "files 0  []"}));
}

TEST(DraggingUser, ReportsTheEffectTheHandlerChose) {
    Harness harness;
    auto& form = app().form<Keys>();
    DataObject data({"/tmp/clip.avi"});
    EXPECT_EQ(form.Strip.fireOLEDragDrop(data, vbLeftButton, 0, 0, 0), 0);
    EXPECT_EQ(form.Button.fireOLEDragDrop(data, vbLeftButton, 0, 0, 0), 1);
}
