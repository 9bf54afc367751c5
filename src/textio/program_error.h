// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace rova {

// What went wrong, whatever the message says: the Lithuanian line under the
// message and the teacher's notes are chosen by this, never by the text.
enum class ErrorKind {
  Other,                          // a message of its own, nothing to add
  FileNotFound,                   // "File not found"
  InvalidFilename,                // "Invalid filename"
  TooManyOpenFiles,               // "Too many open files"
  AccessDenied,                   // "File access denied": the permissions forbid it
  NotARegularFile,                // "File access denied": a link, folder, FIFO... in a data file's place
  DiskFull,                       // "Disk full"
  IoError,                        // "I/O error %d"
  FileTooLarge,                   // "File too large": more than any data file holds
  InvalidNumericInput,            // "Invalid numeric input": a count that is no number
  InvalidFloatingPointValue,      // a fraction's field empty or no number
  FloatingPointDivisionByZero,    // a fraction's denominator 0
  InvalidFloatingPointOperation,  // 0 over 0
  FolderBusy,                     // another copy held the store's lock past the wait
  OutOfMemory,                    // "Out of memory"
};

// What stands in a data file's place, for NotARegularFile and AccessDenied.
enum class FileObstacle {
  None,
  SymbolicLink,
  Folder,
  Fifo,
  Socket,
  Device,
  UnknownKind,
  NotReadable,  // a regular file this user may not read
  NotWritable,  // a regular file without a write permission bit, or one this user may not open to write
  FolderNotWritable,  // the data folder itself
};

// The one error type of the program's file work and conversions. Every failure
// abandons the operation under way; the handler that started it catches this
// and shows MessageBoxText() in the "ROVA 2004" stop box, with
// ErrorExplanation() below it.
class ProgramError : public std::exception {
 public:
  explicit ProgramError(QString message, ErrorKind kind = ErrorKind::Other);

  // Maps an operating-system error code onto the run-time messages the
  // pupils' message box knows ("File not found", "Disk full", "I/O error 5").
  static ProgramError FromErrno(int errorCode);
  // The same, naming the data file it happened to.
  static ProgramError FromErrno(int errorCode, const QString& fileName,
                                FileObstacle obstacle = FileObstacle::None);
  static ProgramError InvalidNumericInput();
  static ProgramError FileTooLarge(const QString& fileName);
  static ProgramError NotARegularFile(const QString& fileName, FileObstacle obstacle);
  static ProgramError FolderBusy();
  static ProgramError OutOfMemory();
  static ProgramError InvalidFloatingPointValue(const QString& text);
  static ProgramError FloatingPointDivisionByZero();
  static ProgramError InvalidFloatingPointOperation();

  // The same error, naming `fileName` instead (a rewrite's copy is named by
  // the file it replaces).
  ProgramError NamingFile(const QString& fileName) const;

  QString message() const { return message_; }
  ErrorKind kind() const { return kind_; }
  // The data file's name in its folder, or empty.
  QString fileName() const { return fileName_; }
  FileObstacle obstacle() const { return obstacle_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  friend QString ErrorExplanation(const ProgramError& error);

  QString message_;
  ErrorKind kind_;
  QString fileName_;
  FileObstacle obstacle_ = FileObstacle::None;
  bool emptyField_ = false;  // InvalidFloatingPointValue of an empty field
  QByteArray utf8_;
};

// The text of the message box: the message and a full stop, unless it already
// ends in one.
QString MessageBoxText(const ProgramError& error);

// One Lithuanian line that says what happened and what to do, chosen by the
// error's kind and naming its file; empty for an error of its own words. The
// pupils' stop box shows it under the message, the teacher's notes beside
// the file.
QString ErrorExplanation(const ProgramError& error);

}  // namespace rova
