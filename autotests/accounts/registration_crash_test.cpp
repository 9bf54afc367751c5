// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QMap>

#include "accounts/password_hash.h"
#include "accounts/user_store.h"
#include "child_process.h"
#include "temp_dir.h"
#include "textio/store_transaction.h"
#include "textio/text_file.h"

namespace rova {
namespace {

using Folder = QMap<QString, QByteArray>;

const QByteArray kNewHash = "<the new pupil's hash>";

RegistrationData Pupil(const QString& name, const QString& password) {
  return {name, password, QStringLiteral("Jonas"), QStringLiteral("Žemaitis"), "8b", "j@m.lt"};
}

// jonas registers into a store of two pupils and is killed at each step the
// registration takes, one run per step; the next operation must then find
// jonas there whole or not at all, and nothing of ona's or petras's changed.
class KilledRegistration : public testing::InMemoryTempDir {
 protected:
  Folder Files() const {
    Folder files;
    for (const QString& name : QDir::current().entryList(QDir::Files | QDir::Hidden)) {
      files.insert(name, readBytes(name));
    }
    files.remove("temp.dat");  // whoever touched the store last named himself there
    // A new pupil's hash has a salt of its own: the log-ins below check it.
    QList<QByteArray> passwords = SplitLines(files.value("password.dat"));
    if (passwords.size() == 3 && IsPasswordHash(passwords[0])) passwords[0] = kNewHash;
    files.insert("password.dat", JoinLines(passwords));
    return files;
  }

  void Restore(const Folder& folder) const {
    for (const QString& name : QDir::current().entryList(QDir::Files | QDir::Hidden)) QFile::remove(name);
    for (auto it = folder.begin(); it != folder.end(); ++it) writeBytes(it.key(), it.value());
  }
};

TEST_F(KilledRegistration, atAnyStepLeavesNewPupilWholeOrAbsentAfterNextOperation) {
  // Some three hundred registrations: the kills are the point, not the hashing.
  const LowestHashCostForTests cheap;
  writeBytes("user.dat", "");
  writeBytes("password.dat", "");
  RegisterUser(Pupil("ona", "antras"));
  RegisterUser(Pupil("petras", "trečias"));
  const Folder without = Files();
  Folder with = without;
  with["user.dat"] = "jonas\r\npetras\r\nona\r\n";
  with["password.dat"] = kNewHash + "\r\n" + without["password.dat"];
  with["user_jonas.dat"] = "Jonas\r\n\xde" "emaitis\r\n8b\r\n";
  with["jonas_checkbox.dat"] = "1\r\n";
  for (int topic = 1; topic <= 18; ++topic) {
    for (int task = 1; task <= 5; ++task) {
      with[QStringLiteral("jonas_%1-%2.dat").arg(topic).arg(task)] = task == 1 ? "0\r\n0\r\n" : "0\r\n";
    }
  }

  int registered = 0;
  int step = 1;
  for (;; ++step) {
    Restore(without);
    const auto end = testing::RunInChild([] { RegisterUser(Pupil("jonas", "slaptas")); }, step);
    if (end == testing::ChildEnd::Finished) break;
    ASSERT_EQ(end, testing::ChildEnd::Killed) << "step " << step;
    // The next taker of the store's lock: start-up, a log-in, or jonas
    // registering again, which finds him there or registers him whole.
    if (step % 3 == 0) {
      TidyDataFolder();
    } else if (step % 3 == 1) {
      LogIn("ona", "antras");
    } else {
      RegisterUser(Pupil("jonas", "slaptas"));
    }
    const Folder now = Files();
    const bool isIn = now == with;
    registered += isIn;
    ASSERT_TRUE(isIn || now == without) << "step " << step;
    ASSERT_EQ(LogIn("ona", "antras"), LoginResult::Accepted) << "step " << step;
    ASSERT_EQ(LogIn("petras", "trečias"), LoginResult::Accepted) << "step " << step;
    ASSERT_EQ(LogIn("jonas", "slaptas"), isIn ? LoginResult::Accepted : LoginResult::UnknownUser);
  }
  EXPECT_EQ(Files(), with) << "finished without a kill";
  // Killed before every one of its 95 renames, and at each step before them.
  EXPECT_GT(step, 2 * 95);
  EXPECT_GT(registered, 95) << "every kill after the commit is finished by the next operation";
  EXPECT_GT(step - registered, 60);
}

}  // namespace
}  // namespace rova
