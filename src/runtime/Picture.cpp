#include "runtime/Picture.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "runtime/PathResolver.h"
#include "runtime/Types.h"

namespace quillo::runtime {

namespace {

using Bytes = std::vector<unsigned char>;

std::uint32_t le16(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}
std::uint32_t be16(const Bytes& b, std::size_t at) {
    return (b[at] << 8) | b[at + 1];
}
std::int64_t le32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[at + 3]) << 24));
}
std::uint32_t be32(const Bytes& b, std::size_t at) {
    return (static_cast<std::uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) |
           b[at + 3];
}
bool startsWith(const Bytes& b, std::initializer_list<unsigned char> magic) {
    if (b.size() < magic.size()) return false;
    std::size_t i = 0;
    for (unsigned char m : magic)
        if (b[i++] != m) return false;
    return true;
}

std::optional<SizePx> bmpSize(const Bytes& b) {
    if (b.size() < 26 || !startsWith(b, {'B', 'M'})) return std::nullopt;
    std::int64_t header = le32(b, 14);
    if (header == 12) return SizePx{static_cast<int>(le16(b, 18)), static_cast<int>(le16(b, 20))};
    if (header < 40 || b.size() < 26) return std::nullopt;
    std::int64_t width = le32(b, 18);
    std::int64_t height = le32(b, 22);
    if (height < 0) height = -height;
    return SizePx{static_cast<int>(width), static_cast<int>(height)};
}

std::optional<SizePx> gifSize(const Bytes& b) {
    if (b.size() < 10 || !(startsWith(b, {'G', 'I', 'F', '8', '7', 'a'}) ||
                           startsWith(b, {'G', 'I', 'F', '8', '9', 'a'})))
        return std::nullopt;
    return SizePx{static_cast<int>(le16(b, 6)), static_cast<int>(le16(b, 8))};
}

std::optional<SizePx> pngSize(const Bytes& b) {
    if (b.size() < 24 || !startsWith(b, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return std::nullopt;
    return SizePx{static_cast<int>(be32(b, 16)), static_cast<int>(be32(b, 20))};
}

// Walks the JPEG markers to the first start-of-frame, which holds the size.
std::optional<SizePx> jpegSize(const Bytes& b) {
    if (!startsWith(b, {0xFF, 0xD8})) return std::nullopt;
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) return std::nullopt;
        unsigned char marker = b[at + 1];
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += 2;
            continue;
        }
        std::size_t length = be16(b, at + 2);
        bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (at + 9 > b.size()) return std::nullopt;
            return SizePx{static_cast<int>(be16(b, at + 7)), static_cast<int>(be16(b, at + 5))};
        }
        if (length < 2) return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

// An icon file: the largest image of its directory gives the size (0 stands for 256).
std::optional<SizePx> icoSize(const Bytes& b) {
    if (b.size() < 6 || !startsWith(b, {0, 0, 1, 0})) return std::nullopt;
    std::size_t count = le16(b, 4);
    if (count == 0 || b.size() < 6 + 16 * count) return std::nullopt;
    SizePx best;
    for (std::size_t i = 0; i < count; ++i) {
        int width = b[6 + 16 * i] == 0 ? 256 : b[6 + 16 * i];
        int height = b[7 + 16 * i] == 0 ? 256 : b[7 + 16 * i];
        if (width * height > best.width * best.height) best = {width, height};
    }
    return best;
}

}  // namespace

long Picture::widthHimetric() const {
    return std::lround(widthPx * 2540.0 / 96);
}
long Picture::heightHimetric() const {
    return std::lround(heightPx * 2540.0 / 96);
}

std::optional<Picture> LoadPicture(const std::string& path) {
    if (path.empty()) return Picture{};
    std::string resolved = ResolvePath(path);
    // Only a regular file is read: a pipe or a device could hold the program up for good.
    std::error_code error;
    if (!std::filesystem::is_regular_file(resolved, error)) return std::nullopt;
    std::ifstream file(resolved, std::ios::binary);
    if (!file) return std::nullopt;
    Bytes head(64 * 1024);
    file.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));

    struct Reader {
        PictureFormat format;
        std::optional<SizePx> (*size)(const Bytes&);
    };
    constexpr std::array<Reader, 5> readers{{{PictureFormat::Bmp, bmpSize},
                                             {PictureFormat::Gif, gifSize},
                                             {PictureFormat::Png, pngSize},
                                             {PictureFormat::Jpeg, jpegSize},
                                             {PictureFormat::Ico, icoSize}}};
    for (const Reader& reader : readers) {
        std::optional<SizePx> size = reader.size(head);
        if (!size) continue;
        if (size->width <= 0 || size->height <= 0) return std::nullopt;
        return Picture{resolved, reader.format, size->width, size->height};
    }
    return std::nullopt;
}

Picture DrawnPicture(int widthPx, int heightPx, std::vector<std::uint32_t> pixels) {
    if (widthPx <= 0 || heightPx <= 0) return Picture{};
    pixels.resize(static_cast<std::size_t>(widthPx) * static_cast<std::size_t>(heightPx), 0);
    Picture picture{"", PictureFormat::Drawn, widthPx, heightPx};
    picture.pixels = std::make_shared<const std::vector<std::uint32_t>>(std::move(pixels));
    return picture;
}

}  // namespace quillo::runtime
