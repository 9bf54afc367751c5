// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rova {

// The splash's two titles, drawn in bold Tahoma over its picture; x and y are
// the top-left corner of each title's label in the splash window.
struct SplashTitle {
  int x;
  int y;
  int pixelSize;
  const char* text;  // UTF-8
};
inline constexpr int kSplashTitleCount = 2;
inline constexpr SplashTitle kSplashTitles[kSplashTitleCount] = {
    {146, 91, 29, "ROVA 2004"},
    {149, 121, 11, "Matematikos kurso kartojimas"},
};

// Where the splash picture lies in the splash window.
inline constexpr int kSplashPictureLeft = 1;
inline constexpr int kSplashPictureTop = 1;

// The build step draws the titles into a copy of the splash picture, as the
// labels would draw them, so that start-up needs neither the picture's JPEG
// decoded nor the titles' face loaded and outlines drawn. The copy is kept
// as raw pixels:
// the magic, each title label's width and height then the picture's, as
// 32-bit little-endian numbers, then the picture's rows as RGB888.
inline constexpr const char* kTitledSplashFile = "splash_titled.rgb";
inline constexpr char kTitledSplashMagic[8] = {'R', 'O', 'V', 'A', 'T', 'I', 'T', '1'};

}  // namespace rova
