#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "Program.h"
#include "designs/frmMBrowser.h"
#include "mainwindow/FormBabyBrowser.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/Variables.h"
#include "runtime/MediaCommands.h"
#include "runtime/headless/FullDisk.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ClassSkins.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::app;

namespace {

using Entries = std::vector<std::string>;

// Values separated by Chr(2), as the settings files hold them.
std::string Values(std::initializer_list<std::string_view> values) {
    std::string text;
    for (std::string_view value : values)
        text.append(value).push_back('\x02');
    text.pop_back();
    return text;
}

// At 96 dpi on the headless 1024 x 768 screen.
constexpr double kScreenWidth = 1024 * 15;
constexpr double kScreenHeight = 768 * 15;

struct Geometry {
    double left, top, width, height;
};

Geometry geometryOf(const runtime::Form& form) {
    return {form.Left(), form.Top(), form.Width(), form.Height()};
}

}  // namespace

TEST(StartUp, TheFirstCopyShowsItsSplashThenLoadsShowsAndBrowsesOnTheStartUpTimers) {
    Program program;
    StartProgram();
    auto* splash = app().loadedForm<FormSplashScreen>();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->Visible());
    EXPECT_EQ(program.backend().windowServices.log, Entries{"topmost FormSplashScreen 1"});
    program.advance(499);
    EXPECT_EQ(app().loadedForm<form1>(), nullptr);

    program.advance(1);
    form1* main = app().loadedForm<form1>();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(main->Visible());
    EXPECT_TRUE(main->Timer1.getEnabled());
    EXPECT_EQ(main->Timer1.Interval(), 1000);
    EXPECT_FALSE(main->tmrHTMLCapture.getEnabled());
    EXPECT_EQ(main->tmrHTMLCapture.Interval(), 1000);
    EXPECT_EQ(main->ComboURL.Text(), "www.quillo.example");

    program.advance(999);
    EXPECT_TRUE(splash->Visible());
    EXPECT_FALSE(main->Visible());
    EXPECT_EQ(main->WebBrowser2.LocationURL(), "");

    program.advance(1);
    EXPECT_EQ(app().loadedForm<FormSplashScreen>(), nullptr);
    EXPECT_TRUE(main->Visible());
    EXPECT_FALSE(main->Timer1.getEnabled());
    EXPECT_TRUE(main->WebBrowser1.Visible());
    EXPECT_TRUE(main->PictureBottomLeft.Visible());
    EXPECT_TRUE(main->PictureBottomLeft.Enabled());
    program.advance(0);
    EXPECT_EQ(main->WebBrowser1.LocationURL(), kHitCounterAddress);
    EXPECT_EQ(main->WebBrowser2.LocationURL(), kHomeAddress);
    EXPECT_EQ(main->ComboURL.Text(), kHomeAddress);
    program.advance(10000);
    EXPECT_FALSE(main->Timer1.getEnabled());
    EXPECT_TRUE(program.starts().empty());
}

TEST(StartUp, ASecondCopyRunsTheSameStartUpWithoutASplashAndOpensItsCommandLineAddress) {
    Program program("<www.example.test/page.htm>", true);
    program.web().addHtml("http://www.example.test/page.htm", "<body>Hello</body>");
    StartProgram();
    auto* splash = app().loadedForm<FormSplashScreen>();
    ASSERT_NE(splash, nullptr);
    EXPECT_FALSE(splash->Visible());
    program.advance(500);
    ASSERT_NE(app().loadedForm<form1>(), nullptr);
    program.advance(1000);
    program.advance(0);
    form1& main = program.main();
    EXPECT_EQ(app().loadedForm<FormSplashScreen>(), nullptr);
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.WebBrowser2.LocationURL(), "http://www.example.test/page.htm");
    EXPECT_EQ(main.WebBrowser1.LocationURL(), kHitCounterAddress);
}

TEST(StartUp, OpensTheAddressBetweenTheFirstAngleBracketsOrElseTheHomePage) {
    struct Case {
        const char* command;
        const char* opened;
    };
    for (Case c : std::vector<Case>{
             {"", "http://www.quillo.example"},
             {"www.other.test", "http://www.quillo.example"},
             {"-x <www.other.test/a> more", "http://www.other.test/a"},
             {"<www.first.test><www.second.test>", "http://www.first.test"},
             {"<http://www.other.test/a?b=c d>", "http://www.other.test/a?b=c d"},
             // No address between the brackets: the home page, never a blank view.
             {"<www.other.test/a", "http://www.quillo.example"},
             {"<", "http://www.quillo.example"},
             {"<>", "http://www.quillo.example"},
             {"< >", "http://www.quillo.example"},
         }) {
        Program program(c.command);
        for (const char* address :
             {"http://www.other.test/a", "http://www.first.test", "http://www.other.test/a?b=c d"})
            program.web().addHtml(address, "<body>Elsewhere</body>");
        EXPECT_EQ(program.start().WebBrowser2.LocationURL(), c.opened) << c.command;
    }
}

TEST(StartUp, ReadsTheHomePageWithEveryLineBreakRemovedAndShowsItWhollySelected) {
    struct Case {
        std::optional<std::string> file;
        std::string homePage;
    };
    for (const Case& c : std::vector<Case>{
             {std::nullopt, "www.quillo.example"},
             {"www.kids.test\r\n", "www.kids.test"},
             {"www.kids.\r\ntest/a\r\n", "www.kids.test/a"},
             {" www.kids.test\n", " www.kids.test\n"},
             {"", ""},
             {"a folder", "www.quillo.example"},
         }) {
        Program program;
        // A folder of that name cannot be read.
        if (c.file == "a folder")
            std::filesystem::create_directories(program.harness.path("homepage.ini"));
        else if (c.file)
            program.harness.writeFile("homepage.ini", *c.file);
        StartProgram();
        program.advance(500);
        form1& main = program.main();
        EXPECT_EQ(HomePage, c.homePage);
        EXPECT_EQ(main.ComboURL.Text(), c.homePage);
        EXPECT_EQ(main.ComboURL.SelStart(), 0);
        EXPECT_EQ(main.ComboURL.SelLength(), static_cast<int>(c.homePage.size()));
    }
}

TEST(StartUp, TakesItsSizeFromSizeIniOrElseSixHundredByFourHundredFortyAtTheDesignSizesPlace) {
    struct Case {
        std::optional<std::string> file;
        Geometry expected;
        bool maximized;
    };
    // Centred at 800 x 600 px; maximized to the work area 10, 20, 1000 x 700 px; or, for a
    // missing file and one that does not hold two positive whole numbers (or 0 and 0), centred
    // at the design size 9750 x 8310 twips and then sized 600 x 440 px.
    const Geometry sized{kScreenWidth / 2 - 6000, kScreenHeight / 2 - 4500, 12000, 9000};
    const Geometry maximized{150, 300, 15000, 10500};
    const Geometry missing{kScreenWidth / 2 - 9750 / 2, kScreenHeight / 2 - 8310 / 2, 9000, 6600};
    std::vector<Case> cases{{Values({"800", "600\r\n"}), sized, false},
                            {Values({"800", "600"}), sized, false},
                            {Values({"0", "0\r\n"}), maximized, true},
                            {std::nullopt, missing, false}};
    for (const std::string& file :
         {std::string(), std::string("800600"), Values({"800", ""}), Values({"", "600"}),
          Values({"abc", "600"}), Values({"-5", "600"}), Values({"+5", "600"}),
          Values({"800", "0"}), Values({"0", "600"}), Values({"00", "00"}), Values({"1e3", "600"}),
          Values({"800", "600", "7"}), Values({"99999999999", "600"}), Values({"800 ", "600"}),
          Values({"0", "0x"})})
        cases.push_back({file, missing, false});
    for (const Case& c : cases) {
        Program program;
        program.backend().windowServices.area = {10, 20, 1000, 700};
        if (c.file) program.harness.writeFile("size.ini", *c.file);
        StartProgram();
        program.advance(500);
        Geometry g = geometryOf(program.main());
        std::string name = c.file.value_or("(missing)");
        EXPECT_EQ(g.left, c.expected.left) << name;
        EXPECT_EQ(g.top, c.expected.top) << name;
        EXPECT_EQ(g.width, c.expected.width) << name;
        EXPECT_EQ(g.height, c.expected.height) << name;
        EXPECT_EQ(WindowMaximized, c.maximized ? 1 : 0) << name;
        // Only the maximize routine shows the window while it loads.
        EXPECT_EQ(program.main().Visible(), c.maximized) << name;
    }
}

TEST(StartUp, WithoutAWorkAreaASizeIniOfZeroAndZeroStartsAsIfTheFileWereMissing) {
    Program program;
    program.backend().windowServices.area = {0, 0, 0, 0};
    program.harness.writeFile("size.ini", Values({"0", "0\r\n"}));
    StartProgram();
    program.advance(500);
    form1& main = program.main();
    EXPECT_EQ(WindowMaximized, 0);
    EXPECT_FALSE(main.Visible());
    Geometry g = geometryOf(main);
    EXPECT_EQ(g.width, 9000);
    EXPECT_EQ(g.height, 6600);
    EXPECT_EQ(g.top, kScreenHeight / 2 - 8310 / 2);
    EXPECT_EQ(g.left, kScreenWidth / 2 - 9750 / 2);
}

TEST(StartUp, FillsTheAddressBarHistoryFromCombourlIniInItsOrder) {
    struct Case {
        const char* file;
        Entries history;
    };
    for (const Case& c : std::vector<Case>{
             {"<www.a.test><www.b.test/x>\r\n", {"www.a.test", "www.b.test/x"}},
             {"\r\n", {}},
             {"no entries here", {}},
             {"<www.a.test>\r\njunk<www.b.test>", {"www.a.test", "www.b.test"}},
             {"<www.a.test><www.a.test>", {"www.a.test", "www.a.test"}},
             {"< spaced >", {" spaced "}},
         }) {
        Program program;
        program.harness.writeFile("combourl.ini", c.file);
        program.start();
        EXPECT_EQ(program.history(), c.history) << c.file;
    }
    Program withoutFile;
    withoutFile.start();
    EXPECT_TRUE(withoutFile.history().empty());
}

TEST(StartUp, FillsALongHistoryAndLongSkinListsWritingEachEntryOncePerFill) {
    constexpr int kEntries = 10000;
    std::string history, skins;
    for (int i = 0; i < kEntries; ++i) {
        history += "<www.site" + std::to_string(i) + ".test>";
        skins += "skin" + std::to_string(i) + '\x02';
    }
    Program program;
    program.harness.writeFile("combourl.ini", history + "\r\n");
    program.harness.writeFile("skinlib.txt", skins + "\r\n");
    program.start();
    ASSERT_EQ(program.main().ComboURL.ListCount(), kEntries);
    EXPECT_EQ(program.main().ComboURL.List(kEntries - 1), "www.site9999.test");
    // The save-as window's list is filled again by each skin window that loads.
    const auto& written = program.backend().rowsWritten;
    for (const auto& [list, fills] : std::map<std::string, int>{
             {"form1.ComboURL", 1}, {"FormLoading.ListSkins", 1}, {"FormSaveAs.ListSkins", 3}}) {
        ASSERT_TRUE(written.count(list)) << list;
        EXPECT_LE(written.at(list), fills * kEntries) << list;
    }
}

TEST(StartUp, NamesItsAnimationAliasAfterTheTimeOfDay) {
    struct Case {
        runtime::TimeOfDay time;
        const char* alias;
    };
    for (Case c : {Case{{9, 5, 7}, "S957"}, Case{{23, 59, 0}, "S23590"}, Case{{0, 0, 0}, "S000"},
                   Case{{12, 10, 30}, "S121030"}}) {
        Program program;
        program.backend().time = c.time;
        EXPECT_EQ(program.start().Tag(), c.alias);
    }
}

TEST(StartUp, SwitchesDesignedPagesOnAndTakesTheWindowsDirectory) {
    MorphingEnabled = false;
    WindowsDir.clear();
    Program program;
    program.start();
    EXPECT_TRUE(MorphingEnabled);
    EXPECT_EQ(WindowsDir, program.harness.windowsDir());
}

TEST(StartUp, RemovesTheFilesThatEndedRunsLeftHalfWrittenAndKeepsEveryOtherName) {
    Program program;
    const std::string own = program.harness.programFolder() + "/";
    const std::string data = program.harness.windowsDir() + "/", favorites = data + "Favorites/";
    const pid_t ended = EndedProcess();
    const std::string gone = std::to_string(ended);
    // Those of ended runs go wherever the program writes; those of a copy at work (the test's
    // parent stands for one) and names that only look alike stay.
    const std::vector<std::pair<std::string, bool>> cases{
        {own + NewFileName(ended, 1), false},
        {own + "skins/Quillo/" + NewFileName(ended, 2), false},
        {data + NewFileName(ended, 3), false},
        {favorites + "Games/Board/" + NewFileName(ended, 4), false},
        {data + "RN4KMorphingCache/www.design.test/kids/" + NewFileName(ended, 5), false},
        {own + NewFileName(getpid(), 6), false},  // an earlier run that had this number
        {favorites + NewFileName(getppid(), 7), true},
        {favorites + ".quillo-" + gone + "-1.url", true},
        {favorites + ".Quillo-" + gone + "-1", true},
        {favorites + ".quillo-0" + gone + "-1", true},
        {favorites + ".quillo-" + gone + "-x", true},
    };
    for (const auto& [path, kept] : cases) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << "half";
    }
    std::filesystem::create_directory(favorites + NewFileName(ended, 8));  // a folder stays
    program.start();
    for (const auto& [path, kept] : cases)
        EXPECT_EQ(std::filesystem::exists(path), kept) << path;
    EXPECT_TRUE(std::filesystem::is_directory(favorites + NewFileName(ended, 8)));
}

TEST(StartUp, HandsTheCurrentSkinsDescriptorToTheSkinEngine) {
    // A current skin that is not there gives the skin engine's message and its fallback to the
    // default skin; the default skin itself loads without a word.
    for (bool missingSkin : {true, false}) {
        Program program;
        program.harness.layAssets(QUILLO_ASSETS_DIR);
        program.harness.writeFile("rn418.ini", missingSkin ? "<Sea>\r\n" : "<Quillo>\r\n");
        StartProgram();
        program.advance(500);
        ASSERT_NE(program.main().Skins, nullptr);
        const auto& shown = program.harness.backend().modalsShown;
        EXPECT_EQ(std::count(shown.begin(), shown.end(), "FormMessageBox"), missingSkin ? 1 : 0);
        EXPECT_EQ(program.harness.readFile("rn418.ini").substr(0, 8), "<Quillo>");
    }
}

TEST(StartUp, GivesTheBrowserPanesRoomSoThatPagesShow) {
    Program program;
    form1& main = program.start();
    EXPECT_GT(main.WebBrowser2.Width(), 0);
    EXPECT_GT(main.WebBrowser2.Height(), 0);
    EXPECT_GT(main.WebBrowser1.Width(), 0);
    EXPECT_LT(main.WebBrowser1.Left(), main.WebBrowser2.Left());
    EXPECT_LE(main.WebBrowser2.Left() + main.WebBrowser2.Width(), main.Width());
    EXPECT_LE(main.WebBrowser2.Top() + main.WebBrowser2.Height(), main.Height());
}

TEST(Keys, CtrlNStartsANewCopyOfTheProgramWithoutAnAddress) {
    struct Case {
        int keyCode;
        int shift;
        bool starts;
    };
    for (Case c : std::vector<Case>{
             {'N', runtime::vbCtrlMask, true},
             {'N', runtime::vbCtrlMask | runtime::vbShiftMask, true},
             {'N', runtime::vbCtrlMask | runtime::vbAltMask, true},
             {'N', 0, false},
             {'N', runtime::vbShiftMask, false},
             {'M', runtime::vbCtrlMask, false},
         }) {
        Program program;
        form1& main = program.start();
        User::pressKey(main.ComboURL, c.keyCode, c.shift);
        User::pressKey(main, c.keyCode, c.shift);
        std::vector<ProcessStart> expected;
        if (c.starts) expected.assign(2, ProcessStart{program.programFile(), {}});
        EXPECT_EQ(program.starts(), expected) << c.keyCode << " " << c.shift;
    }
}

TEST(Exit, WritesTheSizeInPixelsAndTheHistoryThenClosesDevicesAndEveryOtherWindow) {
    Program program;
    program.harness.writeFile("size.ini", Values({"800", "600\r\n"}));
    program.harness.writeFile("combourl.ini", "<www.a.test><www.b.test>\r\n");
    program.harness.writeFile("tick.wav", "RIFF");
    form1& main = program.start();
    main.ComboURL.AddItem("www.c.test/?q=1");
    main.setWidth(main.Width() + 7);  // 12007 twips: 800.47 pixels
    app().newForm<frmMBrowser>();
    app().form<FormBabyBrowser>();
    runtime::mciSendString("Open \"" + program.harness.path("tick.wav") +
                           "\" Type WaveAudio Alias tick");
    ASSERT_EQ(app().media().size(), 1u);

    main.Unload();
    EXPECT_EQ(program.harness.readFile("size.ini"), Values({"800", "600\r\n"}));
    EXPECT_EQ(program.harness.readFile("combourl.ini"),
              "<www.a.test><www.b.test><www.c.test/?q=1>\r\n");
    EXPECT_EQ(app().media().size(), 0u);
    EXPECT_TRUE(app().Forms().empty());
    EXPECT_TRUE(program.backend().quitRequested);
}

TEST(Exit, WritesZeroAndZeroWhileMaximizedAndAnEmptyHistoryAsALineEnd) {
    std::string history;
    {
        Program program;
        program.harness.writeFile("size.ini", Values({"0", "0\r\n"}));
        program.start().Unload();
        EXPECT_EQ(program.harness.readFile("size.ini"), Values({"0", "0\r\n"}));
        history = program.harness.readFile("combourl.ini");
    }
    EXPECT_EQ(history, "\r\n");
    Program next;
    next.harness.writeFile("combourl.ini", history);
    EXPECT_EQ(next.start().ComboURL.ListCount(), 0);
}

TEST(Exit, AHistoryThatCannotBeWrittenDoesNotStopTheExit) {
    Program program;
    std::filesystem::create_directories(program.harness.path("combourl.ini"));
    form1& main = program.start();
    app().form<FormBabyBrowser>();
    main.Unload();
    EXPECT_EQ(program.harness.readFile("size.ini"), Values({"600", "440\r\n"}));
    EXPECT_TRUE(app().Forms().empty());
}

TEST(Exit, OnAFullDiskTheSizeAndHistoryOfTheLastExitStay) {
    Program program;
    const std::string size = Values({"800", "600\r\n"});
    program.harness.writeFile("size.ini", size);
    program.harness.writeFile("combourl.ini", "<a.test>\r\n");
    form1& main = program.start();
    {
        headless::FullDisk full;
        main.Unload();
    }
    EXPECT_EQ(program.harness.readFile("size.ini") + program.harness.readFile("combourl.ini"),
              size + "<a.test>\r\n");
}

TEST(Exit, TheWrittenFilesBringBackTheSameSizeAndHistory) {
    std::string size, history;
    {
        Program program;
        form1& main = program.start();
        program.typeAddress("http://www.quillo.example/blocked.htm\r");
        main.setWidth(PixelsToTwips(640));
        main.setHeight(PixelsToTwips(480));
        main.Unload();
        size = program.harness.readFile("size.ini");
        history = program.harness.readFile("combourl.ini");
    }
    EXPECT_EQ(history, "<www.quillo.example/blocked.htm>\r\n");
    Program program;
    program.harness.writeFile("size.ini", size);
    program.harness.writeFile("combourl.ini", history);
    form1& main = program.start();
    EXPECT_EQ(main.Width(), PixelsToTwips(640));
    EXPECT_EQ(main.Height(), PixelsToTwips(480));
    EXPECT_EQ(program.history(), Entries{"www.quillo.example/blocked.htm"});
}
