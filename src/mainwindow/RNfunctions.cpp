#include "mainwindow/RNfunctions.h"

namespace quillo {

std::int32_t BorderWidth = 0;
std::int32_t BrowserInsetWidth = 0;
std::int32_t MarginRight = 0;
std::int32_t TitleBarTop = 0;
std::int32_t MarginLeft = 0;
std::int32_t TitleButtonPitch = 0;
std::int32_t BrowserTopGap = 0;
std::int32_t BrowserBottomGap = 0;
std::int32_t BrowserLeftInset = 0;
std::int32_t SidePaneAllowance = 0;

}  // namespace quillo
