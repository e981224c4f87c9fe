#include "mainwindow/Variables.h"

namespace quillo {

std::string WindowsDir;
bool MorphingEnabled = true;

}  // namespace quillo
