// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/program_error.h"

#include <cerrno>
#include <utility>

namespace rova {

namespace {

ErrorKind KindOfErrno(int errorCode) {
  switch (errorCode) {
    case ENOENT:
      return ErrorKind::FileNotFound;
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
    case EINVAL:
    case EILSEQ:
      return ErrorKind::InvalidFilename;
    case EMFILE:
    case ENFILE:
      return ErrorKind::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return ErrorKind::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return ErrorKind::DiskFull;
    default:
      return ErrorKind::IoError;
  }
}

QString MessageOfKind(ErrorKind kind, int errorCode) {
  switch (kind) {
    case ErrorKind::FileNotFound:
      return QStringLiteral("File not found");
    case ErrorKind::InvalidFilename:
      return QStringLiteral("Invalid filename");
    case ErrorKind::TooManyOpenFiles:
      return QStringLiteral("Too many open files");
    case ErrorKind::AccessDenied:
    case ErrorKind::NotARegularFile:
      return QStringLiteral("File access denied");
    case ErrorKind::DiskFull:
      return QStringLiteral("Disk full");
    default:
      return QStringLiteral("I/O error %1").arg(errorCode);
  }
}

QString Quoted(const QString& name) { return QStringLiteral("„%1“").arg(name); }

// "Vietoje failo „x“ yra aplankas": what a data file's place holds.
QString ObstacleNoun(FileObstacle obstacle) {
  switch (obstacle) {
    case FileObstacle::SymbolicLink:
      return QStringLiteral("simbolinė nuoroda");
    case FileObstacle::Folder:
      return QStringLiteral("aplankas");
    case FileObstacle::Fifo:
      return QStringLiteral("kanalas (FIFO)");
    case FileObstacle::Socket:
      return QStringLiteral("lizdas");
    case FileObstacle::Device:
      return QStringLiteral("įrenginys");
    default:
      return QStringLiteral("ne paprastas failas");
  }
}

QString AccessExplanation(const ProgramError& error) {
  const QString name = error.fileName();
  switch (error.obstacle()) {
    case FileObstacle::NotReadable:
      return QStringLiteral("Failo %1 negalima skaityti: paprašykite mokytojo leisti klasės grupei "
                            "jį skaityti ir rašyti.")
          .arg(Quoted(name));
    case FileObstacle::NotWritable:
      return QStringLiteral("Į failą %1 negalima rašyti: paprašykite mokytojo leisti klasės grupei "
                            "jį rašyti.")
          .arg(Quoted(name));
    case FileObstacle::FolderNotWritable:
      return QStringLiteral("Į duomenų aplanką negalima rašyti: paprašykite mokytojo leisti klasės "
                            "grupei jį rašyti.");
    default:
      break;
  }
  if (name.isEmpty()) return QStringLiteral("Prieiga prie duomenų failo uždrausta: kreipkitės į mokytoją.");
  return QStringLiteral("Prieiga prie failo %1 uždrausta: kreipkitės į mokytoją.").arg(Quoted(name));
}

}  // namespace

ProgramError::ProgramError(QString message, ErrorKind kind)
    : message_(std::move(message)), kind_(kind), utf8_(message_.toUtf8()) {}

ProgramError ProgramError::FromErrno(int errorCode) {
  const ErrorKind kind = KindOfErrno(errorCode);
  return ProgramError(MessageOfKind(kind, errorCode), kind);
}

ProgramError ProgramError::FromErrno(int errorCode, const QString& fileName, FileObstacle obstacle) {
  ProgramError error = FromErrno(errorCode);
  error.fileName_ = fileName;
  error.obstacle_ = obstacle;
  return error;
}

ProgramError ProgramError::InvalidNumericInput() {
  return ProgramError(QStringLiteral("Invalid numeric input"), ErrorKind::InvalidNumericInput);
}

ProgramError ProgramError::FileTooLarge(const QString& fileName) {
  ProgramError error(QStringLiteral("File too large"), ErrorKind::FileTooLarge);
  error.fileName_ = fileName;
  return error;
}

ProgramError ProgramError::NotARegularFile(const QString& fileName, FileObstacle obstacle) {
  ProgramError error(MessageOfKind(ErrorKind::NotARegularFile, 0), ErrorKind::NotARegularFile);
  error.fileName_ = fileName;
  error.obstacle_ = obstacle;
  return error;
}

ProgramError ProgramError::FolderBusy() {
  // The run-time's message for a file another program holds locked.
  return ProgramError(MessageOfKind(ErrorKind::IoError, EAGAIN), ErrorKind::FolderBusy);
}

ProgramError ProgramError::OutOfMemory() {
  return ProgramError(QStringLiteral("Out of memory"), ErrorKind::OutOfMemory);
}

ProgramError ProgramError::InvalidFloatingPointValue(const QString& text) {
  ProgramError error(QStringLiteral("'%1' is not a valid floating point value").arg(text),
                     ErrorKind::InvalidFloatingPointValue);
  error.emptyField_ = text.isEmpty();
  return error;
}

ProgramError ProgramError::FloatingPointDivisionByZero() {
  return ProgramError(QStringLiteral("Floating point division by zero"), ErrorKind::FloatingPointDivisionByZero);
}

ProgramError ProgramError::InvalidFloatingPointOperation() {
  return ProgramError(QStringLiteral("Invalid floating point operation"),
                      ErrorKind::InvalidFloatingPointOperation);
}

ProgramError ProgramError::NamingFile(const QString& fileName) const {
  ProgramError error = *this;
  error.fileName_ = fileName;
  return error;
}

QString MessageBoxText(const ProgramError& error) {
  QString text = error.message();
  if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
  return text;
}

QString ErrorExplanation(const ProgramError& error) {
  const QString name = error.fileName();
  const bool named = !name.isEmpty();
  switch (error.kind()) {
    case ErrorKind::Other:
      return {};
    case ErrorKind::FileNotFound:
      return named ? QStringLiteral("Duomenų failas %1 nerastas: kreipkitės į mokytoją.").arg(Quoted(name))
                   : QStringLiteral("Duomenų failas nerastas: kreipkitės į mokytoją.");
    case ErrorKind::InvalidFilename:
      return named ? QStringLiteral("Netinkamas duomenų failo vardas %1: kreipkitės į mokytoją.").arg(Quoted(name))
                   : QStringLiteral("Netinkamas duomenų failo vardas: kreipkitės į mokytoją.");
    case ErrorKind::TooManyOpenFiles:
      return QStringLiteral("Atverta per daug failų: uždarykite kitas programas ir bandykite dar kartą.");
    case ErrorKind::AccessDenied:
      return AccessExplanation(error);
    case ErrorKind::NotARegularFile:
      return QStringLiteral("Vietoje failo %1 yra %2: paprašykite mokytojo jį pašalinti.")
          .arg(Quoted(name), ObstacleNoun(error.obstacle()));
    case ErrorKind::DiskFull:
      return QStringLiteral("Diske nebeliko vietos: kreipkitės į mokytoją.");
    case ErrorKind::IoError:
      return named ? QStringLiteral("Nepavyko perskaityti ar įrašyti failo %1: bandykite dar kartą, o jei vėl "
                                    "nepavyks, kreipkitės į mokytoją.")
                         .arg(Quoted(name))
                   : QStringLiteral("Nepavyko perskaityti ar įrašyti duomenų: bandykite dar kartą, o jei vėl "
                                    "nepavyks, kreipkitės į mokytoją.");
    case ErrorKind::FileTooLarge:
      return QStringLiteral("Failas %1 per didelis arba sugadintas: kreipkitės į mokytoją.").arg(Quoted(name));
    case ErrorKind::InvalidNumericInput:
      return named ? QStringLiteral("Failas %1 sugadintas, jame ne skaičius: kreipkitės į mokytoją.")
                         .arg(Quoted(name))
                   : QStringLiteral("Duomenų failas sugadintas, jame ne skaičius: kreipkitės į mokytoją.");
    case ErrorKind::InvalidFloatingPointValue:
      if (!error.emptyField_) {
        return QStringLiteral("Trupmenos laukelyje įrašytas ne skaičius: įrašykite skaičių.");
      }
      [[fallthrough]];
    case ErrorKind::FloatingPointDivisionByZero:
    case ErrorKind::InvalidFloatingPointOperation:
      return QStringLiteral("Trupmenos laukelis tuščias arba vardiklis lygus nuliui: įrašykite skaičius.");
    case ErrorKind::OutOfMemory:
      return QStringLiteral("Programai pritrūko atminties: uždarykite kitas programas ir bandykite dar kartą.");
    case ErrorKind::FolderBusy:
      return QStringLiteral("Klasės aplankas užimtas, jį dabar naudoja kita programa: palaukite ir "
                            "bandykite dar kartą.");
  }
  return {};
}

}  // namespace rova
