// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <cerrno>

#include "accounts/session_file.h"
#include "accounts/user_store.h"
#include "error_message.h"
#include "temp_dir.h"
#include "textio/fault_injection.h"
#include "textio/program_error.h"

namespace rova {
namespace {

RegistrationData Pupil(const QString& name, const QString& password = QStringLiteral("slaptas")) {
  return {name, password, QStringLiteral("Jonas"), QStringLiteral("Žemaitis"),
          QStringLiteral("8b"), QStringLiteral("j@m.lt")};
}

using testing::MessageOf;

class UserStore : public testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    writeBytes("user.dat", "");
    writeBytes("password.dat", "");
  }

  QMap<QString, QByteArray> Snapshot() const {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir::current().entryList(QDir::Files | QDir::Hidden)) {
      files.insert(name, readBytes(name));
    }
    files.remove(QStringLiteral(".rova_lock"));  // the store's lock, made by its first taker
    return files;
  }
};

TEST_F(UserStore, firstRegistrationWritesEveryFileByteForByte) {
  ASSERT_EQ(RegisterUser(Pupil("jonas")).result, RegistrationResult::Registered);
  EXPECT_EQ(readBytes("user.dat"), QByteArray("jonas\r\n"));
  EXPECT_EQ(readBytes("password.dat"), QByteArray("slaptas\r\n"));
  EXPECT_EQ(readBytes("temp.dat"), QByteArray("jonas\r\n"));
  EXPECT_EQ(readBytes("user_jonas.dat"), QByteArray("Jonas\r\n\xde" "emaitis\r\n" "8b\r\n"));
  EXPECT_EQ(readBytes("jonas_checkbox.dat"), QByteArray("1\r\n"));
  for (int topic = 1; topic <= 18; ++topic) {
    EXPECT_EQ(readBytes(QStringLiteral("jonas_%1-1.dat").arg(topic)), QByteArray("0\r\n0\r\n"));
    for (int task = 2; task <= 5; ++task) {
      EXPECT_EQ(readBytes(QStringLiteral("jonas_%1-%2.dat").arg(topic).arg(task)),
                QByteArray("0\r\n"));
    }
  }
  EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden).size(), 2 + 1 + 92 + 1);  // and .rova_lock
}

TEST_F(UserStore, newestUserComesFirstAndLoginReadsMatchingPasswordLine) {
  RegisterUser(Pupil("jonas", "pirmas"));
  RegisterUser(Pupil("ona", "antras"));
  EXPECT_EQ(readBytes("user.dat"), QByteArray("ona\r\njonas\r\n"));
  EXPECT_EQ(readBytes("password.dat"), QByteArray("antras\r\npirmas\r\n"));
  EXPECT_EQ(LogIn("jonas", "pirmas"), LoginResult::Accepted);
  EXPECT_EQ(LogIn("jonas", "antras"), LoginResult::WrongPassword);
  EXPECT_EQ(LogIn("Jonas", "pirmas"), LoginResult::UnknownUser);
  EXPECT_EQ(LogIn("jonas ", "pirmas"), LoginResult::UnknownUser);
}

TEST_F(UserStore, loginWritesTypedNameIntoSessionWhateverTheOutcome) {
  EXPECT_EQ(LogIn("niekas", "x"), LoginResult::UnknownUser);
  EXPECT_EQ(readBytes("temp.dat"), QByteArray("niekas\r\n"));
  EXPECT_EQ(ReadSessionUser(), QStringLiteral("niekas"));
  writeBytes("temp.dat", "\xde" "ana\nkitas\n");
  EXPECT_EQ(ReadSessionUser(), QStringLiteral("Žana"));
}

TEST_F(UserStore, handEditedFilesDecideByLastMatchingLineAndMissingPasswordIsEmpty) {
  writeBytes("user.dat", "ona\nona\r\npetras\r\nrimas");
  writeBytes("password.dat", "p1\r\np2\r\np3\r\n");
  EXPECT_EQ(LogIn("ona", "p2"), LoginResult::Accepted);
  EXPECT_EQ(LogIn("ona", "p1"), LoginResult::WrongPassword);
  EXPECT_EQ(LogIn("rimas", ""), LoginResult::Accepted);
  EXPECT_EQ(LogIn("rimas", "p3"), LoginResult::WrongPassword);

  const RegistrationOutcome outcome = RegisterUser({"ona", "", "", "", "", ""});
  EXPECT_EQ(outcome.result, RegistrationResult::Duplicate);
  EXPECT_EQ(outcome.duplicateCount, 2);
}

TEST_F(UserStore, incompleteOrRefusedRegistrationWritesNothing) {
  RegistrationData noEmail = Pupil("jonas");
  noEmail.email.clear();
  EXPECT_EQ(RegisterUser(noEmail).result, RegistrationResult::Incomplete);
  RegistrationData blanks = Pupil("  ");
  EXPECT_EQ(RegisterUser(blanks).result, RegistrationResult::Registered) << "blanks count as filled";
  EXPECT_TRUE(exists("user_  .dat"));

  const QString tooLong(240, QLatin1Char('a'));
  for (const QString& name :
       {QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("."), QStringLiteral(".."),
        QStringLiteral("jo\rnas"), QStringLiteral("jo\nnas"), QStringLiteral("jo\tnas"),
        QStringLiteral("Ωmega"), tooLong}) {
    EXPECT_EQ(RegisterUser(Pupil(name)).result, RegistrationResult::Refused) << name.toStdString();
  }
  RegistrationData brokenPassword = Pupil("ona", "a\r\nb");
  EXPECT_EQ(RegisterUser(brokenPassword).result, RegistrationResult::Refused);
  EXPECT_EQ(readBytes("user.dat"), QByteArray("  \r\n"));
  EXPECT_TRUE(IsUsableUserName(QStringLiteral("jonas ")));
  EXPECT_TRUE(IsUsableUserName(QStringLiteral("Žygimantas")));
}

TEST_F(UserStore, longestUsableNameRegistersAndOneByteMoreIsRefused) {
  const QString longest(255 - 13 - 10, QLatin1Char('a'));  // room for "_checkbox.dat" and its copy
  EXPECT_EQ(RegisterUser(Pupil(longest + QLatin1Char('a'))).result, RegistrationResult::Refused);
  EXPECT_EQ(RegisterUser(Pupil(longest)).result, RegistrationResult::Registered);
  EXPECT_EQ(readBytes(longest + "_checkbox.dat"), QByteArray("1\r\n"));
  EXPECT_EQ(RegisterUser(Pupil(QString(116, QChar(0x17D)))).result, RegistrationResult::Registered)
      << "Ž is two bytes of a file name";
  EXPECT_EQ(RegisterUser(Pupil(QString(117, QChar(0x17D)))).result, RegistrationResult::Refused);
}

TEST_F(UserStore, nameWhoseFileIsAnotherRegisteredPupilsIsRefusedWithoutChange) {
  ASSERT_EQ(RegisterUser(Pupil("user")).result, RegistrationResult::Registered);
  ASSERT_EQ(RegisterUser(Pupil("user_a")).result, RegistrationResult::Registered);
  writeBytes("user_1-2.dat", "3\r\n7\r\n");  // user has worked on task 1-2
  const auto before = Snapshot();
  // Profiles that are user's settings or result file, or user_a's result file;
  // then names whose own files hold such a profile.
  for (const char* name : {"checkbox", "1-2", "18-5", "a_1-1", "a_checkbox"}) {
    EXPECT_EQ(RegisterUser(Pupil(name)).result, RegistrationResult::FilesTaken) << name;
  }
  EXPECT_EQ(Snapshot(), before);

  // The other way round: the profiles of b_2-3 and c_checkbox are files of user_b and user_c.
  ASSERT_EQ(RegisterUser(Pupil("b_2-3")).result, RegistrationResult::Registered);
  ASSERT_EQ(RegisterUser(Pupil("c_checkbox")).result, RegistrationResult::Registered);
  for (const char* name : {"user_b", "user_c"}) {
    EXPECT_EQ(RegisterUser(Pupil(name)).result, RegistrationResult::FilesTaken) << name;
  }
  EXPECT_EQ(RegisterUser(Pupil("user_d")).result, RegistrationResult::Registered) << "nobody's files";
}

TEST_F(UserStore, leftoverFilesOfAnUnregisteredNameAreOverwritten) {
  writeBytes("user_checkbox.dat", "leftover\r\n");  // "user" is not registered
  ASSERT_EQ(RegisterUser(Pupil("checkbox")).result, RegistrationResult::Registered);
  EXPECT_EQ(readBytes("user_checkbox.dat"), QByteArray("Jonas\r\n\xde" "emaitis\r\n" "8b\r\n"));
}

TEST_F(UserStore, missingStoreFilesFailWithFileNotFound) {
  QFile::remove("password.dat");
  const auto before = Snapshot();
  EXPECT_EQ(MessageOf([] { RegisterUser(Pupil("jonas")); }), "File not found");
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(MessageOf([] { LogIn("jonas", "x"); }), "File not found");
  EXPECT_EQ(readBytes("temp.dat"), QByteArray("jonas\r\n")) << "session is written first";
  QFile::remove("temp.dat");
  EXPECT_EQ(MessageOf([] { ReadSessionUser(); }), "File not found");
}

TEST_F(UserStore, failedRegistrationLeavesEveryFileAsItWas) {
  RegisterUser(Pupil("ona", "antras"));
  writeBytes("jonas_7-3.dat", "5\r\n9\r\n");
  const auto before = Snapshot();
  struct Fault {
    const char* file;
    FaultOp op;
    int errorCode;
    const char* message;
  };
  for (const Fault& f : {Fault{"*", FaultOp::Create, EACCES, "File access denied"},
                         Fault{"user.dat", FaultOp::Create, EROFS, "File access denied"},
                         Fault{"jonas_7-3.dat", FaultOp::Write, ENOSPC, "Disk full"},
                         Fault{"password.dat", FaultOp::Rename, EIO, "I/O error 5"},
                         Fault{"jonas_checkbox.dat", FaultOp::Rename, EACCES, "File access denied"}}) {
    ScopedFault fault(f.file, f.op, f.errorCode);
    EXPECT_EQ(MessageOf([] { RegisterUser(Pupil("jonas")); }), f.message) << f.file;
    EXPECT_EQ(Snapshot(), before) << f.file;
  }
  EXPECT_EQ(RegisterUser(Pupil("jonas")).result, RegistrationResult::Registered);
  EXPECT_EQ(readBytes("jonas_7-3.dat"), QByteArray("0\r\n")) << "an old file of the name is overwritten";
}

TEST_F(UserStore, readOnlyUserFileIsRefusedWithoutChange) {
  ScopedFault readOnly("user.dat", FaultOp::Create, EACCES);
  const auto before = Snapshot();
  EXPECT_EQ(MessageOf([] { RegisterUser(Pupil("jonas")); }), "File access denied");
  EXPECT_EQ(Snapshot(), before);
}

}  // namespace
}  // namespace rova
