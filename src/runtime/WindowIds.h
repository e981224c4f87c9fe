#pragma once

namespace quillo::runtime {

// A fresh number naming a window (a form or a picture box) for window services and media commands.
long NewWindowId();

}  // namespace quillo::runtime
