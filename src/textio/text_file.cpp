// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "textio/baltic_codec.h"
#include "textio/fault_injection.h"
#include "textio/posix_file.h"
#include "textio/program_error.h"

namespace rova {

using namespace posix;

namespace {

// Opened without waiting, so that a FIFO in a data file's place cannot hang
// the program; only a regular file is a data file.
int OpenForReading(const QString& fileName) {
  CheckFault(fileName, FaultOp::Open);
  const int fd = open(NativeName(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) FailOn(fileName, errno == ENXIO ? EACCES : errno);  // ENXIO: a socket
  // O_NONBLOCK changes nothing for a regular file, so it may stay.
  return RequireRegularFile(fd);
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

// ---- Reading ------------------------------------------------------------------

InputFile::InputFile(const QString& fileName) : fileName_(fileName), fd_(OpenForReading(fileName)) {}

InputFile::~InputFile() { close(fd_); }

qsizetype InputFile::Read(char* buffer, qsizetype capacity) {
  CheckFault(fileName_, FaultOp::Read);
  // One byte past the limit is asked for, to tell a file of exactly the
  // limit from a longer one.
  if (limit_ >= 0) capacity = qMin(capacity, limit_ + 1 - taken_);
  for (;;) {
    const ssize_t got = read(fd_, buffer, capacity);
    if (got >= 0) {
      taken_ += got;
      if (limit_ >= 0 && taken_ > limit_) throw ProgramError(QStringLiteral("File too large"));
      return got;
    }
    if (errno != EINTR) Fail(errno);
  }
}

QByteArray ReadFirstLine(const QString& fileName, qsizetype limit) {
  InputFile file(fileName);
  QByteArray line;
  char buffer[512];
  while (line.size() <= limit) {
    const qsizetype got = file.Read(buffer, qMin<qsizetype>(sizeof buffer, limit + 1 - line.size()));
    if (got == 0) break;
    const char* end = std::find_if(buffer, buffer + got, [](char c) { return c == '\r' || c == '\n'; });
    line.append(buffer, end - buffer);
    if (end != buffer + got) break;
  }
  return line;
}

bool IsUsableFileStem(const QString& stem, int longestSuffix) {
  if (stem.isEmpty() || stem == QLatin1String(".") || stem == QLatin1String("..")) return false;
  for (const QChar c : stem) {
    if (c == QLatin1Char('/') || c == QLatin1Char('\\')) return false;
    if (c.category() == QChar::Other_Control) return false;
  }
  if (!FitsBaltic(stem)) return false;
  return stem.toUtf8().size() + longestSuffix + kRewriteNameOverhead <= MaxFileNameBytes();
}

}  // namespace rova
