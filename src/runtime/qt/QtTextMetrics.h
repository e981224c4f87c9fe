#pragma once

#include "runtime/Services.h"

namespace quillo::qt {

// Text measured with the fonts the labels paint with, by the same line breaking.
class QtTextMetrics : public runtime::TextMetrics {
  public:
    runtime::SizePx measure(const std::string& text, const runtime::Font& font,
                            int wrapWidthPx) override;
};

}  // namespace quillo::qt
