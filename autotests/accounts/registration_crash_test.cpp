#include <gtest/gtest.h>

#include <QDir>
#include <QMap>

#include "accounts/user_store.h"
#include "child_process.h"
#include "temp_dir.h"
#include "textio/text_file.h"

namespace rova {
namespace {

using testing::ChildEnd;
using testing::RunInChild;

// jonas registers into a store of two pupils and is killed at every step the
// registration takes, one run per step; then the next operation finds the
// store as a pupil or a teacher must: jonas there whole or not at all, and
// nothing of ona's or petras's changed.
class KilledRegistration : public testing::InMemoryTempDir {
 protected:
  void SetUp() override {
    InMemoryTempDir::SetUp();
    writeBytes("user.dat", "");
    writeBytes("password.dat", "");
    ASSERT_EQ(RegisterUser(Pupil("ona", "antras")).result, RegistrationResult::Registered);
    ASSERT_EQ(RegisterUser(Pupil("petras", "trečias")).result, RegistrationResult::Registered);
    before_ = Files();
  }

  static RegistrationData Pupil(const QString& name, const QString& password) {
    return {name, password, QStringLiteral("Jonas"), QStringLiteral("Žemaitis"), "8b", "j@m.lt"};
  }

  QMap<QString, QByteArray> Files() const {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir::current().entryList(QDir::Files | QDir::Hidden)) {
      files.insert(name, readBytes(name));
    }
    return files;
  }

  void Restore() const {
    for (const QString& name : QDir::current().entryList(QDir::Files | QDir::Hidden)) {
      QFile::remove(name);
    }
    for (auto it = before_.begin(); it != before_.end(); ++it) writeBytes(it.key(), it.value());
  }

  // Whether jonas is registered; fails the test unless the store is whole.
  bool ExpectWholeStore(int step) {
    QMap<QString, QByteArray> now = Files();
    const bool registered = now.value("user.dat") == "jonas\r\npetras\r\nona\r\n";
    EXPECT_EQ(now.take("user.dat"), registered ? "jonas\r\npetras\r\nona\r\n" : "petras\r\nona\r\n")
        << "step " << step;
    EXPECT_EQ(now.take("password.dat"),
              registered ? "slaptas\r\ntre\xe8ias\r\nantras\r\n" : "tre\xe8ias\r\nantras\r\n")
        << "step " << step << ": lines paired";
    now.remove("temp.dat");  // the recovering operation may have written it

    QMap<QString, QByteArray> jonas;
    jonas.insert("user_jonas.dat", "Jonas\r\n\xde" "emaitis\r\n8b\r\n");
    jonas.insert("jonas_checkbox.dat", "1\r\n");
    for (int topic = 1; topic <= 18; ++topic) {
      for (int task = 1; task <= 5; ++task) {
        jonas.insert(QStringLiteral("jonas_%1-%2.dat").arg(topic).arg(task),
                     task == 1 ? "0\r\n0\r\n" : "0\r\n");
      }
    }
    QMap<QString, QByteArray> expected = before_;
    expected.remove("user.dat");
    expected.remove("password.dat");
    expected.remove("temp.dat");
    if (registered) expected.insert(jonas);
    EXPECT_EQ(now, expected) << "step " << step << (registered ? ": registered" : ": not registered");

    EXPECT_EQ(LogIn("ona", "antras"), LoginResult::Accepted) << "step " << step;
    EXPECT_EQ(LogIn("petras", "trečias"), LoginResult::Accepted) << "step " << step;
    EXPECT_EQ(LogIn("jonas", "slaptas"), registered ? LoginResult::Accepted : LoginResult::UnknownUser)
        << "step " << step;
    return registered;
  }

  QMap<QString, QByteArray> before_;
};

TEST_F(KilledRegistration, atAnyStepLeavesNewPupilWholeOrAbsentAfterNextOperation) {
  int notRegistered = 0;
  int registered = 0;
  int step = 1;
  for (;; ++step) {
    Restore();
    const ChildEnd end = RunInChild([] { RegisterUser(Pupil("jonas", "slaptas")); }, step);
    if (end == ChildEnd::Finished) break;
    ASSERT_EQ(end, ChildEnd::Killed) << "step " << step;
    // The next taker of the store's lock: start-up or a log-in.
    if (step % 2) {
      TidyDataFolder();
    } else {
      LogIn("ona", "antras");
    }
    (ExpectWholeStore(step) ? registered : notRegistered)++;
    if (HasFailure()) return;
  }
  EXPECT_TRUE(ExpectWholeStore(step)) << "finished without a kill";
  // Killed before every one of its 95 renames, and more.
  EXPECT_GT(step, 2 * 95);
  EXPECT_GT(registered, 95) << "every kill after the commit is finished by the next operation";
  EXPECT_GT(notRegistered, 95);
}

}  // namespace
}  // namespace rova
