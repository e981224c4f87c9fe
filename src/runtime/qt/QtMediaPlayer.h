#pragma once

#include <QPointer>
#include <memory>

#include "runtime/MediaPlayer.h"
#include "runtime/qt/ClipWidget.h"

class QAudioOutput;
class QMediaPlayer;
class QWidget;

namespace quillo::qt {

// A media device on Qt Multimedia: a clip plays in a video area inside its picture box's widget,
// stretched to the destination (the whole box until one is set) and shown from its first play
// on; a sound, and a clip's sound track, play through the default audio output. Errors of the
// media stay silent.
class QtMediaPlayer : public runtime::MediaPlayer {
  public:
    QtMediaPlayer(const runtime::MediaOpenRequest& request, QWidget* parent);
    ~QtMediaPlayer() override;
    void setDestination(const runtime::RectPx& place) override;
    void play(std::optional<int> fromMs, bool repeat) override;
    void stop() override;

    QMediaPlayer* player() const { return player_.get(); }
    ClipWidget* videoWidget() const { return video_; }

  private:
    std::unique_ptr<QMediaPlayer> player_;
    std::unique_ptr<QAudioOutput> audio_;
    QPointer<ClipWidget> video_;
    bool placed_ = false;
};

}  // namespace quillo::qt
