// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <cerrno>

#include "accounts/password_hash.h"
#include "accounts/session_file.h"
#include "accounts/user_store.h"
#include "error_message.h"
#include "temp_dir.h"
#include "textio/fault_injection.h"
#include "textio/program_error.h"
#include "textio/text_file.h"

namespace rova {
namespace {

RegistrationData Pupil(const QString& name, const QString& password = QStringLiteral("slaptas")) {
  return {name, password, QStringLiteral("Jonas"), QStringLiteral("Žemaitis"),
          QStringLiteral("8b"), QStringLiteral("j@m.lt")};
}

using testing::MessageOf;

// The lines of password.dat, which must all end with CR LF.
QList<QByteArray> PasswordLines(const QByteArray& bytes) {
  EXPECT_TRUE(bytes.isEmpty() || bytes.endsWith("\r\n")) << bytes.constData();
  return SplitLines(bytes);
}

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
  const QList<QByteArray> passwords = PasswordLines(readBytes("password.dat"));
  ASSERT_EQ(passwords.size(), 1);
  EXPECT_TRUE(passwords[0].startsWith("$y$")) << passwords[0].constData();
  EXPECT_TRUE(PasswordMatches(passwords[0], "slaptas"));
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
  const QList<QByteArray> passwords = PasswordLines(readBytes("password.dat"));
  ASSERT_EQ(passwords.size(), 2);
  EXPECT_TRUE(PasswordMatches(passwords[0], "antras"));
  EXPECT_TRUE(PasswordMatches(passwords[1], "pirmas"));
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

  for (const QString& name :
       {QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("."), QStringLiteral(".."),
        QStringLiteral("jo\rnas"), QStringLiteral("jo\nnas"), QStringLiteral("jo\tnas"),
        QStringLiteral("Ωmega")}) {
    EXPECT_EQ(RegisterUser(Pupil(name)).result, RegistrationResult::Refused) << name.toStdString();
  }
  EXPECT_EQ(RegisterUser(Pupil(QString(240, QLatin1Char('a')))).result, RegistrationResult::NameTooLong);
  // A line break in any other field would shift password.dat against user.dat
  // or a profile's lines: CR LF, a lone CR and a lone LF alike.
  for (QString RegistrationData::*field : {&RegistrationData::password, &RegistrationData::firstName,
                                           &RegistrationData::surname, &RegistrationData::schoolClass,
                                           &RegistrationData::email}) {
    for (const char* broken : {"a\r\nb", "a\rb", "a\nb"}) {
      RegistrationData data = Pupil("ona");
      data.*field = QString::fromLatin1(broken);
      EXPECT_EQ(RegisterUser(data).result, RegistrationResult::Refused) << QByteArray(broken).toHex().constData();
    }
  }
  EXPECT_EQ(RegisterUser(Pupil("ona", QString(513, QLatin1Char('x')))).result, RegistrationResult::Refused)
      << "more than the system's hashing takes";
  EXPECT_EQ(readBytes("user.dat"), QByteArray("  \r\n"));
  EXPECT_TRUE(IsUsableUserName(QStringLiteral("jonas ")));
  EXPECT_TRUE(IsUsableUserName(QStringLiteral("Žygimantas")));
}

// The limit is said in characters, so it must hold for names of the widest
// characters of the code page as for plain letters.
TEST_F(UserStore, longestNameInCharactersRegistersAndOneMoreIsTooLong) {
  const int longest = LongestUserName();
  EXPECT_EQ(longest, 77) << "255-byte file names: 77 characters of up to 3 bytes, the suffix and a copy's";
  for (const QChar c : {QChar(u'a'), QChar(u'Ž'), QChar(u'„')}) {
    const QString name(longest, c);
    EXPECT_EQ(RegisterUser(Pupil(name + c)).result, RegistrationResult::NameTooLong);
    EXPECT_EQ(RegisterUser(Pupil(name)).result, RegistrationResult::Registered);
    EXPECT_EQ(readBytes(name + "_checkbox.dat"), QByteArray("1\r\n"));
  }
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

// password.dat as an older release left it, passwords as typed: each still
// logs in, and its line becomes the hash at that pupil's log-in.
TEST_F(UserStore, typedPasswordsOfAnOlderReleaseLogInAndBecomeHashes) {
  writeBytes("user.dat", "ona\r\njonas\r\npetras\r\n");
  writeBytes("password.dat", "antras\r\npirmas\n");  // petras has no line: an empty password
  EXPECT_EQ(LogIn("jonas", "antras"), LoginResult::WrongPassword);
  EXPECT_EQ(readBytes("password.dat"), QByteArray("antras\r\npirmas\n")) << "only a log-in changes it";

  EXPECT_EQ(LogIn("jonas", "pirmas"), LoginResult::Accepted);
  const QByteArray jonas = PasswordLines(readBytes("password.dat")).value(1);
  EXPECT_EQ(readBytes("password.dat"), "antras\r\n" + jonas + "\r\n");
  EXPECT_TRUE(IsPasswordHash(jonas));
  EXPECT_TRUE(PasswordMatches(jonas, "pirmas"));
  EXPECT_EQ(LogIn("jonas", "pirmas"), LoginResult::Accepted);
  EXPECT_EQ(LogIn("jonas", QString::fromLatin1(jonas)), LoginResult::WrongPassword) << "the hash typed";
  EXPECT_EQ(readBytes("password.dat"), "antras\r\n" + jonas + "\r\n") << "a hash is not made again";

  EXPECT_EQ(LogIn("petras", ""), LoginResult::Accepted);
  const QByteArray petras = PasswordLines(readBytes("password.dat")).value(2);
  EXPECT_EQ(readBytes("password.dat"), "antras\r\n" + jonas + "\r\n" + petras + "\r\n");
  EXPECT_TRUE(PasswordMatches(petras, ""));
  EXPECT_EQ(LogIn("ona", "antras"), LoginResult::Accepted);
  EXPECT_FALSE(readBytes("password.dat").contains("antras"));
}

TEST_F(UserStore, aPasswordLineIsCheckedAsItsKindSays) {
  const QByteArray hash = HashPassword("slaptas");
  // yescrypt's highest cost: a gigabyte and seconds to check. Made once, with
  // the password "slaptas"; a line that asks for it matches nothing.
  const QByteArray costly = "$y$jFT$HnoD9N0z0a/wu.9TVg23F1$S5BMLTM9/d/OOJsNpjp9rKksOp8HgVpOcwQ641Lthn6";
  struct Case {
    QByteArray line;
    QString typed;
    bool matches;
  };
  const Case cases[] = {
      {hash, "slaptas", true},
      {hash, "Slaptas", false},
      {hash, "slaptas ", false},
      {hash, "", false},
      {hash, QString::fromLatin1(hash), false},
      {hash.chopped(1), "slaptas", false},
      {HashPassword("ąžuolas"), "ąžuolas", true},
      {HashPassword(""), "", true},
      // An older release's lines: as typed, in the code page.
      {"slaptas", "slaptas", true},
      {"slaptas", "slaptas ", false},
      {"\xe0\xfe", "ąž", true},
      {"", "", true},
      {"$6$druska$kitas", "$6$druska$kitas", true},
      // Meant as hashes but damaged or planted: nothing matches, not even as typed.
      {"$y$", "$y$", false},
      {costly, "slaptas", false},
      {"$y$j9T$druska", "$y$j9T$druska", false},
      {hash + "$", "slaptas", false},
      {hash.left(7) + "dru\x01ska" + hash.mid(hash.lastIndexOf('$')), "slaptas", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PasswordMatches(c.line, c.typed), c.matches) << c.line.constData() << " | " << c.typed.toStdString();
  }
  EXPECT_NE(HashPassword("slaptas"), hash) << "every hash has a salt of its own";
}

// The class administration's reset: the pupil's own line only.
TEST_F(UserStore, aNewPasswordIsStoredAsItsHashOnThePupilsLineOnly) {
  RegisterUser(Pupil("jonas", "pirmas"));
  RegisterUser(Pupil("ona", "antras"));
  const QByteArray ona = PasswordLines(readBytes("password.dat")).value(0);
  EXPECT_EQ(SetPassword("jonas", "naujas"), PasswordChange::Stored);
  const QByteArray jonas = PasswordLines(readBytes("password.dat")).value(1);
  EXPECT_EQ(readBytes("password.dat"), ona + "\r\n" + jonas + "\r\n");
  EXPECT_TRUE(PasswordMatches(jonas, "naujas"));
  EXPECT_EQ(LogIn("jonas", "pirmas"), LoginResult::WrongPassword);
  EXPECT_EQ(LogIn("ona", "antras"), LoginResult::Accepted);

  const auto before = Snapshot();
  EXPECT_EQ(SetPassword("niekas", "x"), PasswordChange::UnknownUser);
  for (const char* refused : {"", "a\rb", "a\nb"}) {
    EXPECT_EQ(SetPassword("jonas", QString::fromLatin1(refused)), PasswordChange::Refused);
  }
  EXPECT_EQ(Snapshot(), before);
}

// The copy's own pupil lives in the process: what anyone else writes to
// temp.dat, or puts in its place, does not change whose checks count.
TEST_F(UserStore, theLoggedInPupilIsThisCopysWhateverTheSessionFileSays) {
  RegisterUser(Pupil("jonas", "pirmas"));
  EXPECT_EQ(ReadSessionUser(), "jonas") << "a registration names its pupil";
  RegisterUser(Pupil("ona", "antras"));
  ASSERT_EQ(LogIn("jonas", "pirmas"), LoginResult::Accepted);
  writeBytes("temp.dat", "ona\r\n");  // another copy's log-in
  EXPECT_EQ(ReadSessionUser(), "jonas");
  QFile::remove("temp.dat");
  ASSERT_TRUE(QDir().mkdir("temp.dat"));
  EXPECT_EQ(ReadSessionUser(), "jonas");

  // In another folder this copy has no pupil of its own.
  ASSERT_TRUE(QDir().mkdir("kita"));
  ASSERT_TRUE(QDir::setCurrent("kita"));
  writeBytes("kita/temp.dat", "petras\r\n");
  EXPECT_EQ(ReadSessionUser(), "petras");
}

}  // namespace
}  // namespace rova
