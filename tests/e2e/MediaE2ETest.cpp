#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QWidget>

#include "E2E.h"
#include "runtime/MediaCommands.h"
#include "runtime/PictureBox.h"
#include "runtime/qt/QtMediaPlayer.h"

using namespace e2e;

namespace {

class Corner : public Form {
  public:
    Corner() : Form("Corner") {}
    PictureBox& PictureAnimation = add<PictureBox>("PictureAnimation");
};

QMediaPlayer* playerOf(QtEnginesBackend& backend) {
    auto* player = dynamic_cast<quillo::qt::QtMediaPlayer*>(backend.lastPlayer);
    return player ? player->player() : nullptr;
}

}  // namespace

TEST(QtMedia, AnAviClipPlaysToItsEndStretchedInItsPictureBox) {
    QtApp qt;
    QString clip = programFolder() + "/clip.avi";
    writeFile(clip, makeAvi(32, 24, 8));
    auto& corner = app().form<Corner>();
    QWidget box;
    box.resize(64, 48);
    box.show();
    qt.backend.widgets[&corner.PictureAnimation] = &box;
    std::string hwnd = std::to_string(corner.PictureAnimation.hWnd());
    ASSERT_EQ(mciSendString("Open \"" + clip.toStdString() +
                            "\" Type AVIVideo Alias S1 Style Child Parent " + hwnd),
              mciOk);
    ASSERT_EQ(mciSendString("Put S1 Destination At 0 0 64 48"), mciOk);
    ASSERT_EQ(mciSendString("play S1 from 0"), mciOk);
    auto* device = dynamic_cast<quillo::qt::QtMediaPlayer*>(qt.backend.lastPlayer);
    ASSERT_NE(device, nullptr);
    ASSERT_NE(device->videoWidget(), nullptr);
    EXPECT_EQ(device->videoWidget()->parentWidget(), &box);
    EXPECT_EQ(device->videoWidget()->geometry(), QRect(0, 0, 64, 48));
    EXPECT_TRUE(device->videoWidget()->isVisible());
    ASSERT_TRUE(waitFor([&] {
        return device->player()->mediaStatus() == QMediaPlayer::EndOfMedia ||
               device->player()->error() != QMediaPlayer::NoError;
    }));
    EXPECT_EQ(device->player()->error(), QMediaPlayer::NoError)
        << device->player()->errorString().toStdString();
    EXPECT_GT(device->videoWidget()->framesShown(), 0);
    EXPECT_EQ(mciSendString("Close all"), mciOk);
    EXPECT_EQ(app().media().size(), 0u);
}

TEST(QtMedia, AnAviClipPlaysItsSoundTrackIntoTheOutputOfTheSounds) {
    QtApp qt;
    QString clip = programFolder() + "/voiced.avi";
    writeFile(clip, makeAvi(32, 24, 6, true));
    QString sound = programFolder() + "/qvxCancel.wav";
    writeFile(sound, makeWav(100));
    auto& corner = app().form<Corner>();
    QWidget box;
    box.resize(64, 48);
    box.show();
    qt.backend.widgets[&corner.PictureAnimation] = &box;
    ASSERT_EQ(mciSendString("Open \"" + sound.toStdString() + "\" TYPE WAVEAUDIO ALIAS Canceling"),
              mciOk);
    QMediaPlayer* wav = playerOf(qt.backend);
    ASSERT_NE(wav, nullptr);
    std::string hwnd = std::to_string(corner.PictureAnimation.hWnd());
    ASSERT_EQ(mciSendString("Open \"" + clip.toStdString() +
                            "\" Type AVIVideo Alias S2 Style Child Parent " + hwnd),
              mciOk);
    ASSERT_EQ(mciSendString("play S2 from 0"), mciOk);
    QMediaPlayer* player = playerOf(qt.backend);
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(waitFor([&] {
        return player->mediaStatus() == QMediaPlayer::EndOfMedia ||
               player->error() != QMediaPlayer::NoError;
    }));
    EXPECT_EQ(player->error(), QMediaPlayer::NoError) << player->errorString().toStdString();
    EXPECT_TRUE(player->hasAudio());
    ASSERT_NE(player->audioOutput(), nullptr);
    ASSERT_NE(wav->audioOutput(), nullptr);
    EXPECT_EQ(player->audioOutput()->device(), wav->audioOutput()->device());
    EXPECT_FALSE(player->audioOutput()->isMuted());
    EXPECT_EQ(mciSendString("Close all"), mciOk);
}

TEST(QtMedia, AWavSoundPlaysToItsEnd) {
    QtApp qt;
    QString sound = programFolder() + "/qvxLaunch.wav";
    writeFile(sound, makeWav(300));
    ASSERT_EQ(mciSendString("Open \"" + sound.toStdString() + "\" TYPE WAVEAUDIO ALIAS Launching"),
              mciOk);
    ASSERT_EQ(mciSendString("Play Launching From 0"), mciOk);
    QMediaPlayer* player = playerOf(qt.backend);
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(waitFor([&] {
        return player->mediaStatus() == QMediaPlayer::EndOfMedia ||
               player->error() != QMediaPlayer::NoError;
    }));
    EXPECT_EQ(player->error(), QMediaPlayer::NoError) << player->errorString().toStdString();
    EXPECT_EQ(mciSendString("Close Launching"), mciOk);
}
