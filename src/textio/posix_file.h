// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The POSIX helpers that reading files (text_file.cpp) and the store's
// rewrites (store_transaction.cpp) share. Private to textio: no file outside
// src/textio/ includes it.

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <cerrno>

#include "textio/fault_injection.h"
#include "textio/program_error.h"

namespace rova::posix {

inline QByteArray NativeName(const QString& fileName) { return fileName.toUtf8(); }

[[noreturn]] inline void Fail(int errorCode) { throw ProgramError::FromErrno(errorCode); }

// A missing folder in the name makes the name itself unusable, which the
// pupils' message box tells apart from a missing file.
[[noreturn]] inline void FailOn(const QString& fileName, int errorCode) {
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

// Keeps `fd` only if it is a regular file: a folder, a device or a pipe in a
// data file's place is refused as access denied, and closed.
inline int RequireRegularFile(int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    Fail(EACCES);
  }
  return fd;
}

inline void CheckFault(const QString& fileName, FaultOp op) {
  if (const int injected = InjectedFault(fileName, op)) Fail(injected);
}

inline QByteArray ReadDescriptor(int fd, const QString& fileName) {
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

}  // namespace rova::posix
