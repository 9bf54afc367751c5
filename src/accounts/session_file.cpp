// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/session_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "accounts/user_store.h"
#include "textio/baltic_codec.h"
#include "textio/program_error.h"
#include "textio/store_transaction.h"
#include "textio/text_file.h"

namespace rova {

namespace {

// This copy's pupil and the folder the pupil logged in to, held open: while
// the descriptor lives, no other folder can take its device and inode number,
// so a pupil of one folder is never taken for the pupil of another (tests
// work in one folder after another, in one process).
struct CopyUser {
  QString name;
  int folder = -1;
};
CopyUser copyUser;

bool IsWorkingFolder(int folder) {
  struct stat kept {}, working {};
  return fstat(folder, &kept) == 0 && stat(".", &working) == 0 && kept.st_dev == working.st_dev &&
         kept.st_ino == working.st_ino;
}

std::optional<QString> OwnUser() {
  if (copyUser.folder < 0 || !IsWorkingFolder(copyUser.folder)) return std::nullopt;
  return copyUser.name;
}

}  // namespace

QString ReadSessionUser() {
  if (const std::optional<QString> own = OwnUser()) {
    if (!IsUsableUserName(*own)) throw ProgramError::FromErrno(EINVAL);
    return *own;
  }
  // A line longer than any file name names no user: read no further.
  constexpr qsizetype kLongestLine = 1024;
  const QByteArray line = ReadFirstLine(kSessionFileName, kLongestLine);
  const QString userName = FromBaltic(line);
  if (line.size() > kLongestLine || !IsUsableUserName(userName)) throw ProgramError::FromErrno(EINVAL);
  return userName;
}

void WriteSessionUser(const QString& userName) { RewriteFile(kSessionFileName, JoinLines({ToBaltic(userName)})); }

void KeepCopyUser(const QString& userName) {
  const int folder = open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) throw ProgramError::FromErrno(errno);
  if (copyUser.folder >= 0) close(copyUser.folder);
  // The name as the session file would give it back.
  copyUser = {FromBaltic(ToBaltic(userName)), folder};
}

}  // namespace rova
