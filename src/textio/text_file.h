// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

#include "textio/data_file.h"

namespace rova {

// Every data file is read through DataFile: by its plain name in the data
// folder (DataFolder()), no link followed, a regular file of at most the
// limit given. All failures throw ProgramError naming the file.

// The longest file name, in bytes, that the data folder's file system takes.
int MaxFileNameBytes();
// What a rewrite adds to a file's name for its new copy (".name.~XXXXXX")
// and for the second name a set of rewrites keeps of the old file (one more "~").
constexpr int kRewriteNameOverhead = 10;

// The whole file, of at most `limit` bytes.
QByteArray ReadFileBytes(const QString& fileName, qsizetype limit);

// Lines as a person's editor may leave them: CR LF, LF or CR ends a line, and
// a last line without a line break still counts. No line holds CR or LF.
QList<QByteArray> SplitLines(const QByteArray& bytes);
QList<QByteArray> ReadLines(const QString& fileName, qsizetype limit);

// The bytes of a file that holds these lines, each ended by CR LF.
QByteArray JoinLines(const QList<QByteArray>& lines);

// A data file open for reading by its name in the data folder, or by a path
// for a reader of another folder: the path's folder is opened as given (and
// kept by the reading thread while it reads the same folder), the file itself
// as a data file in it. No limit until LimitTo.
class InputFile {
 public:
  explicit InputFile(const QString& fileName);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Up to `capacity` bytes; 0 only at the end of the file.
  qsizetype Read(char* buffer, qsizetype capacity);

  // A reader of files it does not trust: a file larger than `bytes` is
  // "File too large", at once or once it has grown.
  void LimitTo(qsizetype bytes);

 private:
  std::unique_ptr<DataFile> file_;
};

// Line 1 of a file (as InputFile opens it) of at most kSmallFileLimit bytes, read no further
// than `limit` + 1 bytes: a longer line comes back cut to that length, so
// that the caller can tell it is too long.
QByteArray ReadFirstLine(const QString& fileName, qsizetype limit);

// Whether a user name can be the stem of file names up to `longestSuffix`
// bytes longer, rewrites' copies included: no path separator, not "." or "..",
// no control character, only characters of the code page, short enough.
bool IsUsableFileStem(const QString& stem, int longestSuffix);

}  // namespace rova
