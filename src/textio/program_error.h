// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace rova {

// The one error type of the program's file work and conversions. Every failure
// abandons the operation under way; the handler that started it catches this
// and shows MessageBoxText() in the "ROVA 2004" stop box.
class ProgramError : public std::exception {
 public:
  explicit ProgramError(QString message);

  // Maps an operating-system error code onto the run-time messages the
  // pupils' message box knows ("File not found", "Disk full", "I/O error 5").
  static ProgramError FromErrno(int errorCode);
  static ProgramError InvalidNumericInput();
  static ProgramError InvalidFloatingPointValue(const QString& text);
  static ProgramError FloatingPointDivisionByZero();
  static ProgramError InvalidFloatingPointOperation();

  QString message() const { return message_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  QString message_;
  QByteArray utf8_;
};

// The text of the message box: the message and a full stop, unless it already
// ends in one.
QString MessageBoxText(const ProgramError& error);

}  // namespace rova
