#pragma once

#include <string>

namespace quillo {

class form1;

// The skin engine: reads skin descriptors and dresses the main window in them.
class ClassSkins {
  public:
    // Loads and applies the skin whose descriptor is ThemeName to the main window. For now it
    // only reads the descriptor; the main window keeps its plain look.
    void CallFromBrowserInit(form1& frm, const std::string& ThemeName);

    // The descriptor text as last read.
    std::string ThemeText;
};

}  // namespace quillo
