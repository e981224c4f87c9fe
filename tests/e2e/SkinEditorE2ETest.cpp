// The skin editor's button bar on the Qt window system: each button clicked with the mouse does
// its action, the platform's dialogs answered as the user would.

#include <QColorDialog>
#include <QFileDialog>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <string>

#include "QtFixture.h"
#include "mainwindow/form1.h"
#include "shared/FormMessageBox.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"

namespace quillo::e2e {

namespace {

using runtime::form;

class SkinEditor : public QtFixture {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path assets(QUILLO_ASSETS_DIR);
        for (const char* entry :
             {"language.ini", "rn418.ini", "skinlib.txt", "English", "skins", "Blank Buttons"})
            fs::copy(assets / entry, fs::path(folder_) / entry, fs::copy_options::recursive);
        first = writePicture("first.png", Qt::red, 20, 10);
        second = writePicture("second.png", Qt::blue, 20, 10);
        std::ofstream(folder_ + "/imagelib.txt") << "<" << first << ">\r\n<" << second << ">\r\n";
        main = &form<form1>();
        ASSERT_TRUE(waitFor([this] { return main->Visible(); }, 5000));
        editor = &form<FormDesignEdit>();
        editor->Show();
        settle();
    }
    void TearDown() override {
        if (runtime::app().loadedForm<form1>()) main->Unload();
    }
    void click(int index) {
        QTest::mouseClick(widgetOf(editor->Picture1(index)), Qt::LeftButton, {}, QPoint(5, 5));
        settle();
    }
    static bool topmost(const runtime::Form& window) {
        return widgetOf(window)->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    }

    std::string first, second;
    form1* main = nullptr;
    FormDesignEdit* editor = nullptr;
    QObject context;
};

}  // namespace

TEST_F(SkinEditor, EachButtonDoesItsActionWhenClicked) {
    click(0);
    EXPECT_EQ(main->PictureHome.Tag(), folder_ + "/Blank Buttons/B-PictureHome");
    EXPECT_EQ(main->BackColor(), 0x80000003u);

    bool editorTopmostMeanwhile = true;
    whenShown<QColorDialog>(&context, [&](QColorDialog& dialog) {
        editorTopmostMeanwhile = topmost(*editor);
        dialog.setCurrentColor(QColor(0x11, 0x22, 0x33));
        dialog.accept();
    });
    click(1);
    EXPECT_FALSE(editorTopmostMeanwhile);
    EXPECT_TRUE(topmost(*editor));
    EXPECT_EQ(main->BackColor(), runtime::RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(main->FrameDashBoard.BackColor(), runtime::RGB(0x11, 0x22, 0x33));

    const std::string third = writePicture("third.png", Qt::green, 20, 10);
    whenShown<QFileDialog>(&context, [&](QFileDialog& dialog) {
        dialog.selectFile(QString::fromStdString(third));
        static_cast<QDialog&>(dialog).accept();
    });
    click(2);
    EXPECT_EQ(editor->PictureImageBox.Tag(), third);
    click(4);  // on from the last: the first
    EXPECT_EQ(editor->PictureImageBox.Tag(), first);
    click(3);  // back from the first: the last
    EXPECT_EQ(editor->PictureImageBox.Tag(), third);
    click(5);
    EXPECT_EQ(editor->LibraryEntries.size(), 3u);
    EXPECT_EQ(editor->PictureImageBox.Tag(), first);

    click(6);
    EXPECT_TRUE(form<FormLoading>().Visible());
    click(7);
    EXPECT_TRUE(form<FormSaveAs>().Visible());
    EXPECT_FALSE(form<FormLoading>().Visible());

    editor->TextBoxSkinName.setText("Plain");
    whenReady(&context, [] {
        auto* box = runtime::app().loadedForm<FormMessageBox>();
        if (!box || !box->Visible()) return false;
        QTest::mouseClick(widgetOf(box->LabelYES), Qt::LeftButton, {}, QPoint(3, 3));
        return true;
    });
    click(8);
    EXPECT_TRUE(std::filesystem::exists(folder_ + "/skins/Plain/Plain.tz3"));

    QTest::mouseClick(widgetOf(editor->Label1), Qt::LeftButton, {}, QPoint(3, 3));
    settle();
    EXPECT_FALSE(widgetOf(*editor)->isVisible());
}

TEST_F(SkinEditor, TheArrowButtonsShowWhiteArrowsOnPurple) {
    for (int index : {3, 4}) {
        QWidget* arrow = widgetOf(editor->Picture1(index));
        const QImage shown = grab(arrow);
        const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        const QColor besideTheArrow = shown.pixelColor(4, shown.height() - 8);
        EXPECT_EQ(middle, QColor(Qt::white)) << index;
        EXPECT_GT(besideTheArrow.blue(), besideTheArrow.green() + 60) << index;
    }
}

}  // namespace quillo::e2e
