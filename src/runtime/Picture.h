#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillo::runtime {

// Drawn: made by the program in memory, not read from a file.
enum class PictureFormat { None, Bmp, Gif, Jpeg, Png, Ico, Drawn };

// A picture loaded from a file: where it came from and how big it is. The backend decodes the
// file itself when it paints; the model only needs the size. An empty picture clears a control.
// A drawn picture has no file: it carries its pixels, which copies of it share.
struct Picture {
    std::string path;  // resolved path of the file, empty for no picture
    PictureFormat format = PictureFormat::None;
    int widthPx = 0;
    int heightPx = 0;
    // A drawn picture's pixels as 0xRRGGBB, row by row from the top; null for a file's.
    std::shared_ptr<const std::vector<std::uint32_t>> pixels = nullptr;
    // The size in hundredths of a millimetre at 96 pixels per inch, rounded to whole ones.
    long widthHimetric() const;
    long heightHimetric() const;
    bool empty() const { return format == PictureFormat::None; }
    bool operator==(const Picture&) const = default;
};

// Loads the picture of a file, recognising BMP, GIF, JPEG, PNG and ICO by their content (the file
// name's extension plays no part). The empty path gives the empty picture; a missing or unreadable
// file, anything but a regular file (a folder, a pipe, a device), or a file that is no picture
// gives nothing.
std::optional<Picture> LoadPicture(const std::string& path);

// A picture of the given pixels (0xRRGGBB, widthPx per row, from the top row down); missing
// pixels are black. A size below one pixel gives the empty picture.
Picture DrawnPicture(int widthPx, int heightPx, std::vector<std::uint32_t> pixels);

}  // namespace quillo::runtime
