// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>

#include "textio/program_error.h"

namespace rova {
namespace {

struct ErrnoCase {
  int errorCode;
  const char* message;
};

class ErrnoMessage : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(ErrnoMessage, mapsSystemErrorOntoRunTimeMessage) {
  EXPECT_EQ(ProgramError::FromErrno(GetParam().errorCode).message(),
            QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ErrnoMessage,
    ::testing::Values(ErrnoCase{ENOENT, "File not found"}, ErrnoCase{ENAMETOOLONG, "Invalid filename"},
                      ErrnoCase{ENOTDIR, "Invalid filename"}, ErrnoCase{EMFILE, "Too many open files"},
                      ErrnoCase{ENFILE, "Too many open files"}, ErrnoCase{EACCES, "File access denied"},
                      ErrnoCase{EROFS, "File access denied"}, ErrnoCase{EPERM, "File access denied"},
                      ErrnoCase{ENOSPC, "Disk full"}, ErrnoCase{EDQUOT, "Disk full"},
                      ErrnoCase{EIO, "I/O error 5"}, ErrnoCase{EBUSY, "I/O error 16"}));

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
