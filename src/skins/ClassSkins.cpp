#include "skins/ClassSkins.h"

#include "shared/ModuleFucns.h"

namespace quillo {

void ClassSkins::CallFromBrowserInit(form1&, const std::string& ThemeName) {
    FileIO("GetBinary", ThemeName, ThemeText);
}

}  // namespace quillo
