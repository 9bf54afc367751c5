// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <optional>

namespace rova {

// Who a program of the package is, for what main() does before and just
// after Qt starts.
struct ProgramIdentity {
  const char* program;    // the installed file name, e.g. "rova2004"
  const char* desktopId;  // its desktop entry without ".desktop"
  const char* help;       // --help text, each line in Lithuanian and then in English
  bool needsDisplay = true;
};

// Called first in main(), before any Qt application object exists. Answers
// --help and --version (exit code 0); without a display to show windows on
// (or on Wayland alone without Qt's Wayland plugin) it says so in Lithuanian
// and English and gives exit code 2. Otherwise it
// returns nothing and, when no platform is named, asks Qt for X11 first and
// Wayland second: the program's frameless, self-placed windows are made for
// X11 and keep their places under XWayland. Other options are left to the
// program.
std::optional<int> PrepareProgramStart(int argc, char** argv, const ProgramIdentity& identity,
                                       std::FILE* out = stdout, std::FILE* err = stderr);

// Called right after the application object exists: the desktop entry the
// windows belong to, the window icon (the one built in, replaced by the
// installed "rova2004" icon of the desktop's theme, looked up once the first
// window has been painted), and Qt's own texts in Lithuanian.
void IdentifyProgram(const ProgramIdentity& identity);

// Makes Qt's own dialogs and buttons (file, print and message dialogs, the
// edit fields' menus) speak Lithuanian, as every window of the programs does,
// whatever the session's language: loads Qt's Lithuanian translations from
// Qt's translations folder (Debian's qt6-translations-l10n). False when none
// is installed; Qt's English texts stay then.
bool LoadQtLithuanian();

}  // namespace rova
