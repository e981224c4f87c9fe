#pragma once

#include <string>

namespace quillo::testing {

// A design text with "~" standing for the field separator Chr(2): the window at 100, 100, 400 by
// 300 px, buttons 40 by 30 px along the top, the address box, status line and browser below
// them, and with outline the window's rectangle as its outline.
inline std::string ShapedDesign(bool outline = true) {
    std::string text =
        "<! FRM~100~100~400~300~-1 >\r\n<! BCK~10~10~40~30 >\r\n<! FWD~60~10~40~30 >\r\n"
        "<! HME~110~10~40~30 >\r\n<! RFH~160~10~40~30 >\r\n<! STP~210~10~40~30 >\r\n"
        "<! TUL~10~50~300~20 >\r\n<! SBR~10~280~300~15 >\r\n<! BSW~10~80~380~190 >\r\n";
    if (outline) text += "<! RGN~4~0|0~400|0~400|300~0|300 >\r\n";
    for (char& c : text)
        if (c == '~') c = '\x02';
    return text;
}

}  // namespace quillo::testing
