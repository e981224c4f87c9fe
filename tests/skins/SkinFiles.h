#pragma once

#include <string>
#include <vector>

#include "runtime/ListBox.h"
#include "runtime/headless/Harness.h"

namespace skintest {

// The picture buttons of descriptor fields 3 to 17, in field order.
extern const std::vector<std::string> kButtonNames;
// The bottom strips of fields 18 to 20.
extern const std::vector<std::string> kStripNames;

// A GIF header is all a picture's size needs.
std::string gif(int width, int height);
// "<f0><f1>...<fn>" and CR LF.
std::string descriptor(const std::vector<std::string>& fields);
std::vector<std::string> listEntries(const quillo::runtime::ListBox& list);

// The 21 fields of a skin whose pictures are named after their controls; colours 0xFFFFFF
// (white), 255 and 65280; field 18 a picture unless given.
std::vector<std::string> fieldsOf(const std::string& stripClip = "PictureBottomLeft");
// The 21 fields of a skin whose picture files are numbered after their fields ("part3.gif" ...
// "part20.gif"), so that a file shows which field named it; colours as fieldsOf.
std::vector<std::string> numberedFields();
// The picture width that writeSkin gives the file of a field: 10 + the field's number.
int widthOfField(int field);
// Writes skins/<name>/<name>.tz3 and a picture for every picture field (widthOfField wide, 7
// high), and clip bytes for a field ending in .avi; fields reaching outside the folder are
// skipped.
void writeSkin(const quillo::headless::Harness& harness, const std::string& name,
               const std::vector<std::string>& fields);

}  // namespace skintest
