#pragma once

#include <optional>
#include <string>

namespace quillo::runtime {

enum class PictureFormat { None, Bmp, Gif, Jpeg, Png, Ico };

// A picture loaded from a file: where it came from and how big it is. The backend decodes the
// file itself when it paints; the model only needs the size. An empty picture clears a control.
struct Picture {
    std::string path;  // resolved path of the file, empty for no picture
    PictureFormat format = PictureFormat::None;
    int widthPx = 0;
    int heightPx = 0;
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

}  // namespace quillo::runtime
