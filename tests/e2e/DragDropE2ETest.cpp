// Drag and drop on the Qt window system: the skin editor's preview dragged onto the main window,
// files dropped from other programs, and the program menu chosen in one press; and the skin
// editor's button bar clicked with the mouse, its dialogs and messages answered as a user would.

#include <QColorDialog>
#include <QDropEvent>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "mainwindow/FormChangeHomepage.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/form1.h"
#include "shared/FormMessageBox.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"

namespace quillo::e2e {

namespace {

class DragAndDrop : public QtFixture {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path assets(QUILLO_ASSETS_DIR);
        for (const char* entry :
             {"language.ini", "rn418.ini", "skinlib.txt", "English", "skins", "Blank Buttons"})
            fs::copy(assets / entry, fs::path(folder_) / entry, fs::copy_options::recursive);
        fs::create_directories(folder_ + "/my pictures");
        main = &runtime::form<form1>();
        ASSERT_TRUE(waitFor([this] { return main->Visible(); }, 5000));
        editor = &runtime::form<FormDesignEdit>();
        // The editor stands beside the main window's bottom strips, over none of them.
        main->Move(0, 0);
        editor->Move(0, 460 * 15);
        editor->Show();
        settle();
    }
    void TearDown() override {
        if (runtime::app().loadedForm<form1>()) main->Unload();
    }

    // A bitmap file of one colour, under a name with a space and a letter beyond ASCII.
    std::string writeBitmap(QColor color) {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(color);
        const std::string path = folder_ + "/my pictures/" + color.name().toStdString() + " ü.bmp";
        image.save(QString::fromStdString(path), "BMP");
        return path;
    }
    static QPoint middle(QWidget* widget) { return {widget->width() / 2, widget->height() / 2}; }
    static QPoint globalMiddle(const runtime::Control& control) {
        QWidget* widget = widgetOf(control);
        return widget->mapToGlobal(middle(widget));
    }
    static QRgb colourIn(const runtime::Control& control) {
        QWidget* widget = widgetOf(control);
        return grab(widget).pixel(middle(widget));
    }
    // A mouse event as the window system hands it to a widget: at a point of the screen.
    static void sendMouse(QWidget* to, QEvent::Type type, QPoint global, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(to->mapFromGlobal(global)), QPointF(global), Qt::LeftButton,
                          held, Qt::NoModifier);
        QCoreApplication::sendEvent(to, &event);
    }
    // Files dragged from another program over a widget and dropped there; whether it was taken.
    static bool dropFiles(QWidget* on, const QList<QUrl>& files) {
        QMimeData data;
        data.setUrls(files);
        return drop(on, data);
    }
    static bool drop(QWidget* on, const QMimeData& data) {
        const QPoint at = middle(on);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(on, &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(on, &move);
        if (!enter.isAccepted() || !move.isAccepted()) return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::NoButton, {});
        QCoreApplication::sendEvent(on, &drop);
        settle();
        return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }

    void clickEditor(int index) {
        QTest::mouseClick(widgetOf(editor->Picture1(index)), Qt::LeftButton, {}, QPoint(5, 5));
        settle();
    }
    // Picks the file in the open dialog once it is up.
    void chooseInFileDialog(const std::string& file) {
        whenShown<QFileDialog>(&context, [file](QFileDialog& dialog) { ChooseFile(dialog, file); });
    }
    // Clicks a button of the program's own message box once it is up.
    void clickInMessageBox(const std::string& label) {
        whenShown<QWidget>(&context, [label](QWidget&) {
            runtime::Control* button = runtime::form<FormMessageBox>().findControl(label);
            QTest::mouseClick(widgetOf(*button), Qt::LeftButton, {}, QPoint(3, 3));
        });
    }

    form1* main = nullptr;
    FormDesignEdit* editor = nullptr;
    QObject context;
};

}  // namespace

TEST_F(DragAndDrop, ThePreviewDraggedOntoAButtonDressesItAndEscapeOrNowhereDropsNothing) {
    const std::string red = writeBitmap(Qt::red);
    editor->ShowLibraryItem(red);
    editor->PictureImageBox.setDragMode(1);
    QWidget* preview = widgetOf(editor->PictureImageBox);
    const std::string homeTag = main->PictureHome.Tag();
    // Given up with Escape, or released outside every window of the program: nothing.
    QTest::mousePress(preview, Qt::LeftButton, {}, middle(preview));
    QTest::keyClick(preview, Qt::Key_Escape);
    sendMouse(preview, QEvent::MouseButtonRelease, globalMiddle(main->PictureHome), {});
    QTest::mousePress(preview, Qt::LeftButton, {}, middle(preview));
    sendMouse(preview, QEvent::MouseButtonRelease, QPoint(-300, -300), {});
    EXPECT_EQ(main->PictureHome.Tag(), homeTag);

    QTest::mousePress(preview, Qt::LeftButton, {}, middle(preview));
    EXPECT_EQ(QWidget::mouseGrabber(), preview);
    sendMouse(preview, QEvent::MouseMove, QPoint(300, 300), Qt::LeftButton);
    sendMouse(preview, QEvent::MouseButtonRelease, globalMiddle(main->PictureHome), {});
    settle();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(main->PictureHome.Tag(), red);
    EXPECT_EQ(colourIn(main->PictureHome), QColor(Qt::red).rgb());
}

TEST_F(DragAndDrop, ABitmapDroppedFromAnotherProgramDressesAButtonOrJoinsTheLibrary) {
    const std::string green = writeBitmap(Qt::green);
    const QList<QUrl> files{QUrl::fromLocalFile(QString::fromStdString(green)),
                            QUrl("https://www.example.org/other.bmp")};
    EXPECT_TRUE(dropFiles(widgetOf(main->PictureBack), files));
    EXPECT_EQ(colourIn(main->PictureBack), QColor(Qt::green).rgb());
    EXPECT_TRUE(dropFiles(widgetOf(editor->PictureImageBox), files));
    EXPECT_EQ(editor->LibraryText, "<" + green + ">\r\n");
    // The status text takes no files, and does not hand them to the strip that holds it.
    EXPECT_FALSE(dropFiles(widgetOf(main->LabelStatusBarMain), files));
}

TEST_F(DragAndDrop, APictureFromAPageOfAnotherCopyDressesNothingThatTheSameFileFromElsewhereDoes) {
    // Another copy's page offers the file its engine wrote, the picture's markup, no text and
    // the page's own data, the program's mark among them.
    QMimeData fromPage;
    fromPage.setData("chromium/x-web-custom-data",
                     QByteArray::fromHex("4c000000010000001e0000006100700070006c0069006300610074"
                                         "0069006f006e002f0078002d007100750069006c006c006f002d00"
                                         "70006100670065002d0064007200610067000100000031000000"));
    fromPage.setHtml("<img src=\"http://127.0.0.1:40609/blue.bmp\">");
    fromPage.setText("");
    const std::string file = writeBitmap(Qt::blue);
    fromPage.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
    const std::string back = main->PictureBack.Tag();
    EXPECT_FALSE(drop(widgetOf(main->PictureBack), fromPage));
    EXPECT_FALSE(drop(widgetOf(editor->PictureImageBox), fromPage));
    EXPECT_EQ(main->PictureBack.Tag(), back);
    EXPECT_EQ(editor->LibraryText, "");
    EXPECT_TRUE(dropFiles(widgetOf(main->PictureBack), fromPage.urls()));  // from a file manager
    EXPECT_EQ(main->PictureBack.Tag(), file);
}

TEST_F(DragAndDrop, PressingTheIconMovingOntoAnItemAndReleasingThereRunsIt) {
    QWidget* icon = widgetOf(main->PictureIcon);
    QTest::mousePress(icon, Qt::LeftButton, {}, QPoint(3, 3));
    settle();
    // The window system keeps giving the pressed icon the moves and the release.
    const QPoint onItem = globalMiddle(runtime::form<FormMenu>().LabelMenu(5));
    sendMouse(icon, QEvent::MouseMove, icon->mapToGlobal(QPoint(5, 5)), Qt::LeftButton);
    sendMouse(icon, QEvent::MouseMove, onItem, Qt::LeftButton);
    sendMouse(icon, QEvent::MouseButtonRelease, onItem, {});
    EXPECT_FALSE(runtime::form<FormMenu>().Visible());
    EXPECT_TRUE(runtime::form<FormChangeHomepage>().Visible());
}

TEST_F(DragAndDrop, TheSkinEditorsButtonsShowTheirPicturesAndAnswerClicksAboveTheColourDialog) {
    // The arrows are pictures of the window's own: white arrows on purple buttons.
    for (int index : {3, 4}) {
        const QImage arrow = grab(widgetOf(editor->Picture1(index)));
        EXPECT_EQ(arrow.pixelColor(arrow.width() / 2, arrow.height() / 2), QColor(Qt::white));
        const QColor button = arrow.pixelColor(4, arrow.height() - 8);
        EXPECT_GT(button.blue(), button.green() + 60) << index;
    }
    clickEditor(0);
    EXPECT_EQ(main->PictureHome.Tag(), folder_ + "/Blank Buttons/B-PictureHome");

    const auto topmost = [](const runtime::Form& window) {
        return widgetOf(window)->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    };
    bool editorTopmostMeanwhile = true;
    whenShown<QColorDialog>(&context, [&](QColorDialog& dialog) {
        editorTopmostMeanwhile = topmost(*editor);
        dialog.setCurrentColor(QColor(0x11, 0x22, 0x33));
        dialog.accept();
    });
    clickEditor(1);
    EXPECT_FALSE(editorTopmostMeanwhile);
    EXPECT_TRUE(topmost(*editor));
    EXPECT_EQ(main->BackColor(), runtime::RGB(0x11, 0x22, 0x33));

    QTest::mouseClick(widgetOf(editor->Label1), Qt::LeftButton, {}, QPoint(3, 3));
    settle();
    EXPECT_FALSE(widgetOf(*editor)->isVisible());
}

TEST_F(DragAndDrop, TheSkinEditorsLibraryPanelAndSaveButtonsDoTheirWorkWhenClicked) {
    const std::string red = writeBitmap(Qt::red);
    const std::string green = writeBitmap(Qt::green);
    const std::string blue = writeBitmap(Qt::blue);
    // 2 adds the file chosen in the open dialog; "Next Image" (3) steps back and "Previous
    // Image" (4) on, around both ends; 5 deletes the entry on show, the last one with a message.
    struct Step {
        int index;
        std::string chosen, shown;
    };
    const Step steps[] = {{2, red, red},  {2, green, green}, {2, blue, blue}, {3, "", green},
                          {4, "", blue},  {4, "", red},      {3, "", blue},   {5, "", red},
                          {5, "", green}, {5, "", ""}};
    for (const Step& step : steps) {
        if (!step.chosen.empty()) chooseInFileDialog(step.chosen);
        if (step.shown.empty()) clickInMessageBox("LabelOK");
        clickEditor(step.index);
        EXPECT_EQ(editor->PictureImageBox.Tag(), step.shown) << step.index;
    }
    EXPECT_TRUE(editor->LibraryEntries.empty());
    EXPECT_FALSE(runtime::app().loadedForm<FormMessageBox>());

    // 6 and 7: the skin manager or the save-as window 1000 twips right of the editor, on top,
    // the other one hidden.
    runtime::Form* panels[] = {&runtime::form<FormLoading>(), &runtime::form<FormSaveAs>()};
    QWidget* editorWindow = widgetOf(*editor);
    for (int index : {6, 7}) {
        panels[7 - index]->Show();
        clickEditor(index);
        QWidget* shown = widgetOf(*panels[index - 6]);
        EXPECT_TRUE(shown->isVisible()) << index;
        EXPECT_FALSE(widgetOf(*panels[7 - index])->isVisible()) << index;
        EXPECT_TRUE(shown->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << index;
        EXPECT_EQ(shown->y(), editorWindow->y()) << index;
        EXPECT_NEAR(shown->x() - editorWindow->x() - editorWindow->width(), 1000 / 15.0, 1)
            << index;
    }

    // 8 saves the main window's look under the name typed into the editor, once confirmed.
    QLineEdit* nameBox = widgetOf(editor->TextBoxSkinName)->findChild<QLineEdit*>();
    nameBox->selectAll();
    QTest::keyClicks(nameBox, "My Look");
    clickInMessageBox("LabelYES");
    clickEditor(8);
    const std::filesystem::path skin = std::filesystem::path(folder_) / "skins" / "My Look";
    EXPECT_TRUE(std::filesystem::is_regular_file(skin / "My Look.tz3"));
    EXPECT_TRUE(std::filesystem::is_regular_file(skin / "PictureHome"));
}

}  // namespace quillo::e2e
