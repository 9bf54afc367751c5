// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>

#include "textio/program_error.h"

namespace rova {
namespace {

struct ErrnoCase {
  int errorCode;
  const char* message;
  ErrorKind kind;
};

class ErrnoMessage : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(ErrnoMessage, mapsSystemErrorOntoRunTimeMessageAndKind) {
  const ProgramError error = ProgramError::FromErrno(GetParam().errorCode);
  EXPECT_EQ(error.message(), QString::fromUtf8(GetParam().message));
  EXPECT_EQ(error.kind(), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ErrnoMessage,
    ::testing::Values(ErrnoCase{ENOENT, "File not found", ErrorKind::FileNotFound},
                      ErrnoCase{ENAMETOOLONG, "Invalid filename", ErrorKind::InvalidFilename},
                      ErrnoCase{ENOTDIR, "Invalid filename", ErrorKind::InvalidFilename},
                      ErrnoCase{EMFILE, "Too many open files", ErrorKind::TooManyOpenFiles},
                      ErrnoCase{ENFILE, "Too many open files", ErrorKind::TooManyOpenFiles},
                      ErrnoCase{EACCES, "File access denied", ErrorKind::AccessDenied},
                      ErrnoCase{EROFS, "File access denied", ErrorKind::AccessDenied},
                      ErrnoCase{EPERM, "File access denied", ErrorKind::AccessDenied},
                      ErrnoCase{ENOSPC, "Disk full", ErrorKind::DiskFull},
                      ErrnoCase{EDQUOT, "Disk full", ErrorKind::DiskFull},
                      ErrnoCase{EIO, "I/O error 5", ErrorKind::IoError},
                      ErrnoCase{EBUSY, "I/O error 16", ErrorKind::IoError}));

// The stop box's two lines: the message as the run-time gives it, and below
// it the Lithuanian line chosen by the kind, naming the file.
TEST(ErrorExplanation, saysWhatHappenedAndWhatToDoByKindNamingTheFile) {
  const QString user = QStringLiteral("user.dat");
  struct Row {
    ProgramError error;
    const char* box;
    const char* explanation;
  };
  const Row rows[] = {
      {ProgramError::FromErrno(ENOENT), "File not found.", "Duomenų failas nerastas: kreipkitės į mokytoją."},
      {ProgramError::FromErrno(ENOENT, QStringLiteral("jonas_1-3.dat")), "File not found.",
       "Duomenų failas „jonas_1-3.dat“ nerastas: kreipkitės į mokytoją."},
      {ProgramError::FromErrno(EACCES, QStringLiteral(".rova_lock"), FileObstacle::NotWritable), "File access denied.",
       "Į failą „.rova_lock“ negalima rašyti: paprašykite mokytojo leisti klasės grupei jį rašyti."},
      {ProgramError::FromErrno(EACCES, user, FileObstacle::NotReadable), "File access denied.",
       "Failo „user.dat“ negalima skaityti: paprašykite mokytojo leisti klasės grupei jį skaityti ir rašyti."},
      {ProgramError::FromErrno(EACCES, QStringLiteral("temp.dat"), FileObstacle::FolderNotWritable),
       "File access denied.",
       "Į duomenų aplanką negalima rašyti: paprašykite mokytojo leisti klasės grupei jį rašyti."},
      {ProgramError::NotARegularFile(user, FileObstacle::Folder), "File access denied.",
       "Vietoje failo „user.dat“ yra aplankas: paprašykite mokytojo jį pašalinti."},
      {ProgramError::NotARegularFile(user, FileObstacle::SymbolicLink), "File access denied.",
       "Vietoje failo „user.dat“ yra simbolinė nuoroda: paprašykite mokytojo jį pašalinti."},
      {ProgramError::NotARegularFile(user, FileObstacle::Fifo), "File access denied.",
       "Vietoje failo „user.dat“ yra kanalas (FIFO): paprašykite mokytojo jį pašalinti."},
      {ProgramError::FileTooLarge(user), "File too large.",
       "Failas „user.dat“ per didelis arba sugadintas: kreipkitės į mokytoją."},
      {ProgramError::InvalidNumericInput().NamingFile(QStringLiteral("jonas_1-2.dat")), "Invalid numeric input.",
       "Failas „jonas_1-2.dat“ sugadintas, jame ne skaičius: kreipkitės į mokytoją."},
      {ProgramError::FromErrno(ENOSPC), "Disk full.", "Diske nebeliko vietos: kreipkitės į mokytoją."},
      {ProgramError::FolderBusy(), "I/O error 11.",
       "Klasės aplankas užimtas, jį dabar naudoja kita programa: palaukite ir bandykite dar kartą."},
      {ProgramError::InvalidFloatingPointValue({}), "'' is not a valid floating point value.",
       "Trupmenos laukelis tuščias arba vardiklis lygus nuliui: įrašykite skaičius."},
      {ProgramError::FloatingPointDivisionByZero(), "Floating point division by zero.",
       "Trupmenos laukelis tuščias arba vardiklis lygus nuliui: įrašykite skaičius."},
      {ProgramError::InvalidFloatingPointOperation(), "Invalid floating point operation.",
       "Trupmenos laukelis tuščias arba vardiklis lygus nuliui: įrašykite skaičius."},
      {ProgramError::InvalidFloatingPointValue(QStringLiteral("a")), "'a' is not a valid floating point value.",
       "Trupmenos laukelyje įrašytas ne skaičius: įrašykite skaičių."},
      {ProgramError::OutOfMemory(), "Out of memory.",
       "Programai pritrūko atminties: uždarykite kitas programas ir bandykite dar kartą."},
      // Chosen by kind, never by the words: a message of its own adds nothing.
      {ProgramError(QStringLiteral("File not found")), "File not found.", ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MessageBoxText(row.error), QString::fromUtf8(row.box));
    EXPECT_EQ(ErrorExplanation(row.error), QString::fromUtf8(row.explanation)) << row.box;
  }
}

TEST(MessageBoxText, appendsFullStopOnlyWhenMissing) {
  EXPECT_EQ(MessageBoxText(ProgramError::FromErrno(ENOENT)), QStringLiteral("File not found."));
  EXPECT_EQ(MessageBoxText(ProgramError(QStringLiteral("Already done."))),
            QStringLiteral("Already done."));
  EXPECT_EQ(MessageBoxText(ProgramError::InvalidFloatingPointValue(QString())),
            QStringLiteral("'' is not a valid floating point value."));
}

TEST(ProgramError, whatIsTheUtf8OfTheMessage) {
  const ProgramError error = ProgramError::InvalidFloatingPointValue(QStringLiteral("ą"));
  EXPECT_STREQ(error.what(), "'ą' is not a valid floating point value");
}

}  // namespace
}  // namespace rova
