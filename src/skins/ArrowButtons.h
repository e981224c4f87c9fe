#pragma once

#include "runtime/Picture.h"

namespace quillo {

enum class ArrowDirection { Left = -1, Right = 1 };

// The skin editor's stepping buttons as the program draws them itself: a purple rounded button
// with a white arrow, on the editor's pale blue ground, as big as the button that shows it.
runtime::Picture ArrowButtonPicture(ArrowDirection direction, int widthPx, int heightPx);

}  // namespace quillo
