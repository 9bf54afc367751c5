// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace rova {

// Every data file is opened by its relative name in the working directory;
// the name goes to the system as UTF-8. All failures throw ProgramError.

// The longest file name, in bytes, that the file system of the working
// directory takes.
int MaxFileNameBytes();
// What a rewrite adds to a file's name for its new copy (".name.~XXXXXX")
// and for the second name a set of rewrites keeps of the old file (one more "~").
constexpr int kRewriteNameOverhead = 10;

// The whole file; a missing file is "File not found", one that is not a
// regular file "File access denied" (see InputFile).
QByteArray ReadFileBytes(const QString& fileName);

// Lines as a person's editor may leave them: CR LF, LF or CR ends a line, and
// a last line without a line break still counts. No line holds CR or LF.
QList<QByteArray> SplitLines(const QByteArray& bytes);
QList<QByteArray> ReadLines(const QString& fileName);

// The bytes of a file that holds these lines, each ended by CR LF.
QByteArray JoinLines(const QList<QByteArray>& lines);

// A data file open for reading. A missing file is "File not found"; a FIFO,
// socket or device is "File access denied" at once, without waiting on it.
class InputFile {
 public:
  explicit InputFile(const QString& fileName);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Up to `capacity` bytes; 0 only at the end of the file.
  qsizetype Read(char* buffer, qsizetype capacity);

  // A reader of files it does not trust: once more than `bytes` in all would
  // be read, Read throws "File too large" instead.
  void LimitTo(qsizetype bytes) { limit_ = bytes; }

 private:
  QString fileName_;
  int fd_ = -1;
  qsizetype limit_ = -1;  // none
  qsizetype taken_ = 0;
};

// Line 1 of a file, read no further than `limit` + 1 bytes: a longer line
// comes back cut to that length, so that the caller can tell it is too long.
QByteArray ReadFirstLine(const QString& fileName, qsizetype limit);

// Whether a user name can be the stem of file names up to `longestSuffix`
// bytes longer, rewrites' copies included: no path separator, not "." or "..",
// no control character, only characters of the code page, short enough.
bool IsUsableFileStem(const QString& stem, int longestSuffix);

}  // namespace rova
