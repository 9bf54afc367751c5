// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/session_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstdio>

#include "accounts/user_store.h"
#include "textio/baltic_codec.h"
#include "textio/program_error.h"
#include "textio/store_transaction.h"
#include "textio/text_file.h"

namespace rova {

namespace {

QString copySessionFile;  // set while a CopySession lives

constexpr char kSessionPrefix[] = "session-";
constexpr char kSessionSuffix[] = ".dat";

// A folder this user alone may use: not a symbolic link, owned by the user,
// closed to the group and others.
bool IsPrivateFolder(const QByteArray& path) {
  struct stat info {};
  return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
         (info.st_mode & 077) == 0;
}

// Makes `path` a private folder of this user, or says it cannot be one.
bool MakePrivateFolder(const QByteArray& path) {
  if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return false;
  return IsPrivateFolder(path);
}

QByteArray RuntimeFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (runtime.startsWith('/')) {
    struct stat info {};
    if (stat(runtime.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid()) {
      return runtime + "/rova2004";
    }
  }
  // /tmp is shared: MakePrivateFolder refuses anything there that this user
  // did not make private.
  return "/tmp/rova2004-" + QByteArray::number(geteuid());
}

// The process id in a session file's name, or 0 for another name.
pid_t SessionOwner(const char* name) {
  constexpr qsizetype kPrefixLength = sizeof kSessionPrefix - 1;
  constexpr qsizetype kSuffixLength = sizeof kSessionSuffix - 1;
  const QByteArray text(name);
  if (!text.startsWith(kSessionPrefix) || !text.endsWith(kSessionSuffix)) return 0;
  bool ok = false;
  const qlonglong pid = text.mid(kPrefixLength, text.size() - kPrefixLength - kSuffixLength).toLongLong(&ok);
  return ok && pid > 0 && pid <= 0x7fffffff ? pid_t(pid) : 0;
}

// Removes the sessions of copies that are no longer running.
void RemoveDeadSessions(const QByteArray& folder) {
  DIR* dir = opendir(folder.constData());
  if (!dir) return;
  while (const dirent* entry = readdir(dir)) {
    const pid_t owner = SessionOwner(entry->d_name);
    if (owner > 0 && owner != getpid() && kill(owner, 0) != 0 && errno == ESRCH) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
  }
  closedir(dir);
}

[[noreturn]] void Fail(int errorCode) { throw ProgramError::FromErrno(errorCode); }

}  // namespace

QString ReadSessionUser() {
  // A line longer than any file name names no user: read no further.
  constexpr qsizetype kLongestLine = 1024;
  const QString& own = copySessionFile;
  const bool ownExists = !own.isEmpty() && QFile::exists(own);
  const QByteArray line = ReadFirstLine(ownExists ? own : kSessionFileName, kLongestLine);
  const QString userName = FromBaltic(line);
  if (line.size() > kLongestLine || !IsUsableUserName(userName)) throw ProgramError::FromErrno(EINVAL);
  return userName;
}

void WriteSessionUser(const QString& userName) {
  RewriteFile(kSessionFileName, JoinLines({ToBaltic(userName)}));
  WriteCopySessionUser(userName);
}

void WriteCopySessionUser(const QString& userName) {
  if (copySessionFile.isEmpty()) return;
  // Written beside and renamed, so that a reader never sees half a name.
  const QByteArray path = QFile::encodeName(copySessionFile);
  const QByteArray draft = path + ".new";
  const QByteArray bytes = JoinLines({ToBaltic(userName)});
  unlink(draft.constData());
  const int fd = open(draft.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) Fail(errno);
  int error = 0;
  const ssize_t put = write(fd, bytes.constData(), size_t(bytes.size()));
  if (put != bytes.size()) error = put < 0 ? errno : EIO;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(draft.constData(), path.constData()) != 0) error = errno;
  if (error != 0) {
    unlink(draft.constData());
    Fail(error);
  }
}

CopySession::CopySession() {
  const QByteArray folder = RuntimeFolder();
  if (!MakePrivateFolder(folder)) {
    std::fprintf(stderr,
                 "rova2004: aplankas %s nėra privatus šio naudotojo aplankas; "
                 "prisijungęs mokinys saugomas tik faile temp.dat.\n",
                 folder.constData());
    return;
  }
  RemoveDeadSessions(folder);
  const QByteArray path = folder + "/" + kSessionPrefix + QByteArray::number(getpid()) + kSessionSuffix;
  // A copy that died with this process id left it: it is not this copy's pupil.
  unlink(path.constData());
  copySessionFile = QFile::decodeName(path);
}

CopySession::~CopySession() {
  if (copySessionFile.isEmpty()) return;
  unlink(QFile::encodeName(copySessionFile).constData());
  unlink(QFile::encodeName(copySessionFile + QStringLiteral(".new")).constData());
  copySessionFile.clear();
}

}  // namespace rova
