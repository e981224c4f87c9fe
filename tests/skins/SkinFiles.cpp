#include "skins/SkinFiles.h"

namespace skintest {

const std::vector<std::string> kButtonNames = {
    "PictureIcon",  "PictureTitleBar", "PictureTitle", "PictureWS01",     "PictureWS02",
    "PictureClose", "PictureHideShow", "PictureURL",   "PictureBookmark", "PictureBack",
    "PictureNext",  "PictureReload",   "PictureStop",  "PictureHome",     "PictureMail"};
const std::vector<std::string> kStripNames = {"PictureBottomLeft", "PictureBottomCenter",
                                              "PictureBottomRight"};

std::string gif(int width, int height) {
    std::string bytes = "GIF89a";
    for (int value : {width, height}) {
        bytes += static_cast<char>(value & 0xFF);
        bytes += static_cast<char>(value >> 8);
    }
    return bytes + std::string(16, '\0');
}

std::string descriptor(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields)
        text += "<" + field + ">";
    return text + "\r\n";
}

std::vector<std::string> listEntries(const quillo::runtime::ListBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.ListCount(); ++i)
        entries.push_back(list.List(i));
    return entries;
}

std::vector<std::string> fieldsOf(const std::string& stripClip) {
    std::vector<std::string> fields = {"16777215", "255", "65280"};
    fields.insert(fields.end(), kButtonNames.begin(), kButtonNames.end());
    fields.push_back(stripClip);
    fields.push_back("PictureBottomCenter");
    fields.push_back("PictureBottomRight");
    return fields;
}

std::vector<std::string> numberedFields() {
    std::vector<std::string> fields = {"16777215", "255", "65280"};
    for (int field = 3; field <= 20; ++field)
        fields.push_back("part" + std::to_string(field) + ".gif");
    return fields;
}

int widthOfField(int field) {
    return 10 + field;
}

void writeSkin(const quillo::headless::Harness& harness, const std::string& name,
               const std::vector<std::string>& fields) {
    harness.writeFile("skins/" + name + "/" + name + ".tz3", descriptor(fields));
    for (std::size_t i = 3; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        if (field.empty() || field.find("..") != std::string::npos || field[0] == '/') continue;
        bool clip = field.size() > 4 && field.substr(field.size() - 4) == ".avi";
        harness.writeFile(
            "skins/" + name + "/" + field,
            clip ? std::string("RIFF....AVI ") : gif(widthOfField(static_cast<int>(i)), 7));
    }
}

}  // namespace skintest
