#pragma once

#include <QString>

namespace rova {

// "temp.dat": its first line names the user working now. Nothing caches it;
// every reader calls ReadSessionUser afresh.
inline const QString kSessionFileName = QStringLiteral("temp.dat");

// Line 1 of the session file, up to the line break or the end of the file.
// Throws ProgramError ("File not found" when there is no session file,
// "Invalid filename" when the line is no name a user could register with).
QString ReadSessionUser();

// Makes the session file hold exactly one line, the user name.
void WriteSessionUser(const QString& userName);

}  // namespace rova
