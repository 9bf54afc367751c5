// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRawFont>
#include <QStringList>

namespace rova {

// The faces the windows are laid out for. Registered once at start-up from
// the system's font files so that text widths match the window layouts.
inline constexpr const char* kSansFamily = "MS Sans Serif";
inline constexpr const char* kTahomaFamily = "Tahoma";
inline constexpr const char* kSerifFamily = "MS Serif";  // the small marks; a serif stand-in

// Registers the program's fonts with the application. Returns the files that
// could not be loaded (empty when all is well). Safe to call more than once.
QStringList RegisterProgramFonts();

// Whether RegisterProgramFonts registered the bold Tahoma face from its file.
bool TahomaBoldRegistered();

// "MS Sans Serif", 8 points on a 96-dpi screen: 11 pixels high.
QFont SansFont(int pixelSize = 11, bool bold = false);
QFont TahomaFont(int pixelSize, bool bold);
QFont SerifMarkFont(int pixelSize = 8);

// The sans face is bitmaps only, in three strikes (pixels from line to line);
// the windows' text is the 13-pixel one, whatever size a font asks for.
inline constexpr int kSansStrikes[] = {13, 16, 20};
inline constexpr int kSansWindowStrike = 13;
// One strike read straight from the face's file: Qt's font database offers
// only the first. Invalid when the file cannot be read.
QRawFont SansStrike(int pixelSize);

}  // namespace rova
