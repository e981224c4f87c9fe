#include <cmath>
#include <cstdint>
#include <string>

#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/PathResolver.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

constexpr int kAnimationCount = 17;

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

std::int32_t pixels(double twips) {
    return TwipsToPixels(static_cast<std::int32_t>(std::lround(twips)));
}

}  // namespace

void form1::wireAnimation() {
    Timer2.Tick = [this] { Timer2_Timer(); };
    TimerAnimationLength.Tick = [this] { TimerAnimationLength_Timer(); };
}

void form1::Timer2_Timer() {
    // A trigger while an animation plays is dropped, not kept for later.
    if (!AnimationReady) {
        Timer2.setEnabled(false);
        return;
    }
    AnimationReady = false;
    TimerAnimationLength.setEnabled(true);
    Timer2.setEnabled(false);

    const std::string source = runtime::LowerAscii(PictureBottomLeft.Tag());
    if (source.ends_with(".avi")) {
        // The skin's own clip was opened under the alias when the skin was applied.
        runtime::mciSendString("play " + quoted(AnimationAlias()) + " from 0");
    } else if (source.ends_with(".tzv")) {
        playNumberedAnimation();
    }
}

void form1::playNumberedAnimation() {
    const std::string number = std::to_string(AnimationCode);
    const std::string alias = AnimationAlias() + number;
    const std::string file = application().App().Path + "/avi/anim" + number + ".avi";
    // The numbered clips take the strip from whatever played there before.
    runtime::mciSendString("Close All");
    playClipInCorner(file, alias);
}

void form1::playClipInCorner(const std::string& file, const std::string& alias) {
    runtime::mciSendString("Open " + quoted(file) + " Type AVIVideo Alias " + alias +
                           " Style Child Parent " + std::to_string(PictureBottomLeft.hWnd()));
    runtime::mciSendString("Put " + quoted(alias) + " Destination At 0 0 " +
                           std::to_string(pixels(PictureBottomLeft.Width())) + " " +
                           std::to_string(pixels(PictureBottomLeft.Height())));
    runtime::mciSendString("play " + quoted(alias) + " from 0");
}

void form1::TimerAnimationLength_Timer() {
    AnimationReady = true;
    TimerAnimationLength.setEnabled(false);
    // While a page loads the strip keeps going with a new animation of its own choosing.
    if (!WebBrowser2.Busy()) return;
    // Each pick starts from a seed taken from the clock.
    runtime::Application& program = application();
    const runtime::TimeOfDay time = program.backend().timeOfDay();
    const auto secondOfDay =
        static_cast<unsigned>(time.hour * 3600 + time.minute * 60 + time.second);
    program.Randomize(secondOfDay * 1000u + static_cast<unsigned>(program.now() % 1000));
    const int code = static_cast<int>(std::floor(program.Rnd() * kAnimationCount + 1));
    AnimationCode = static_cast<std::int16_t>(code);
    Timer2.setInterval(1);
    Timer2.setEnabled(true);
}

}  // namespace quillo
