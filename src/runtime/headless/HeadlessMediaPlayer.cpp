#include "runtime/headless/HeadlessMediaPlayer.h"

#include "runtime/Control.h"
#include "runtime/headless/HeadlessBackend.h"

namespace quillo::headless {

HeadlessMediaPlayer::HeadlessMediaPlayer(const MediaOpenRequest& request,
                                         std::vector<std::string>& log)
    : name_(request.file.substr(request.file.find_last_of('/') + 1)), log_(log) {
    if (request.kind == MediaKind::Video)
        write("open video in " + (request.parent ? PeerName(*request.parent) : std::string("?")));
    else
        write("open sound");
}

HeadlessMediaPlayer::~HeadlessMediaPlayer() {
    write("close");
}

void HeadlessMediaPlayer::setDestination(const RectPx& place) {
    write("destination " + std::to_string(place.left) + " " + std::to_string(place.top) + " " +
          std::to_string(place.width) + " " + std::to_string(place.height));
}

void HeadlessMediaPlayer::play(std::optional<int> fromMs, bool repeat) {
    std::string line = "play";
    if (fromMs) line += " from " + std::to_string(*fromMs);
    if (repeat) line += " repeat";
    write(line);
}

void HeadlessMediaPlayer::stop() {
    write("stop");
}

void HeadlessMediaPlayer::write(const std::string& line) {
    log_.push_back(name_ + ": " + line);
}

}  // namespace quillo::headless
