#include "designs/MorphingFunctions.h"

#include "runtime/Application.h"

namespace quillo {

bool IsNewMorphWindow(const std::string& URL) {
    for (const runtime::Form* window : runtime::app().Forms())
        if (window->Name() == "frmMBrowser" && window->Tag() == URL) return false;
    return true;
}

}  // namespace quillo
