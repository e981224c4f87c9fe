#include "runtime/qt/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace quillo::qt {

QtMediaPlayer::QtMediaPlayer(const runtime::MediaOpenRequest& request, QWidget* parent)
    : player_(std::make_unique<QMediaPlayer>()), audio_(std::make_unique<QAudioOutput>()) {
    if (request.kind == runtime::MediaKind::Video && parent) {
        video_ = new ClipWidget(parent);
        video_->setGeometry(parent->rect());
        video_->hide();
        player_->setVideoSink(video_->sink());
    }
    // A clip's sound track plays too, into the same output as the sounds.
    player_->setAudioOutput(audio_.get());
    player_->setSource(QUrl::fromLocalFile(QString::fromStdString(request.file)));
}

QtMediaPlayer::~QtMediaPlayer() {
    player_->stop();
    player_->setVideoSink(nullptr);
    delete video_;
}

void QtMediaPlayer::setDestination(const runtime::RectPx& place) {
    placed_ = true;
    if (video_) video_->setGeometry(place.left, place.top, place.width, place.height);
}

void QtMediaPlayer::play(std::optional<int> fromMs, bool repeat) {
    player_->setLoops(repeat ? QMediaPlayer::Infinite : 1);
    if (fromMs) player_->setPosition(*fromMs);
    if (video_) {
        if (!placed_ && video_->parentWidget()) video_->setGeometry(video_->parentWidget()->rect());
        video_->show();
        video_->raise();
    }
    player_->play();
}

void QtMediaPlayer::stop() {
    player_->stop();
}

}  // namespace quillo::qt
