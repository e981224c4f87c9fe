#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "Program.h"
#include "runtime/MediaCommands.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::app;

namespace {

using Log = std::vector<std::string>;

// The program with its shipped content (the default skin marks the corner strip for the numbered
// animations), settled, the strip 40 by 25 pixels and the media log empty.
struct Animating : Program {
    Animating() {
        harness.layAssets(QUILLO_ASSETS_DIR);
        start();
        // The start-up navigation's animation has had its three seconds.
        advance(6000);
        main().PictureBottomLeft.setWidth(40 * 15);
        main().PictureBottomLeft.setHeight(25 * 15);
        backend().mediaLog.clear();
    }
    Log& log() { return backend().mediaLog; }
    // A numbered clip opened, sized to the strip and started; after `closed`, if given.
    static Log played(int n, const std::string& closed = "") {
        const std::string clip = "anim" + std::to_string(n) + ".avi: ";
        Log lines{clip + "open video in form1.PictureBottomLeft", clip + "destination 0 0 40 25",
                  clip + "play from 0"};
        if (!closed.empty()) lines.insert(lines.begin(), closed + ": close");
        return lines;
    }
    // The numbers of the clips opened, in order.
    std::vector<int> clipsOpened() {
        std::vector<int> numbers;
        for (const std::string& line : log())
            if (line.ends_with(": open video in form1.PictureBottomLeft"))
                numbers.push_back(std::stoi(line.substr(4)));
        return numbers;
    }
};

}  // namespace

TEST(CornerAnimation, AButtonPlaysItsClipUnderTheAliasAndNumberClosingTheOneBefore) {
    Animating program;
    form1& main = program.main();
    User::click(main.PictureMail);
    EXPECT_TRUE(program.log().empty());
    program.advance(1);
    EXPECT_EQ(program.log(), Animating::played(9));
    const runtime::MediaCommands::Device* clip = app().media().device(main.Tag() + "9");
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(clip->file, program.harness.path("avi/anim9.avi"));
    EXPECT_EQ(clip->parentWindow, main.PictureBottomLeft.hWnd());

    program.advance(3000);
    program.log().clear();
    User::click(main.PictureStop);
    program.advance(1);
    EXPECT_EQ(program.log(), Animating::played(14, "anim9.avi"));
    EXPECT_EQ(app().media().aliases(), std::vector<std::string>{main.Tag() + "14"});
}

TEST(CornerAnimation, AStartWithinThreeSecondsOfTheLastPlaysNothingAndIsNotKept) {
    Animating program;
    form1& main = program.main();
    User::click(main.PictureMail);
    program.advance(2999);
    User::click(main.PictureStop);
    // The gate opens again without anything waiting behind it.
    program.advance(5000);
    EXPECT_EQ(program.log(), Animating::played(9));
    EXPECT_TRUE(main.AnimationReady);

    User::click(main.PictureStop);
    program.advance(1);
    EXPECT_EQ(program.clipsOpened(), (std::vector<int>{9, 14}));
}

TEST(CornerAnimation, WhileAPageLoadsARandomClipOfAllSeventeenStartsEveryThreeSeconds) {
    Animating program;
    form1& main = program.main();
    const std::string address = "http://www.slow.test/";
    headless::ScriptedPage slow = headless::ScriptedPage::fromHtml("<p>slow</p>", address);
    slow.loadMs = 300000;
    program.web().add(address, slow);
    main.AnimationCode = 5;
    main.WebBrowser2.Navigate(address);

    std::vector<std::int64_t> starts;
    for (std::int64_t ms = 1; ms <= 310000; ++ms) {
        const std::size_t before = program.log().size();
        program.advance(1);
        if (program.log().size() != before) starts.push_back(ms);
    }
    // One start at once, then one every 3000 ms and a little until the page is in.
    ASSERT_EQ(starts.size(), 100u);
    EXPECT_EQ(starts.front(), 1);
    for (std::size_t i = 1; i < starts.size(); ++i)
        EXPECT_EQ(starts[i] - starts[i - 1], 3001) << i;
    const std::vector<int> opened = program.clipsOpened();
    EXPECT_EQ(opened.front(), 5);
    const std::set<int> drawn(opened.begin() + 1, opened.end());
    EXPECT_EQ(drawn.size(), 17u);
    EXPECT_EQ(*drawn.begin(), 1);
    EXPECT_EQ(*drawn.rbegin(), 17);
    EXPECT_FALSE(main.Timer2.getEnabled());
    EXPECT_FALSE(main.TimerAnimationLength.getEnabled());
}

TEST(CornerAnimation, TheStripsPictureSourceDecidesWhatPlaysAndTheGateCyclesAlike) {
    // Every file but the marker is opened under the alias, so that a wrong match would play it.
    struct Case {
        std::string file;
        bool opened;
        Log expected;
    };
    const Case cases[] = {
        {"corner.avi", true, {"corner.avi: play from 0"}},
        {"CORNER.AVI", true, {"CORNER.AVI: play from 0"}},
        {"corner.Tzv", false, Animating::played(14)},
        {"corner.avi.bmp", true, {}},
        {"corner.gif", true, {}},
    };
    for (const Case& c : cases) {
        Animating program;
        form1& main = program.main();
        program.harness.writeFile(c.file, "RIFF....AVI ");
        main.PictureBottomLeft.setTag(program.harness.path(c.file));
        if (c.opened)
            runtime::mciSendString("Open \"" + main.PictureBottomLeft.Tag() +
                                   "\" Type AVIVideo Alias " + main.Tag() + " Style Child Parent " +
                                   std::to_string(main.PictureBottomLeft.hWnd()));
        program.log().clear();
        User::click(main.PictureStop);
        program.advance(3000);
        EXPECT_EQ(program.log(), c.expected) << c.file;
        EXPECT_FALSE(main.AnimationReady) << c.file;
        program.advance(1);
        EXPECT_TRUE(main.AnimationReady) << c.file;
    }
}
