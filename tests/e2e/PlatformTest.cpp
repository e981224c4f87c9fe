#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <filesystem>

#include "QtFixture.h"
#include "runtime/qt/QtDialogServices.h"
#include "runtime/qt/QtFonts.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;
using quillo::e2e::ChooseFile;
using quillo::e2e::whenShown;
using quillo::qt::InstalledFamilyFor;
using quillo::qt::QtDialogServices;
using quillo::qt::ToQFont;

namespace {

using Platform = QtFixture;

Font font(const std::string& name, double size = 10, bool bold = false, int charset = 0) {
    Font result;
    result.Name = name;
    result.Size = size;
    result.Bold = bold;
    result.Charset = charset;
    return result;
}

}  // namespace

TEST_F(Platform, TwipsPerPixelComeFromTheScreensLogicalResolution) {
    QScreen* screen = QGuiApplication::primaryScreen();
    EXPECT_DOUBLE_EQ(application().screen().TwipsPerPixelX, 1440 / screen->logicalDotsPerInchX());
    EXPECT_DOUBLE_EQ(application().screen().TwipsPerPixelY, 1440 / screen->logicalDotsPerInchY());
    EXPECT_DOUBLE_EQ(application().screen().Width,
                     screen->geometry().width() * application().screen().TwipsPerPixelX);
}

TEST_F(Platform, TheTimeOfDayIsTheWallClocks) {
    TimeOfDay time = backend().timeOfDay();
    int seconds = time.hour * 3600 + time.minute * 60 + time.second;
    int wall = QTime::currentTime().msecsSinceStartOfDay() / 1000;
    EXPECT_LE(std::abs(wall - seconds) % 86399, 2);
}

TEST_F(Platform, AMessageBoxAnswersWithTheButtonClicked) {
    QObject context;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    whenShown<QMessageBox>(&context, [&](QMessageBox& box) {
        icon = box.icon();
        text = box.text();
        box.button(QMessageBox::No)->click();
    });
    MsgBoxResult answer = backend().dialogs().messageBox("Delete it?", MsgBoxButtons::YesNo,
                                                         MsgBoxIcon::Critical, "");
    EXPECT_EQ(answer, MsgBoxResult::No);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(text, "Delete it?");
}

TEST_F(Platform, AnOkMessageBoxAnswersOk) {
    QObject context;
    bool hasYes = true;
    whenShown<QMessageBox>(&context, [&](QMessageBox& box) {
        hasYes = box.button(QMessageBox::Yes) != nullptr;
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(backend().dialogs().messageBox("Done.", MsgBoxButtons::OK, MsgBoxIcon::None, "Title"),
              MsgBoxResult::OK);
    EXPECT_FALSE(hasYes);
}

TEST_F(Platform, TheProgramsTimersRunWhileAMessageBoxWaits) {
    int ticks = 0;
    bool answered = false;
    QObject context;
    whenShown<QMessageBox>(&context, [&](QMessageBox& box) {
        // Answer only once work posted meanwhile has run.
        application().post([&ticks] { ++ticks; });
        QTimer::singleShot(50, &box, [&box, &answered] {
            answered = true;
            box.button(QMessageBox::Ok)->click();
        });
    });
    backend().dialogs().messageBox("Wait", MsgBoxButtons::OK, MsgBoxIcon::None, "");
    EXPECT_TRUE(answered);
    EXPECT_EQ(ticks, 1);
}

TEST_F(Platform, FileFiltersAreWrittenTheQtWay) {
    EXPECT_EQ(QtDialogServices::QtFileFilter("Pictures|*.bmp;*.gif|All files|*.*"),
              "Pictures (*.bmp *.gif);;All files (*)");
    EXPECT_EQ(QtDialogServices::QtFileFilter("Skins (*.tz3)|*.tz3"), "Skins (*.tz3) (*.tz3)");
    EXPECT_EQ(QtDialogServices::QtFileFilter("Text| *.txt ; *.ini |Broken"), "Text (*.txt *.ini)");
    EXPECT_EQ(QtDialogServices::QtFileFilter(""), "");
}

TEST_F(Platform, TheFileDialogGivesTheChosenFileOrNothing) {
    std::string file = writePicture("chosen.bmp", Qt::red, 2, 2);
    QObject context;
    QString filters;
    whenShown<QFileDialog>(&context, [&](QFileDialog& dialog) {
        filters = dialog.nameFilters().join(";;");
        ChooseFile(dialog, file);
    });
    auto chosen =
        backend().dialogs().openFile({"Open", "Pictures|*.bmp|All|*.*", 1, folder_, "", 0});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(std::filesystem::path(*chosen), std::filesystem::path(file));
    EXPECT_EQ(filters, "Pictures (*.bmp);;All (*)");

    whenShown<QFileDialog>(&context, [](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(backend().dialogs().openFile({"Open", "All|*.*", 1, folder_, "", 0}).has_value());
}

TEST_F(Platform, TheColourDialogGivesTheColourInTheProgramsByteOrder) {
    QObject context;
    whenShown<QColorDialog>(&context, [](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(0x11, 0x22, 0x33));
        dialog.accept();
    });
    EXPECT_EQ(backend().dialogs().chooseColor(RGB(1, 2, 3)), std::optional<Color>(0x332211));
    whenShown<QColorDialog>(&context, [](QColorDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(backend().dialogs().chooseColor(0).has_value());
}

TEST_F(Platform, MissingWindowsFacesFallBackToInstalledOnes) {
    EXPECT_EQ(InstalledFamilyFor("MS Sans Serif", 0), "DejaVu Sans");
    QString gothic = InstalledFamilyFor("ＭＳ Ｐゴシック", 128);
    EXPECT_TRUE(QFontDatabase::writingSystems(gothic).contains(QFontDatabase::Japanese))
        << gothic.toStdString();
    // The Japanese character set alone asks for a Japanese face.
    EXPECT_TRUE(QFontDatabase::writingSystems(InstalledFamilyFor("Some Face", 128))
                    .contains(QFontDatabase::Japanese));
    EXPECT_TRUE(QFontDatabase::hasFamily(InstalledFamilyFor("Impact", 0)));
}

TEST_F(Platform, AnInstalledFaceIsKept) {
    EXPECT_EQ(InstalledFamilyFor("DejaVu Serif", 0), "DejaVu Serif");
    QFont shown = ToQFont(font("DejaVu Serif", 14, true));
    EXPECT_EQ(QFontInfo(shown).family(), "DejaVu Serif");
    EXPECT_TRUE(QFontInfo(shown).bold());
    EXPECT_DOUBLE_EQ(shown.pointSizeF(), 14);
}

TEST_F(Platform, TextIsMeasuredAsTheLabelsDrawIt) {
    TextMetrics& metrics = backend().textMetrics();
    SizePx word = metrics.measure("Hello", font("MS Sans Serif"), 0);
    SizePx words = metrics.measure("Hello Hello", font("MS Sans Serif"), 0);
    SizePx bold = metrics.measure("Hello", font("MS Sans Serif", 10, true), 0);
    SizePx twoLines = metrics.measure("Hello\r\nHello", font("MS Sans Serif"), 0);
    SizePx wrapped = metrics.measure("Hello Hello", font("MS Sans Serif"), word.width + 2);
    SizePx empty = metrics.measure("", font("MS Sans Serif"), 0);
    EXPECT_GT(word.width, 0);
    EXPECT_GT(words.width, word.width);
    EXPECT_EQ(words.height, word.height);
    EXPECT_GT(bold.width, word.width);
    EXPECT_EQ(twoLines.width, word.width);
    EXPECT_GE(twoLines.height, 2 * word.height - 2);
    EXPECT_LE(wrapped.width, word.width + 2);
    EXPECT_EQ(wrapped.height, twoLines.height);
    EXPECT_EQ(empty.width, 0);
    EXPECT_EQ(empty.height, word.height);
    EXPECT_GT(metrics.measure("こんにちは", font("ＭＳ Ｐゴシック", 12, false, 128), 0).width, 0);
}

TEST_F(Platform, AProgramStartsWithItsArgumentsAndNoShell) {
    // A shell would split this name and run the second command.
    std::string target = folder_ + "/a b; touch shell";
    ASSERT_TRUE(backend().processes().start("/usr/bin/touch", {target}));
    EXPECT_TRUE(waitFor([&] { return std::filesystem::exists(target); }));
    EXPECT_FALSE(std::filesystem::exists("shell"));
    EXPECT_FALSE(backend().processes().start(folder_ + "/no-such-program", {}));
}
