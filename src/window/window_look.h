// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/lb_color.h"

namespace rova {

// The program's colours and sizes, shared by every window.
inline constexpr TColor kFrameColor = FromRgb(132, 146, 181);   // title bars, small windows' frames
inline constexpr TColor kPanelColor = FromRgb(232, 228, 229);   // bodies and panels
inline constexpr TColor kHotTrackColor = FromRgb(199, 199, 202);
inline constexpr int kMainWindowWidth = 694;
inline constexpr int kMainWindowHeight = 412;
inline constexpr int kTitleBarHeight = 21;
inline constexpr int kCloseButtonSize = 17;

}  // namespace rova
