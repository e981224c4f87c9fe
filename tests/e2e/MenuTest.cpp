#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "runtime/Label.h"
#include "runtime/Menu.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class WithMenus : public Form {
  public:
    WithMenus() : Form("WithMenus") {
        mnuPop.setVisible(false);
        mnuPop.setCaption("Pop");
        mnuOpen.setCaption("Open");
        mnuSpace.setCaption("-");
        mnuSound.setCaption("Sound");
        mnuSound.setChecked(true);
        mnuSecret.setCaption("Secret");
        mnuSecret.setVisible(false);
        mnuClose.setCaption("Close");
        mnuClose.setEnabled(false);
        for (Menu* menu : {&mnuOpen, &mnuSound, &mnuClose})
            menu->Click = [this, menu] { log.push_back(menu->Caption()); };
    }
    Menu& mnuPop = add<Menu>("mnuPop");
    Menu& mnuOpen = add<Menu>("mnuOpen", &mnuPop);
    Menu& mnuSpace = add<Menu>("mnuSpace", &mnuPop);
    Menu& mnuSound = add<Menu>("mnuSound", &mnuPop);
    Menu& mnuSecret = add<Menu>("mnuSecret", &mnuPop);
    Menu& mnuClose = add<Menu>("mnuClose", &mnuPop);
    Label& Label1 = add<Label>("Label1");
    std::vector<std::string> log;
};

class Menus : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<WithMenus>();
        form->Move(0, 0, 6000, 4500);
        form->Show();
    }
    // Runs the check on the menu once it is open, then pops up the form's menu.
    void popUp(const std::function<void(QMenu&)>& check) {
        bool checked = false;
        QTimer::singleShot(0, [&] {
            waitFor([] { return QApplication::activePopupWidget() != nullptr; });
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            checked = true;
            check(*menu);
        });
        form->PopupMenu(form->mnuPop, 300, 300);
        EXPECT_TRUE(checked);
    }
    static QAction* action(QMenu& menu, const char* text) {
        for (QAction* entry : menu.actions())
            if (entry->text() == text) return entry;
        return nullptr;
    }
    WithMenus* form = nullptr;
};

}  // namespace

TEST_F(Menus, AHiddenMenuPopsUpWithItsVisibleEntries) {
    popUp([](QMenu& menu) {
        QStringList texts;
        for (QAction* entry : menu.actions())
            texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        EXPECT_EQ(texts, (QStringList{"Open", "-", "Sound", "Close"}));
        EXPECT_TRUE(action(menu, "Sound")->isChecked());
        EXPECT_FALSE(action(menu, "Close")->isEnabled());
        menu.close();
    });
    EXPECT_TRUE(form->log.empty());
}

TEST_F(Menus, ChoosingAnEntryRaisesItsClick) {
    popUp([](QMenu& menu) {
        QTest::mouseClick(&menu, Qt::LeftButton, {},
                          menu.actionGeometry(action(menu, "Open")).center());
    });
    EXPECT_EQ(form->log, (std::vector<std::string>{"Open"}));
}

TEST_F(Menus, OnlyVisibleTopLevelMenusMakeAMenuBarAboveTheDrawingArea) {
    settle();
    EXPECT_EQ(widgetOf(*form)->findChild<QMenuBar*>(), nullptr);
    form->mnuPop.setVisible(true);
    settle();
    auto* bar = widgetOf(*form)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions().front()->text(), "Pop");
    QMenu* pop = bar->actions().front()->menu();
    ASSERT_NE(pop, nullptr);
    action(*pop, "Sound")->trigger();
    EXPECT_EQ(form->log, (std::vector<std::string>{"Sound"}));
    // The form's controls and mouse coordinates start below the bar.
    form->Label1.Move(0, 0, 600, 300);
    EXPECT_EQ(widgetOf(form->Label1)->pos(), QPoint(0, bar->height()));
    form->mnuPop.setVisible(false);
    settle();
    EXPECT_EQ(widgetOf(*form)->findChild<QMenuBar*>(), nullptr);
    EXPECT_EQ(widgetOf(form->Label1)->pos(), QPoint(0, 0));
}
