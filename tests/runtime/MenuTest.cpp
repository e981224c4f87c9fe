#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Menu.h"
#include "runtime/PictureBox.h"
#include "runtime/PopupMenu.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

// A context menu hidden from the menu bar, its commands a control array, as the program's
// dialogs have them, and a favorites-style pop-up menu component.
class Menus : public Form {
  public:
    Menus() : Form("Menus") {
        mnuTVMenu.setVisible(false);
        const char* captions[] = {"New", "-", "Rename", "Delete"};
        for (auto& [index, item] : mnuTVMenuCommand) {
            item->setCaption(captions[index]);
            item->Click = [this, index = index] { chosen.push_back(index); };
        }
        Frame1.Move(1000, 2000, 3000, 3000);
        Button.Move(100, 200, 300, 400);
    }
    Menu& mnuTVMenu = add<Menu>("mnuTVMenu");
    ControlArray<Menu> mnuTVMenuCommand =
        addArray<Menu>("mnuTVMenuCommand", {0, 1, 2, 3}, &mnuTVMenu);
    Frame& Frame1 = add<Frame>("Frame1");
    PictureBox& Button = add<PictureBox>("Button", &Frame1);
    std::vector<int> chosen;
};

std::vector<std::string> captionsOf(const std::vector<MenuEntry>& entries) {
    std::vector<std::string> captions;
    for (const MenuEntry& entry : entries)
        captions.push_back(entry.caption);
    return captions;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(FormMenus, PopUpTheirVisibleChildrenAndRunTheChosenOnesClick) {
    Harness harness;
    auto& form = app().form<Menus>();
    form.mnuTVMenuCommand(3).setVisible(false);
    harness.backend().answerMenu("Rename");
    form.PopupMenu(form.mnuTVMenu, 150, 250);
    EXPECT_EQ(form.chosen, (std::vector<int>{2}));
    ASSERT_EQ(harness.backend().menusShown.size(), 1u);
    const MenuRequest& shown = harness.backend().menusShown[0].request;
    EXPECT_EQ(captionsOf(shown.entries), (Texts{"New", "-", "Rename"}));
    EXPECT_EQ(shown.at, (TwipsPoint{150, 250}));
    EXPECT_EQ(shown.owner, &form);
}

TEST(FormMenus, RunNothingWhenDismissedOrWhenTheChosenEntryIsDisabled) {
    Harness harness;
    auto& form = app().form<Menus>();
    form.PopupMenu(form.mnuTVMenu);
    form.mnuTVMenuCommand(0).setEnabled(false);
    harness.backend().answerMenu("New");
    form.PopupMenu(form.mnuTVMenu);
    EXPECT_TRUE(form.chosen.empty());
    EXPECT_FALSE(harness.backend().menusShown[0].request.at.has_value());
    EXPECT_FALSE(harness.backend().menusShown[1].request.entries[0].enabled);
}

TEST(FormMenus, ShowSubmenusAndCheckMarks) {
    Harness harness;
    auto& form = app().form<Menus>();
    Menu& more = form.mnuTVMenuCommand(0);
    Menu& deeper = form.mnuTVMenuCommand.Load(4);
    deeper.setContainer(more);
    deeper.setCaption("Deeper");
    deeper.setChecked(true);
    deeper.Click = [&] { form.chosen.push_back(4); };
    harness.backend().answerMenu("Deeper");
    form.PopupMenu(form.mnuTVMenu);
    const MenuEntry& first = harness.backend().menusShown[0].request.entries[0];
    ASSERT_EQ(first.children.size(), 1u);
    EXPECT_TRUE(first.children[0].checked);
    EXPECT_EQ(form.chosen, (std::vector<int>{4}));
}

TEST(PopupMenus, NumberTheirEntriesInTheOrderAddedUnderTheirParents) {
    Harness harness;
    auto& form = app().form<Menus>();
    PopupMenu menu(form);
    EXPECT_EQ(menu.AddItem("-Organize"), 1);
    EXPECT_EQ(menu.AddItem("Add To Favorites\tAlt+A", 0, "Add"), 2);
    long shops = menu.AddItem("Shops", 0, "C:\\Fav");
    EXPECT_EQ(menu.AddItem("Toys", shops, "C:\\Fav\\Shops\\Toys"), 4);
    EXPECT_EQ(menu.AddItem("Lost", 99, "nowhere"), 0);
    EXPECT_EQ(menu.ItemCount(), 4);
    EXPECT_EQ(menu.ItemKey(2), "Add");
    EXPECT_EQ(menu.ItemKey(4), "C:\\Fav\\Shops\\Toys");
    EXPECT_EQ(menu.ItemParent(4), shops);
    EXPECT_EQ(menu.ItemKey(0), "");
    EXPECT_EQ(menu.ItemKey(5), "");
    menu.Reset();
    EXPECT_EQ(menu.ItemCount(), 0);
    EXPECT_EQ(menu.AddItem("again"), 1);
}

TEST(PopupMenus, RaiseClickWithTheChosenEnabledEntrysNumber) {
    Harness harness;
    auto& form = app().form<Menus>();
    PopupMenu menu(form);
    std::vector<long> clicks;
    menu.Click = [&](long item) { clicks.push_back(item); };
    menu.AddItem("Add To Favorites", 0, "Add");
    long folder = menu.AddItem("Shops", 0, "C:\\Fav");
    long empty = menu.AddItem("Empty", folder, "");
    menu.EnableItem(empty, false);
    menu.AddItem("News", 0, "C:\\Fav\\News");
    for (long pick : {4L, 3L, 2L, 0L}) {
        harness.backend().answerMenu([pick](const MenuRequest&) { return pick; });
        menu.ShowMenu(0, 0, 0, 0, 0, 0);
    }
    EXPECT_EQ(clicks, (std::vector<long>{4}));
    EXPECT_FALSE(menu.ItemEnabled(empty));
    const MenuRequest& shown = harness.backend().menusShown[0].request;
    EXPECT_EQ(captionsOf(shown.entries), (Texts{"Add To Favorites", "Shops", "News"}));
    EXPECT_EQ(captionsOf(shown.entries[1].children), (Texts{"Empty"}));
    EXPECT_FALSE(shown.entries[1].children[0].enabled);
}

TEST(PopupMenus, OpenAtPointsOfTheButtonsContainerMovedIntoTheForm) {
    Harness harness;
    auto& form = app().form<Menus>();
    PopupMenu menu(form);
    menu.AddItem("Only");
    const Control& button = form.Button;
    menu.ShowMenu(button.Left(), button.Top() + button.Height(), button.Left(), button.Top(),
                  button.Left() + button.Width(), button.Top() + button.Height(),
                  button.container());
    const MenuRequest& shown = harness.backend().menusShown[0].request;
    EXPECT_EQ(shown.at, (TwipsPoint{1100, 2600}));
    EXPECT_EQ(shown.exclude, (TwipsRect{1100, 2200, 1400, 2600}));
}
