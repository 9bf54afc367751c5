// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>
#include <memory>

#include "textio/program_error.h"

namespace rova {

// The most a data file may hold; a larger one is damaged ("File too large",
// naming it) and is not read at all, so a sparse file of gigabytes costs
// nothing.
constexpr qsizetype kListFileLimit = qsizetype(1) << 20;  // user.dat, password.dat
constexpr qsizetype kSmallFileLimit = 4096;  // profile, settings, result files, temp.dat

// A data folder held open: every data file in it is opened relative to this
// descriptor, so that renaming or replacing the folder's path, or a link in
// it, never turns a name into another file. Copies share the descriptor,
// which closes with the last of them. Safe to use from several threads.
class StoreFolder {
 public:
  StoreFolder() = default;
  // Opens the folder at `path` (the links on the way followed: whoever chose
  // the path meant them), called `shownAs` in messages when given. Throws
  // ProgramError naming the path.
  static StoreFolder Open(const QString& path, const QString& shownAs = {});

  bool isOpen() const { return state_ != nullptr; }
  int descriptor() const;
  // The path it was opened by, for messages.
  QString path() const;
  // The longest file name, in bytes, that its file system takes.
  int maxNameBytes() const;

 private:
  struct State;
  std::shared_ptr<const State> state_;
};

// The pupils' program's data folder: the one entered at start, else the
// working directory as it was when first asked for.
StoreFolder DataFolder();
void SetDataFolder(StoreFolder folder);

// A data file open for reading, from the one opener that every reader goes
// through: relative to its folder's descriptor, no link followed
// (O_NOFOLLOW), no wait on a FIFO or device (O_NONBLOCK), a regular file only
// (fstat), at most `limit` bytes (-1: no limit). A missing file is "File not
// found"; anything else in its place "File access denied" with what it is; a
// larger file "File too large"; each names the file, and a refusal is said on
// stderr with the folder. Throws ProgramError.
class DataFile {
 public:
  DataFile(const StoreFolder& folder, const QString& name, qsizetype limit);
  ~DataFile();
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;

  // Up to `capacity` bytes; 0 only at the end of the file. A file that has
  // grown past its limit since it was opened is "File too large".
  qsizetype Read(char* buffer, qsizetype capacity);
  QByteArray ReadAll();
  // Lowers the limit; a file already larger is "File too large" at once.
  void LimitTo(qsizetype bytes);

  const QString& name() const { return name_; }

 private:
  StoreFolder folder_;
  QString name_;
  int fd_ = -1;
  qsizetype limit_ = -1;
  qsizetype taken_ = 0;
  off_t size_ = 0;  // as it was opened
};

// Whether `name` is a plain name in its folder: not empty, ".", "..", no '/'
// and no NUL.
bool IsPlainFileName(const QByteArray& name);

// The error for `name` in `folder` that a system call failed on with
// `errorCode`, saying what stands there when it is no regular file this user
// may use. `writing`: the call wanted to write it. With `report`, said on
// stderr when it is a refusal rather than a missing file.
ProgramError DataFileError(const StoreFolder& folder, const QString& name, int errorCode, bool writing,
                           bool report = true);

// Says a refusal on stderr: the folder, the file and what is wrong.
void ReportRefusal(const StoreFolder& folder, const ProgramError& error);

}  // namespace rova
