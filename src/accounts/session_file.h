// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rova {

// "temp.dat": its first line names the user working now. Nothing caches it;
// every reader calls ReadSessionUser afresh.
inline const QString kSessionFileName = QStringLiteral("temp.dat");

// Line 1 of this copy's own session (see CopySession) when it has one, else
// of the session file, up to the line break or the end of the file.
// Throws ProgramError ("File not found" when there is no session file,
// "Invalid filename" when the line is no name a user could register with).
QString ReadSessionUser();

// Makes the session file, and this copy's own session, hold exactly one line,
// the user name.
void WriteSessionUser(const QString& userName);

// Makes this copy's own session, when it has one, hold the user name; the
// session file itself is the caller's. Throws ProgramError.
void WriteCopySessionUser(const QString& userName);

// While it lives, this running copy of the program keeps its pupil in a
// session of its own as well as in temp.dat: a file of the same format,
// "session-<process id>.dat" in the private folder rova2004 (0700) under
// $XDG_RUNTIME_DIR, or under /tmp/rova2004-<user id> when that variable names
// no usable folder. Several copies working in one data folder each read their
// own pupil, whatever the others write to temp.dat. A copy whose private
// folder is not safe to use (not a folder of this user, open to others, a
// symbolic link) says so on stderr and uses temp.dat alone, as one copy
// always may. Sessions that copies which died left behind are removed; the
// copy's own is removed when the object goes.
class CopySession {
 public:
  CopySession();
  ~CopySession();
  CopySession(const CopySession&) = delete;
  CopySession& operator=(const CopySession&) = delete;
};

}  // namespace rova
