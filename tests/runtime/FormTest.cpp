#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

// Sizes itself while it loads, and counts what happens to it.
class Sizing : public Form {
  public:
    Sizing() : Form("Sizing") {
        Resize = [this] { resizes.push_back(Width()); };
        Load = [this] {
            ++loads;
            setWidth(3000);
            resizesDuringLoad = static_cast<int>(resizes.size());
        };
        Label1.Click = [this] { Unload(); };
    }
    Label& Label1 = add<Label>("Label1");
    std::vector<double> resizes;
    int loads = 0;
    int resizesDuringLoad = -1;
};

// Ticks on its own while another form waits in a modal window.
class Background : public Form {
  public:
    Background() : Form("Background") {
        Timer1.Tick = [this] { ++ticks; };
        Timer1.setInterval(100);
    }
    Timer& Timer1 = add<Timer>("Timer1");
    int ticks = 0;
};

class Dialog : public Form {
  public:
    Dialog() : Form("Dialog") {
        OK.Click = [this] { Hide(); };
    }
    Label& OK = add<Label>("OK");
};

}  // namespace

TEST(Forms, RaiseResizeAtOnceWhenTheirSizeChangesAlsoDuringLoad) {
    Harness harness;
    auto& form = app().form<Sizing>();
    EXPECT_EQ(form.resizesDuringLoad, 1);
    form.setHeight(2000);
    form.setWidth(4000);
    form.setWidth(4000);
    EXPECT_EQ(form.resizes, (std::vector<double>{3000, 3000, 4000}));
}

TEST(Forms, CanBeUnloadedFromInsideTheirOwnHandler) {
    Harness harness;
    auto& form = app().form<Sizing>();
    Harness::click(form.Label1);
    EXPECT_EQ(app().loadedForm<Sizing>(), nullptr);
    EXPECT_TRUE(app().Forms().empty());
    EXPECT_TRUE(harness.backend().quitRequested);
}

TEST(Forms, AreLoadedHiddenOnFirstReferenceAndMadeAfreshAfterUnload) {
    Harness harness;
    auto& first = app().form<Sizing>();
    EXPECT_TRUE(first.loaded());
    EXPECT_FALSE(first.Visible());
    EXPECT_EQ(app().loadedForm<Sizing>(), &first);
    first.Unload();
    EXPECT_EQ(app().loadedForm<Sizing>(), nullptr);
    auto& second = app().form<Sizing>();
    EXPECT_EQ(second.loads, 1);
    EXPECT_EQ(second.resizes, (std::vector<double>{3000}));
}

TEST(Forms, ShownModallyWaitWhileOtherFormsTimersKeepFiring) {
    Harness harness;
    auto& background = app().form<Background>();
    int ticksSeenInside = -1;
    harness.backend().answerModal("Dialog", [&](Form& shown) {
        harness.advance(350);
        ticksSeenInside = background.ticks;
        Harness::click(static_cast<Dialog&>(shown).OK);
    });
    app().form<Dialog>().Show(ShowMode::Modal);
    EXPECT_EQ(ticksSeenInside, 3);
    EXPECT_FALSE(app().form<Dialog>().Visible());
    EXPECT_TRUE(harness.backend().unansweredModals.empty());
}

TEST(Forms, ShownModallyWithoutAnAnswerAreHiddenAgainAndRecorded) {
    Harness harness;
    app().form<Dialog>().Show(ShowMode::Modal);
    EXPECT_EQ(harness.backend().unansweredModals, (std::vector<std::string>{"Dialog"}));
}

TEST(Labels, WithAutoSizeTakeTheSizeTheMetricsGiveTheirCaption) {
    Harness harness;
    auto& label = app().form<Sizing>().Label1;
    label.setFont(Font{"Arial", 12});
    label.setAutoSize(true);
    label.setCaption("Hello");
    // 12 pt is 16 px: characters 9.6 px wide, lines 24 px high, 15 twips a pixel.
    EXPECT_DOUBLE_EQ(label.Width(), 48 * 15);
    EXPECT_DOUBLE_EQ(label.Height(), 24 * 15);
    label.setCaption("one\ntwo lines");
    EXPECT_DOUBLE_EQ(label.Width(), 86 * 15);
    EXPECT_DOUBLE_EQ(label.Height(), 48 * 15);
}

TEST(Labels, WithWordWrapKeepTheirWidthAndGrowDownwards) {
    Harness harness;
    auto& label = app().form<Sizing>().Label1;
    label.setFont(Font{"Arial", 12});
    label.setWidth(50 * 15);
    label.setWordWrap(true);
    label.setAutoSize(true);
    label.setCaption("abcdefghij");
    EXPECT_DOUBLE_EQ(label.Width(), 50 * 15);
    EXPECT_DOUBLE_EQ(label.Height(), 48 * 15);
}
