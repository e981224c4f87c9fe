#pragma once

#include <cstdint>
#include <string>

namespace quillo::runtime {

// Colours are 0x00BBGGRR, the byte order the program's colour values are written in.
using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct Font {
    std::string Name = "MS Sans Serif";
    double Size = 8.25;  // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int Charset = 0;  // 128 asks for a Japanese-capable face
    bool operator==(const Font&) const = default;
};

struct PointPx {
    int x = 0;
    int y = 0;
    bool operator==(const PointPx&) const = default;
};

struct SizePx {
    int width = 0;
    int height = 0;
    bool operator==(const SizePx&) const = default;
};

struct RectPx {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const RectPx&) const = default;
};

// Mouse buttons and shift bits as the controls' mouse and key events report them.
constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;
constexpr int vbMiddleButton = 4;
constexpr int vbShiftMask = 1;
constexpr int vbCtrlMask = 2;
constexpr int vbAltMask = 4;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class ShowMode { Modeless = 0, Modal = 1 };

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

}  // namespace quillo::runtime
