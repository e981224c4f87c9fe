#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/PictureBox.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

class Corner : public Form {
  public:
    Corner() : Form("Corner") {}
    PictureBox& PictureAnimation = add<PictureBox>("PictureAnimation");
};

struct Media {
    Harness harness;
    Corner& corner = app().form<Corner>();
    std::string hwnd = std::to_string(corner.PictureAnimation.hWnd());
    Media() {
        harness.writeFile("avi/anim3.avi", "RIFF....AVI ");
        harness.writeFile("qvxLaunch.wav", "RIFF....WAVE");
        harness.writeFile("qvxCancel.wav", "RIFF....WAVE");
    }
    int send(const std::string& command) { return mciSendString(command); }
    std::string openClip(const std::string& alias) {
        return "Open \"" + harness.path("avi/anim3.avi") + "\" Type AVIVideo Alias " + alias +
               " Style Child Parent " + hwnd;
    }
    std::vector<std::string>& log() { return harness.backend().mediaLog; }
};

}  // namespace

TEST(MediaCommands, OpenPutAndPlayAClipInsideItsPictureBox) {
    Media media;
    EXPECT_EQ(media.send(media.openClip("S090507")), mciOk);
    EXPECT_EQ(media.send("Put S090507 Destination At 0 0 120 90"), mciOk);
    EXPECT_EQ(media.send("play S090507 from 0"), mciOk);
    EXPECT_EQ(media.log(), (std::vector<std::string>{
                               "anim3.avi: open video in Corner.PictureAnimation",
                               "anim3.avi: destination 0 0 120 90",
                               "anim3.avi: play from 0",
                           }));
    const auto* device = app().media().device("s090507");
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->kind, MediaKind::Video);
    EXPECT_EQ(device->parentWindow, media.corner.PictureAnimation.hWnd());
    EXPECT_EQ(device->destination, (RectPx{0, 0, 120, 90}));
    EXPECT_TRUE(device->playing);
    EXPECT_FALSE(device->repeat);
}

TEST(MediaCommands, AnAliasBetweenQuotesIsTheSameDeviceInAnyLetterCase) {
    Media media;
    EXPECT_EQ(media.send(media.openClip("\"S1CUSTOMIZE\"")), mciOk);
    EXPECT_EQ(media.send("Put \"s1customize\" Destination At 0 0 10 10"), mciOk);
    EXPECT_EQ(media.send("play S1CUSTOMIZE notify repeat"), mciOk);
    EXPECT_TRUE(app().media().device("S1Customize")->repeat);
    EXPECT_EQ(media.send("Close \"S1CUSTOMIZE\""), mciOk);
    EXPECT_EQ(app().media().size(), 0u);
    EXPECT_EQ(media.log().back(), "anim3.avi: close");
}

TEST(MediaCommands, OpenPlayAndCloseTheTwoSoundsOfADesignWindow) {
    Media media;
    EXPECT_EQ(media.send("Open \"" + media.harness.path("qvxLaunch.wav") +
                         "\" TYPE WAVEAUDIO ALIAS Launching"),
              mciOk);
    // A path in any letter case finds the same file.
    EXPECT_EQ(media.send("Open \"" + media.harness.programFolder() +
                         "/QVXCANCEL.WAV\" TYPE WAVEAUDIO ALIAS Canceling"),
              mciOk);
    EXPECT_EQ(media.send("Play Launching From 0"), mciOk);
    EXPECT_EQ(app().media().device("Canceling")->kind, MediaKind::Sound);
    EXPECT_EQ(media.send("Close Launching"), mciOk);
    EXPECT_EQ(media.send("Close Canceling"), mciOk);
    EXPECT_EQ(media.log(), (std::vector<std::string>{
                               "qvxLaunch.wav: open sound",
                               "qvxCancel.wav: open sound",
                               "qvxLaunch.wav: play from 0",
                               "qvxLaunch.wav: close",
                               "qvxCancel.wav: close",
                           }));
}

TEST(MediaCommands, CloseAllClosesEveryDeviceInEachOfItsSpellings) {
    for (const char* closeAll : {"Close all", "Close All", "close all", "CLOSE \"ALL\""}) {
        SCOPED_TRACE(closeAll);
        Media media;
        media.send(media.openClip("a"));
        media.send(media.openClip("b"));
        media.send("Open \"" + media.harness.path("qvxLaunch.wav") +
                   "\" TYPE WAVEAUDIO ALIAS Launching");
        ASSERT_EQ(app().media().size(), 3u);
        EXPECT_EQ(media.send(closeAll), mciOk);
        EXPECT_EQ(app().media().size(), 0u);
        EXPECT_EQ(std::count_if(media.log().begin(), media.log().end(),
                                [](const std::string& l) { return l.ends_with(": close"); }),
                  3);
        // The aliases are free again.
        EXPECT_EQ(media.send(media.openClip("a")), mciOk);
    }
}

TEST(MediaCommands, AFailingCommandChangesNothingAndPlaysNothing) {
    struct Case {
        const char* name;
        std::string command;
        int error;
    };
    Media media;
    ASSERT_EQ(media.send(media.openClip("open1")), mciOk);
    media.log().clear();
    const std::string clip = "\"" + media.harness.path("avi/anim3.avi") + "\"";
    const Case cases[] = {
        {"a missing file",
         "Open \"" + media.harness.path("avi/none.avi") +
             "\" Type AVIVideo Alias x Style Child Parent " + media.hwnd,
         mciFileNotFound},
        {"an alias already open", media.openClip("OPEN1"), mciDuplicateAlias},
        {"a parent that is no window",
         "Open " + clip + " Type AVIVideo Alias x Style Child Parent 99999", mciNoSuchWindow},
        {"a parent that is no number",
         "Open " + clip + " Type AVIVideo Alias x Style Child Parent w", mciBadInteger},
        {"a clip without a parent window", "Open " + clip + " Type AVIVideo Alias x",
         mciUnsupportedFunction},
        {"an unknown device type", "Open " + clip + " Type Laserdisc Alias x",
         mciInvalidDeviceName},
        {"the reserved alias all", media.openClip("all"), mciInvalidDeviceName},
        {"a play of a device never opened", "play nothing from 0", mciInvalidDeviceName},
        {"a put of a device never opened", "Put nothing Destination At 0 0 1 1",
         mciInvalidDeviceName},
        {"a put with too few numbers", "Put open1 Destination At 0 0 1", mciMissingParameter},
        {"a put with a word for a number", "Put open1 Destination At 0 0 w 1", mciBadInteger},
        {"a play from a word", "play open1 from start", mciBadInteger},
        {"a put with a number beyond 32 bits", "Put open1 Destination At 0 0 4294967416 90",
         mciBadInteger},
        {"a play from beyond 32 bits", "play open1 from 2147483648", mciBadInteger},
        {"an unknown keyword", "play open1 backwards", mciUnrecognizedKeyword},
        {"a close of a device never opened", "Close nothing", mciInvalidDeviceName},
        {"an unknown command", "Eject open1", mciUnrecognizedCommand},
        {"an empty command", "   ", mciUnrecognizedCommand},
    };
    for (const Case& c : cases)
        EXPECT_EQ(media.send(c.command), c.error) << c.name;
    EXPECT_TRUE(media.log().empty());
    EXPECT_EQ(app().media().aliases(), (std::vector<std::string>{"open1"}));
    EXPECT_FALSE(app().media().device("open1")->playing);
}

TEST(MediaCommands, AClipWithoutAKnownTypeIsTakenByItsExtension) {
    Media media;
    EXPECT_EQ(media.send("open \"" + media.harness.path("avi/anim3.avi") +
                         "\" alias c style child parent " + media.hwnd),
              mciOk);
    EXPECT_EQ(app().media().device("c")->kind, MediaKind::Video);
    media.harness.writeFile("clip.xyz", "?");
    EXPECT_EQ(media.send("open \"" + media.harness.path("clip.xyz") + "\" alias d"),
              mciExtensionNotFound);
}

TEST(MediaCommands, DevicesAreClosedWhenTheProgramEnds) {
    quillo::headless::HeadlessBackend backend;
    std::string sound = (std::filesystem::temp_directory_path() / "quillo-close-test.wav").string();
    std::ofstream(sound) << "RIFF";
    {
        Application application(backend, AppInfo{});
        ASSERT_EQ(mciSendString("open \"" + sound + "\" alias s"), mciOk);
    }
    std::filesystem::remove(sound);
    EXPECT_EQ(backend.mediaLog, (std::vector<std::string>{"quillo-close-test.wav: open sound",
                                                          "quillo-close-test.wav: close"}));
}
