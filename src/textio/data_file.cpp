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
  StoreFolder folder;
  folder.state_ = std::move(state);
  return folder;
}

int StoreFolder::descriptor() const { return state_ ? state_->fd : -1; }

QString StoreFolder::path() const { return state_ ? state_->path : QString(); }

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

void GiveFolderMode(const StoreFolder& folder, int fd) {
  struct stat dir {}, file {};
  if (fstat(folder.descriptor(), &dir) != 0 || fstat(fd, &file) != 0) return;
  mode_t mode = file.st_mode & 0777;
  if ((dir.st_mode & 077) == 0) {
    mode &= 0600;
  } else if (dir.st_mode & S_IWGRP) {
    mode |= 0660;
    if (file.st_gid != dir.st_gid && fchown(fd, uid_t(-1), dir.st_gid) != 0) {
      static bool said = false;
      if (!said) {
        said = true;
        std::fprintf(stderr, "rova2004: %s: nauji failai negauna aplanko grupės (šis naudotojas ne jos narys); "
                     "kiti klasės mokiniai jų gali nepakeisti.\n", qPrintable(folder.path()));
      }
    }
  }
  if (mode != (file.st_mode & 0777)) fchmod(fd, mode);
}

int CreateDataFile(const StoreFolder& folder, const QByteArray& name) {
  const int fd = openat(folder.descriptor(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd >= 0) GiveFolderMode(folder, fd);
  return fd;
}

QByteArray NewCopyToken() {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  QByteArray token(6, '0');
  for (char& c : token) c = kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)];
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
  struct stat info {};
  if (fstat(fd_, &info) == 0 && info.st_size > bytes) {
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
  struct stat info {};
  // What the file says it holds, but never more than its limit: the size of
  // a file without one is no promise.
  constexpr qsizetype kUnlimitedReserve = 1 << 16;
  if (fstat(fd_, &info) == 0 && info.st_size > 0) {
    bytes.reserve(qMin(qsizetype(info.st_size), limit_ >= 0 ? limit_ : kUnlimitedReserve));
  }
  char buffer[8192];
  while (const qsizetype got = Read(buffer, sizeof buffer)) bytes.append(buffer, got);
  return bytes;
}

}  // namespace rova
