#pragma once

#include <optional>
#include <string>

#include "runtime/Types.h"

namespace quillo::runtime {

class Control;

enum class MediaKind { Video, Sound };

// What an Open command asks of the backend.
struct MediaOpenRequest {
    std::string file;  // resolved path of an existing file
    MediaKind kind = MediaKind::Video;
    Control* parent = nullptr;  // the picture box (or form) a clip draws into; none for sound
};

// One open media device, made by the backend; it only plays, the media commands decide.
// Dropping it closes the device and takes its picture away.
class MediaPlayer {
  public:
    virtual ~MediaPlayer() = default;
    // Where the clip is drawn inside its parent, stretched to that place, in pixels.
    virtual void setDestination(const RectPx& place) = 0;
    // Plays from the given position in milliseconds (or from where it stands), once or over and
    // over; does not wait.
    virtual void play(std::optional<int> fromMs, bool repeat) = 0;
    virtual void stop() = 0;
};

}  // namespace quillo::runtime
