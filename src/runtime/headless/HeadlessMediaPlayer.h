#pragma once

#include <string>
#include <vector>

#include "runtime/MediaPlayer.h"

namespace quillo::headless {

using namespace quillo::runtime;

// A media device that plays nothing and writes what it was asked into a log, each line led by
// the file's name: "anim3.avi: open video in form1.PictureAnimation", "anim3.avi: play from 0".
class HeadlessMediaPlayer : public MediaPlayer {
  public:
    HeadlessMediaPlayer(const MediaOpenRequest& request, std::vector<std::string>& log);
    ~HeadlessMediaPlayer() override;
    void setDestination(const RectPx& place) override;
    void play(std::optional<int> fromMs, bool repeat) override;
    void stop() override;

  private:
    void write(const std::string& line);

    std::string name_;
    std::vector<std::string>& log_;
};

}  // namespace quillo::headless
