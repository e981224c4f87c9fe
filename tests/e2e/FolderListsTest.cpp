#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "runtime/DirListBox.h"
#include "runtime/FileListBox.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Browsing : public Form {
  public:
    Browsing() : Form("Browsing") {
        File1.Click = [this] { log.push_back("File1 Click " + File1.FileName()); };
        File1.DblClick = [this] { log.push_back("File1 DblClick"); };
        Dir1.Click = [this] { log.push_back("Dir1 Click " + std::to_string(Dir1.ListIndex())); };
        Dir1.Change = [this] { log.push_back("Dir1 Change"); };
    }
    FileListBox& File1 = add<FileListBox>("File1");
    DirListBox& Dir1 = add<DirListBox>("Dir1");
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

class FolderLists : public QtFixture {
  protected:
    void SetUp() override {
        for (const char* name : {"a.txt", "b.bmp", "c.txt"})
            std::ofstream(folder_ + "/" + name);
        std::filesystem::create_directories(folder_ + "/sub1/deeper");
        std::filesystem::create_directories(folder_ + "/sub2");
        form = &application().newForm<Browsing>();
        form->Move(0, 0, 9000, 6000);
        form->File1.Move(150, 150, 3000, 4500);
        form->Dir1.Move(4500, 150, 3000, 4500);
        form->File1.setPattern("*.txt");
        form->File1.setPath(folder_);
        form->Dir1.setPath(folder_);
        form->Show();
        form->log.clear();
    }
    static QListWidget* list(const Control& control) {
        return widgetOf(control)->findChild<QListWidget*>();
    }
    static std::vector<std::string> rows(const Control& control) {
        std::vector<std::string> texts;
        for (int row = 0; row < list(control)->count(); ++row)
            texts.push_back(list(control)->item(row)->text().trimmed().toStdString());
        return texts;
    }
    static QPoint rowCentre(const Control& control, int row) {
        return list(control)->visualItemRect(list(control)->item(row)).center();
    }
    Browsing* form = nullptr;
};

}  // namespace

TEST_F(FolderLists, TheFileListShowsTheFilesTheModelListsAndItsChoice) {
    EXPECT_EQ(rows(form->File1), (std::vector<std::string>{"a.txt", "c.txt"}));
    form->File1.setPattern("*.bmp");
    EXPECT_EQ(rows(form->File1), (std::vector<std::string>{"b.bmp"}));
    form->File1.setListIndex(0);
    EXPECT_TRUE(list(form->File1)->item(0)->isSelected());
}

TEST_F(FolderLists, ClickingAFileChoosesItAndDoubleClickingRaisesDblClick) {
    QTest::mouseClick(list(form->File1)->viewport(), Qt::LeftButton, {}, rowCentre(form->File1, 1));
    EXPECT_EQ(form->File1.ListIndex(), 1);
    QTest::mouseDClick(list(form->File1)->viewport(), Qt::LeftButton, {},
                       rowCentre(form->File1, 1));
    EXPECT_EQ(form->log, (Log{"File1 Click c.txt", "File1 DblClick"}));
}

TEST_F(FolderLists, TheFolderListShowsTheFoldersAboveAndTheSubFolders) {
    const std::vector<std::string> shown = rows(form->Dir1);
    ASSERT_GE(shown.size(), 4u);
    const std::string current = std::filesystem::path(folder_).filename().string();
    const std::vector<std::string> tail(shown.end() - 4, shown.end());
    EXPECT_EQ(tail, (std::vector<std::string>{current, "sub1", "sub2", "windows"}));
    // The current folder is chosen.
    EXPECT_TRUE(list(form->Dir1)->item(static_cast<int>(shown.size()) - 4)->isSelected());
}

TEST_F(FolderLists, ClickingAFolderChoosesItAndDoubleClickingOpensIt) {
    const int sub1 = list(form->Dir1)->count() - 3;
    QTest::mouseClick(list(form->Dir1)->viewport(), Qt::LeftButton, {},
                      rowCentre(form->Dir1, sub1 + 1));
    EXPECT_EQ(form->Dir1.ListIndex(), 1);
    EXPECT_TRUE(list(form->Dir1)->item(sub1 + 1)->isSelected());
    QTest::mouseDClick(list(form->Dir1)->viewport(), Qt::LeftButton, {},
                       rowCentre(form->Dir1, sub1));
    EXPECT_EQ(form->log, (Log{"Dir1 Click 1", "Dir1 Change"}));
    EXPECT_EQ(rows(form->Dir1).back(), "deeper");
    // Double-clicking the folder above goes back up.
    const int above = list(form->Dir1)->count() - 3;
    QTest::mouseClick(list(form->Dir1)->viewport(), Qt::LeftButton, {},
                      rowCentre(form->Dir1, above));
    QTest::mouseDClick(list(form->Dir1)->viewport(), Qt::LeftButton, {},
                       rowCentre(form->Dir1, above));
    EXPECT_EQ(rows(form->Dir1).back(), "windows");
}
