// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/program_error.h"

#include <cerrno>
#include <utility>

namespace rova {

ProgramError::ProgramError(QString message)
    : message_(std::move(message)), utf8_(message_.toUtf8()) {}

ProgramError ProgramError::FromErrno(int errorCode) {
  switch (errorCode) {
    case ENOENT:
      return ProgramError(QStringLiteral("File not found"));
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
    case EINVAL:
    case EILSEQ:
      return ProgramError(QStringLiteral("Invalid filename"));
    case EMFILE:
    case ENFILE:
      return ProgramError(QStringLiteral("Too many open files"));
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return ProgramError(QStringLiteral("File access denied"));
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return ProgramError(QStringLiteral("Disk full"));
    default:
      return ProgramError(QStringLiteral("I/O error %1").arg(errorCode));
  }
}

ProgramError ProgramError::InvalidNumericInput() {
  return ProgramError(QStringLiteral("Invalid numeric input"));
}

ProgramError ProgramError::InvalidFloatingPointValue(const QString& text) {
  return ProgramError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

ProgramError ProgramError::FloatingPointDivisionByZero() {
  return ProgramError(QStringLiteral("Floating point division by zero"));
}

ProgramError ProgramError::InvalidFloatingPointOperation() {
  return ProgramError(QStringLiteral("Invalid floating point operation"));
}

QString MessageBoxText(const ProgramError& error) {
  QString text = error.message();
  if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
  return text;
}

}  // namespace rova
