#include "shared/ModuleLanguage.h"

#include "runtime/Application.h"
#include "shared/ModuleFucns.h"

namespace quillo {

std::string HomePage;
std::string LangName;

void LoadLanguage() {
    // A missing language.ini leaves the name empty, as the loader has always done.
    LangName.clear();
    FileIO("GetBinary", runtime::app().App().Path + "/language.ini", LangName);
}

}  // namespace quillo
