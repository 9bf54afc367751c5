// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <mutex>

#include "textio/fault_injection.h"
#include "textio/posix_file.h"
#include "textio/store_lock.h"

namespace rova {

struct StoreFolder::State {
  int fd = -1;
  QString path;
  int maxNameBytes = 255;
  ~State() {
    if (fd >= 0) close(fd);
  }
};

StoreFolder StoreFolder::Open(const QString& path, const QString& shownAs) {
  const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw ProgramError::FromErrno(errno, path);
  auto state = std::make_shared<State>();
  state->fd = fd;
  state->path = shownAs.isEmpty() ? path : shownAs;
  // Asked once: every user name is measured against it.
  if (const long limit = fpathconf(fd, _PC_NAME_MAX); limit > 0) state->maxNameBytes = int(limit);
  StoreFolder folder;
  folder.state_ = std::move(state);
  return folder;
}

int StoreFolder::descriptor() const { return state_ ? state_->fd : -1; }

QString StoreFolder::path() const { return state_ ? state_->path : QString(); }

int StoreFolder::maxNameBytes() const { return state_ ? state_->maxNameBytes : 255; }

namespace {

std::mutex currentFolderMutex;
StoreFolder currentFolder;

}  // namespace

namespace posix {

FileObstacle ObstacleOf(mode_t mode) {
  if (S_ISLNK(mode)) return FileObstacle::SymbolicLink;
  if (S_ISDIR(mode)) return FileObstacle::Folder;
  if (S_ISFIFO(mode)) return FileObstacle::Fifo;
  if (S_ISSOCK(mode)) return FileObstacle::Socket;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return FileObstacle::Device;
  return FileObstacle::UnknownKind;
}

NewFileRule NewFileRuleOf(const StoreFolder& folder) {
  struct stat dir {};
  if (fstat(folder.descriptor(), &dir) != 0) return {};
  if ((dir.st_mode & 077) == 0) return {0600, false, 0};
  return {0666, (dir.st_mode & S_IWGRP) != 0, dir.st_gid};
}

void GiveFolderMode(const StoreFolder& folder, const NewFileRule& rule, int fd) {
  struct stat file {};
  if (!rule.shared || fstat(fd, &file) != 0) return;
  const mode_t mode = (file.st_mode & 0777) | 0660;
  static bool said = false;
  if (file.st_gid != rule.group && fchown(fd, uid_t(-1), rule.group) != 0 && !said) {
    said = true;
    std::fprintf(stderr, "rova2004: %s: nauji failai negauna aplanko grupės (šis naudotojas ne jos narys); "
                 "kiti klasės mokiniai jų gali nepakeisti.\n", qPrintable(folder.path()));
  }
  if (mode != (file.st_mode & 0777)) fchmod(fd, mode);
}

int CreateDataFile(const StoreFolder& folder, const QByteArray& name) {
  const NewFileRule rule = NewFileRuleOf(folder);
  const int fd = openat(folder.descriptor(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        rule.createMode);
  if (fd >= 0) GiveFolderMode(folder, rule, fd);
  return fd;
}

QByteArray NewCopyToken() {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  constexpr quint64 kLetterCount = sizeof kLetters - 1;
  // A generator of the process's own, seeded by the system's once per
  // process (again in a forked child, which would otherwise repeat its
  // parent's names): no system call a name, and a classmate who sees one
  // name cannot tell the next.
  static pid_t seededFor = 0;
  static QRandomGenerator generator;
  if (seededFor != getpid()) {
    seededFor = getpid();
    quint32 seed[8];
    QRandomGenerator::system()->fillRange(seed);
    generator = QRandomGenerator(seed, seed + 8);
  }
  quint64 draw = generator.generate64();
  QByteArray token(6, '0');
  for (char& c : token) {
    c = kLetters[draw % kLetterCount];
    draw /= kLetterCount;
  }
  return token;
}

void WriteAll(int fd, const QByteArray& bytes, const QString& fileName) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t put = write(fd, data, size_t(left));
    if (put < 0) {
      if (errno == EINTR) continue;
      throw ProgramError::FromErrno(errno, fileName);
    }
    data += put;
    left -= put;
  }
}

}  // namespace posix

using posix::ObstacleOf;

StoreFolder DataFolder() {
  std::lock_guard guard(currentFolderMutex);
  if (!currentFolder.isOpen()) currentFolder = StoreFolder::Open(QStringLiteral("."));
  return currentFolder;
}

void SetDataFolder(StoreFolder folder) {
  std::lock_guard guard(currentFolderMutex);
  currentFolder = std::move(folder);
}

bool IsPlainFileName(const QByteArray& name) {
  return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\0');
}

void ReportRefusal(const StoreFolder& folder, const ProgramError& error) {
  std::fprintf(stderr, "rova2004: %s: %s\n", qPrintable(folder.path()), qPrintable(ErrorExplanation(error)));
}

ProgramError DataFileError(const StoreFolder& folder, const QString& name, int errorCode, bool writing,
                           bool report) {
  const QByteArray native = QFile::encodeName(name);
  struct stat info {};
  const bool there = fstatat(folder.descriptor(), native.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
  ProgramError error = ProgramError::FromErrno(errorCode, name);
  if (there && !S_ISREG(info.st_mode)) {
    error = ProgramError::NotARegularFile(name, ObstacleOf(info.st_mode));
  } else if (there && (errorCode == EACCES || errorCode == EPERM)) {
    error = ProgramError::FromErrno(errorCode, name, writing ? FileObstacle::NotWritable : FileObstacle::NotReadable);
  } else if (!there && (errorCode == EACCES || errorCode == EPERM) && writing) {
    error = ProgramError::FromErrno(errorCode, name, FileObstacle::FolderNotWritable);
  } else {
    return error;
  }
  if (report) ReportRefusal(folder, error);
  return error;
}

DataFile::DataFile(const StoreFolder& folder, const QString& name, qsizetype limit)
    : folder_(folder), name_(name), limit_(limit) {
  posix::CheckFault(name, FaultOp::Open);
  const QByteArray native = QFile::encodeName(name);
  if (!IsPlainFileName(native)) throw ProgramError::FromErrno(EINVAL, name);
  // O_NONBLOCK: a FIFO planted in a data file's place opens at once and is
  // refused below instead of hanging the program; it changes nothing for a
  // regular file.
  fd_ = openat(folder.descriptor(), native.constData(),
               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) throw DataFileError(folder, name, errno, false);
  struct stat info {};
  if (fstat(fd_, &info) != 0) {
    const int error = errno;
    close(fd_);
    throw ProgramError::FromErrno(error, name);
  }
  if (!S_ISREG(info.st_mode)) {
    close(fd_);
    const ProgramError error = ProgramError::NotARegularFile(name, ObstacleOf(info.st_mode));
    ReportRefusal(folder, error);
    throw error;
  }
  size_ = info.st_size;
  if (limit_ >= 0 && info.st_size > limit_) {
    close(fd_);
    const ProgramError error = ProgramError::FileTooLarge(name);
    ReportRefusal(folder, error);
    throw error;
  }
  NoteReadUnderStoreLock(folder, native, info);
}

DataFile::~DataFile() { close(fd_); }

void DataFile::LimitTo(qsizetype bytes) {
  if (size_ > bytes) {
    const ProgramError error = ProgramError::FileTooLarge(name_);
    ReportRefusal(folder_, error);
    throw error;
  }
  limit_ = bytes;
}

qsizetype DataFile::Read(char* buffer, qsizetype capacity) {
  posix::CheckFault(name_, FaultOp::Read);
  // One byte past the limit is asked for, to tell a file of exactly the
  // limit from one that has grown since it was opened.
  if (limit_ >= 0) capacity = qMin(capacity, limit_ + 1 - taken_);
  for (;;) {
    const ssize_t got = read(fd_, buffer, size_t(capacity));
    if (got >= 0) {
      taken_ += got;
      if (limit_ >= 0 && taken_ > limit_) {
        const ProgramError error = ProgramError::FileTooLarge(name_);
        ReportRefusal(folder_, error);
        throw error;
      }
      return got;
    }
    if (errno != EINTR) throw ProgramError::FromErrno(errno, name_);
  }
}

QByteArray DataFile::ReadAll() {
  QByteArray bytes;
  // What the file said it held, but never more than its limit: the size of
  // a file without one is no promise.
  constexpr qsizetype kUnlimitedReserve = 1 << 16;
  if (size_ > 0) bytes.reserve(qMin(qsizetype(size_), limit_ >= 0 ? limit_ : kUnlimitedReserve));
  char buffer[8192];
  while (const qsizetype got = Read(buffer, sizeof buffer)) bytes.append(buffer, got);
  return bytes;
}

}  // namespace rova
