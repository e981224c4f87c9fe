#include <QCheckBox>
#include <QTest>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "runtime/CheckBox.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Ticking : public Form {
  public:
    Ticking() : Form("Ticking") {
        Check1.Click = [this] { log.push_back("Click " + std::to_string(Check1.Value())); };
        Check1.MouseDown = [this](int, int, double, double) { log.push_back("MouseDown"); };
        Check1.MouseUp = [this](int, int, double, double) { log.push_back("MouseUp"); };
        Check1.KeyPress = [this](int& ascii) {
            if (ascii == ' ' && swallowSpace) ascii = 0;
        };
        Check1.KeyDown = [this](int& code, int) {
            if (code == ' ' && swallowSpace) code = 0;
        };
    }
    CheckBox& Check1 = add<CheckBox>("Check1");
    std::vector<std::string> log;
    bool swallowSpace = false;
};

using Log = std::vector<std::string>;

class CheckBoxes : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<Ticking>();
        form->Move(0, 0, 6000, 4500);
        form->Check1.Move(150, 150, 3000, 450);
        form->Check1.setCaption("Sound");
        form->Show();
        form->log.clear();
    }
    QWidget* host() { return widgetOf(form->Check1); }
    QCheckBox* check() { return host()->findChild<QCheckBox*>(); }
    Ticking* form = nullptr;
};

}  // namespace

TEST_F(CheckBoxes, TheBoxShowsTheCaptionAndValueOfTheModel) {
    ASSERT_NE(check(), nullptr);
    EXPECT_EQ(check()->text(), "Sound");
    EXPECT_EQ(check()->checkState(), Qt::Unchecked);
    form->Check1.setValue(1);
    EXPECT_EQ(check()->checkState(), Qt::Checked);
    form->Check1.setValue(2);
    EXPECT_EQ(check()->checkState(), Qt::PartiallyChecked);
    form->Check1.setCaption("Music");
    EXPECT_EQ(check()->text(), "Music");
}

TEST_F(CheckBoxes, AClickTogglesTheModelOnce) {
    QTest::mouseClick(check(), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(form->Check1.Value(), 1);
    EXPECT_EQ(check()->checkState(), Qt::Checked);
    EXPECT_EQ(form->log, (Log{"MouseDown", "MouseUp", "Click 1"}));
    form->Check1.setValue(2);
    QTest::mouseClick(host(), Qt::LeftButton, {}, QPoint(8, 8));  // where the window sends it
    EXPECT_EQ(form->Check1.Value(), 0);
    EXPECT_EQ(check()->checkState(), Qt::Unchecked);
}

TEST_F(CheckBoxes, TheSpaceBarClicksUnlessAHandlerSwallowsIt) {
    QTest::keyClick(host(), Qt::Key_Space);
    EXPECT_EQ(form->Check1.Value(), 1);
    EXPECT_EQ(check()->checkState(), Qt::Checked);
    form->swallowSpace = true;
    QTest::keyClick(host(), Qt::Key_Space);
    EXPECT_EQ(form->Check1.Value(), 1);
    EXPECT_EQ(check()->checkState(), Qt::Checked);
}
