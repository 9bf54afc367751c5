#include "textio/text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <cerrno>

#include "textio/fault_injection.h"
#include "textio/program_error.h"

namespace rova {

namespace {

QByteArray NativeName(const QString& fileName) { return fileName.toUtf8(); }

[[noreturn]] void Fail(int errorCode) { throw ProgramError::FromErrno(errorCode); }

// A missing folder in the name makes the name itself unusable, which the
// pupils' message box tells apart from a missing file.
[[noreturn]] void FailOn(const QString& fileName, int errorCode) {
  if (errorCode == ENOENT) {
    const QByteArray native = NativeName(fileName);
    const qsizetype slash = native.lastIndexOf('/');
    struct stat folder {};
    if (slash >= 0 && (stat(native.left(slash > 0 ? slash : 1).constData(), &folder) != 0 ||
                       !S_ISDIR(folder.st_mode))) {
      Fail(ENOTDIR);
    }
  }
  Fail(errorCode);
}

void CheckFault(const QString& fileName, FaultOp op) {
  if (const int injected = InjectedFault(fileName, op)) Fail(injected);
}

QByteArray ReadDescriptor(int fd, const QString& fileName) {
  CheckFault(fileName, FaultOp::Read);
  QByteArray bytes;
  struct stat info {};
  if (fstat(fd, &info) == 0 && info.st_size > 0) bytes.reserve(info.st_size);
  char buffer[8192];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return bytes;
}

int OpenForReading(const QString& fileName) {
  CheckFault(fileName, FaultOp::Open);
  const int fd = open(NativeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) FailOn(fileName, errno);
  return fd;
}

void WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t put = write(fd, data, left);
    if (put < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    data += put;
    left -= put;
  }
}

// Drawn from the system each time: two copies of the program must not draw
// the same names.
QByteArray CopyPathFor(const QString& fileName) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  QByteArray tail(6, '0');
  for (char& c : tail) c = kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)];
  const QByteArray native = NativeName(fileName);
  const qsizetype base = native.lastIndexOf('/') + 1;
  return native.left(base) + "." + native.mid(base) + ".~" + tail;
}

}  // namespace

int MaxFileNameBytes() {
  constexpr long kUsualLimit = 255;
  const long limit = pathconf(".", _PC_NAME_MAX);
  return static_cast<int>(limit > 0 ? limit : kUsualLimit);
}

QByteArray ReadFileBytes(const QString& fileName) {
  const int fd = OpenForReading(fileName);
  try {
    QByteArray bytes = ReadDescriptor(fd, fileName);
    close(fd);
    return bytes;
  } catch (...) {
    close(fd);
    throw;
  }
}

QList<QByteArray> SplitLines(const QByteArray& bytes) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  const qsizetype size = bytes.size();
  qsizetype i = 0;
  while (i < size) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.append(bytes.mid(start, i - start));
      if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < size) lines.append(bytes.mid(start));
  return lines;
}

QList<QByteArray> ReadLines(const QString& fileName) { return SplitLines(ReadFileBytes(fileName)); }

QByteArray JoinLines(const QList<QByteArray>& lines) {
  QByteArray bytes;
  qsizetype size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  bytes.reserve(size);
  for (const auto& line : lines) {
    bytes.append(line);
    bytes.append("\r\n", 2);
  }
  return bytes;
}

PendingRewrite::PendingRewrite(const QString& fileName, const QByteArray& bytes)
    : fileName_(fileName) {
  CheckFault(fileName, FaultOp::Create);
  const QByteArray target = NativeName(fileName);
  mode_t mode = 0;
  bool keepMode = false;
  struct stat old {};
  if (stat(target.constData(), &old) == 0) {
    if (S_ISDIR(old.st_mode)) Fail(EISDIR);
    if ((old.st_mode & 0222) == 0) Fail(EACCES);
    mode = old.st_mode & 07777;
    keepMode = true;
  } else if (errno != ENOENT) {
    Fail(errno);
  }

  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    copyPath_ = CopyPathFor(fileName);
    fd = open(copyPath_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt > 100)) FailOn(fileName, errno);
  }
  try {
    if (keepMode && fchmod(fd, mode) != 0) Fail(errno);
    CheckFault(fileName, FaultOp::Write);
    WriteAll(fd, bytes);
    CheckFault(fileName, FaultOp::Sync);
    if (fsync(fd) != 0) Fail(errno);
    const int closed = close(fd);
    fd = -1;
    if (closed != 0) Fail(errno);
  } catch (...) {
    if (fd >= 0) close(fd);
    unlink(copyPath_.constData());
    throw;
  }
}

PendingRewrite::PendingRewrite(PendingRewrite&& other) noexcept
    : fileName_(std::move(other.fileName_)),
      copyPath_(std::move(other.copyPath_)),
      committed_(other.committed_) {
  other.committed_ = true;
}

PendingRewrite::~PendingRewrite() {
  if (!committed_ && !copyPath_.isEmpty()) unlink(copyPath_.constData());
}

void PendingRewrite::Commit() {
  CheckFault(fileName_, FaultOp::Rename);
  if (rename(copyPath_.constData(), NativeName(fileName_).constData()) != 0) Fail(errno);
  committed_ = true;
}

FileTransaction::~FileTransaction() = default;

void FileTransaction::Stage(const QString& fileName, const QByteArray& bytes) {
  staged_.emplace_back(fileName, bytes);
}

void FileTransaction::Commit() {
  std::vector<Replaced> replaced;
  replaced.reserve(staged_.size());
  try {
    for (PendingRewrite& rewrite : staged_) {
      Replaced entry{rewrite.fileName(), {}, false};
      const QByteArray target = NativeName(entry.fileName);
      struct stat old {};
      entry.existed = stat(target.constData(), &old) == 0;
      if (entry.existed) {
        // A second name keeps the old file alive until the whole set is in place.
        QByteArray backup = CopyPathFor(entry.fileName) + "~";
        if (link(target.constData(), backup.constData()) == 0) entry.backupPath = backup;
      }
      replaced.push_back(entry);
      rewrite.Commit();
    }
  } catch (...) {
    RollBack(replaced);
    staged_.clear();
    throw;
  }
  for (const Replaced& entry : replaced) {
    if (!entry.backupPath.isEmpty()) unlink(entry.backupPath.constData());
  }
  staged_.clear();
}

void FileTransaction::RollBack(const std::vector<Replaced>& replaced) {
  // The last entry is the one that failed and was not put in place.
  for (auto it = replaced.rbegin(); it != replaced.rend(); ++it) {
    const bool failedOne = it == replaced.rbegin();
    const QByteArray target = NativeName(it->fileName);
    if (!it->backupPath.isEmpty()) {
      if (failedOne) {
        unlink(it->backupPath.constData());
      } else {
        rename(it->backupPath.constData(), target.constData());
      }
    } else if (!it->existed && !failedOne) {
      unlink(target.constData());
    }
  }
}

void RewriteFile(const QString& fileName, const QByteArray& bytes) {
  PendingRewrite rewrite(fileName, bytes);
  rewrite.Commit();
}

FileLock::FileLock(const QString& fileName) : fileName_(fileName) {
  const QByteArray native = NativeName(fileName);
  for (;;) {
    fd_ = OpenForReading(fileName);
    while (flock(fd_, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      close(fd_);
      Fail(error);
    }
    struct stat held {};
    struct stat named {};
    if (fstat(fd_, &held) != 0 || stat(native.constData(), &named) != 0) {
      const int error = errno;
      close(fd_);
      Fail(error);
    }
    if (held.st_dev == named.st_dev && held.st_ino == named.st_ino) return;
    // Another copy replaced the file while we waited: lock the new one.
    close(fd_);
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) close(fd_);
}

QByteArray FileLock::ReadAll() {
  if (lseek(fd_, 0, SEEK_SET) < 0) Fail(errno);
  return ReadDescriptor(fd_, fileName_);
}

}  // namespace rova
