// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace rova {

// The file name of the help program that "Pagalba" starts.
inline constexpr const char* kHelpProgramName = "rova2004-help";

// Where the help program is looked for, in order: the program's own folder,
// the working directory, then each folder of the system's program path.
struct ProgramSearch {
  QString ownFolder;
  QString workingFolder;
  QStringList pathFolders;
};

// The search of the running program: its own folder, the current directory
// and the folders of PATH.
ProgramSearch CurrentProgramSearch();

// The first executable file named `name` along `search`, or an empty string.
QString FindProgram(const QString& name, const ProgramSearch& search);

// Starts the help program detached, without waiting; it gets the working
// directory of the program. Returns false when it is not found or cannot be
// started (the menu then simply does nothing).
bool StartHelpProgram(const ProgramSearch& search = CurrentProgramSearch());

}  // namespace rova
