// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rova {

// "temp.dat": its first line names the user of the last log-in attempt or
// registration in the data folder, whichever copy of the program made it.
inline const QString kSessionFileName = QStringLiteral("temp.dat");

// The pupil whose checks and statistics these are: this copy's own pupil (see
// KeepCopyUser) while it works in the folder that pupil logged in to, else
// line 1 of the session file, up to the line break or the end of the file.
// Throws ProgramError ("File not found" when there is no session file,
// "Invalid filename" when the name is none a user could register with).
QString ReadSessionUser();

// Makes the session file hold exactly one line, the user name.
void WriteSessionUser(const QString& userName);

// Makes `userName` this running copy's own pupil in the data folder it works
// in now (the working directory). It is kept in the process: several copies
// working in one class folder each count their own pupil's checks, whatever
// the others write to temp.dat, and nothing another user of the machine or
// the folder can create, replace or delete changes it.
void KeepCopyUser(const QString& userName);

}  // namespace rova
