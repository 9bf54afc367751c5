// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The POSIX helpers that the data file opener (data_file.cpp), the store's
// lock (store_lock.cpp) and its rewrites (store_transaction.cpp) share.
// Private to textio: no file outside src/textio/ includes it.

#include <sys/stat.h>

#include <QByteArray>
#include <QString>

#include "textio/data_file.h"
#include "textio/fault_injection.h"
#include "textio/program_error.h"

namespace rova::posix {

inline void CheckFault(const QString& fileName, FaultOp op) {
  if (const int injected = InjectedFault(fileName, op)) throw ProgramError::FromErrno(injected, fileName);
}

// What stands in a data file's place, by its type.
FileObstacle ObstacleOf(mode_t mode);

// Creates `name` in the folder for writing, exclusively and without
// following a link (O_CREAT | O_EXCL | O_NOFOLLOW), with the folder's mode
// (GiveFolderMode). -1 with errno set when it cannot.
int CreateDataFile(const StoreFolder& folder, const QByteArray& name);

// The mode a file the program creates gets from its folder, never from a
// file it replaces: 0600 in a folder closed to everyone else (the private
// default); in a folder whose group may write (a class folder) the folder's
// group, readable and writable by it whatever the process's umask, so that
// the next pupil can replace and lock what this one made; elsewhere 0666
// less the umask.
struct NewFileRule {
  mode_t createMode = 0666;  // given to open; the umask applies
  bool shared = false;       // then made group-readable and -writable, with the folder's group
  gid_t group = 0;
};
NewFileRule NewFileRuleOf(const StoreFolder& folder);
// Gives a file just created with `rule.createMode` the rest of the rule.
void GiveFolderMode(const StoreFolder& folder, const NewFileRule& rule, int fd);

// Six random letters and digits for the name of a copy.
QByteArray NewCopyToken();

// Writes all of `bytes`; throws ProgramError naming `fileName`.
void WriteAll(int fd, const QByteArray& bytes, const QString& fileName);

}  // namespace rova::posix
