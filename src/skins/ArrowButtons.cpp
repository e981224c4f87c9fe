#include "skins/ArrowButtons.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quillo {

namespace {

constexpr std::uint32_t kGround = 0xDDF0FE;
constexpr std::uint32_t kEdge = 0x634CAB;
constexpr std::uint32_t kBody = 0x8E6CF5;
constexpr std::uint32_t kGloss = 0xA589F7;
constexpr std::uint32_t kArrow = 0xFFFFFF;

struct Point {
    double x, y;
};

bool insideRounded(Point p, double left, double top, double right, double bottom, double radius) {
    if (p.x < left || p.x > right || p.y < top || p.y > bottom) return false;
    const double nearX = std::clamp(p.x, left + radius, right - radius);
    const double nearY = std::clamp(p.y, top + radius, bottom - radius);
    const double dx = p.x - nearX, dy = p.y - nearY;
    return dx * dx + dy * dy <= radius * radius;
}

double side(Point a, Point b, Point p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

bool insideTriangle(Point p, Point a, Point b, Point c) {
    const double ab = side(a, b, p), bc = side(b, c, p), ca = side(c, a, p);
    return (ab >= 0 && bc >= 0 && ca >= 0) || (ab <= 0 && bc <= 0 && ca <= 0);
}

// A fat arrow around (cx, cy), u its half height: a head and a shaft behind it.
bool insideArrow(Point p, double cx, double cy, double u, int d) {
    const Point tip{cx + d * u, cy};
    const Point baseTop{cx + d * 0.05 * u, cy - 0.85 * u};
    const Point baseBottom{cx + d * 0.05 * u, cy + 0.85 * u};
    if (insideTriangle(p, tip, baseTop, baseBottom)) return true;
    const double shaftFrom = std::min(cx - d * 0.8 * u, cx + d * 0.1 * u);
    const double shaftTo = std::max(cx - d * 0.8 * u, cx + d * 0.1 * u);
    return p.x >= shaftFrom && p.x <= shaftTo && p.y >= cy - 0.36 * u && p.y <= cy + 0.36 * u;
}

}  // namespace

runtime::Picture ArrowButtonPicture(ArrowDirection direction, int widthPx, int heightPx) {
    const double w = widthPx, h = heightPx;
    const double radius = std::min(h / 2, 9.0);
    const double u = std::min(w, h) * 0.36;
    const int d = static_cast<int>(direction);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(widthPx) *
                   static_cast<std::size_t>(std::max(heightPx, 0)));
    for (int y = 0; y < heightPx; ++y)
        for (int x = 0; x < widthPx; ++x) {
            const Point p{x + 0.5, y + 0.5};
            std::uint32_t colour = kGround;
            if (insideRounded(p, 0, 0, w, h, radius)) colour = kEdge;
            if (insideRounded(p, 1, 1, w - 1, h - 2.5, radius - 1)) colour = kBody;
            if (insideRounded(p, 2, 2, w - 2, h * 0.3, radius - 2)) colour = kGloss;
            if (insideArrow(p, w / 2, h / 2 - 0.5, u, d)) colour = kArrow;
            pixels.push_back(colour);
        }
    return runtime::DrawnPicture(widthPx, heightPx, std::move(pixels));
}

}  // namespace quillo
