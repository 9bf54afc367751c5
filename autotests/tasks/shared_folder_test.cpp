// SPDX-License-Identifier: GPL-3.0-or-later
// Several copies of the program working in one class folder at once, each a
// forked process with its own pupil, through the real log-in and check.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

#include "accounts/password_hash.h"
#include "accounts/user_store.h"
#include "tasks/check_procedure.h"
#include "course/task_catalogue.h"
#include "temp_dir.h"
#include "textio/text_file.h"

namespace rova {
namespace {

RegistrationData Pupil(const QString& name) {
  return {name, name + QStringLiteral("-slaptas"), QStringLiteral("Vardas"), QStringLiteral("Pavardė"),
          QStringLiteral("8b"), QStringLiteral("v@m.lt")};
}

class SharedFolder : public testing::InMemoryTempDir {
 protected:
  void SetUp() override {
    InMemoryTempDir::SetUp();
    writeBytes("user.dat", "");
    writeBytes("password.dat", "");
  }

  // Runs every piece of work in a forked copy of its own at once: each does
  // its `first` part, waits until all have, then does its `then` part.
  // Returns how many copies ended well.
  struct Copy {
    std::function<void()> first, then;
  };
  int RunTogether(const std::vector<Copy>& copies) {
    int ready[2], go[2];
    if (pipe(ready) != 0 || pipe(go) != 0) return 0;
    std::vector<pid_t> children;
    for (const Copy& copy : copies) {
      const pid_t child = fork();
      if (child == 0) {
        alarm(60);  // only keeps a hanging copy from hanging the suite
        int code = 0;
        try {
          copy.first();
          char byte = 'r';
          if (write(ready[1], &byte, 1) != 1 || read(go[0], &byte, 1) != 1) _exit(3);
          copy.then();
        } catch (...) {
          code = 1;
        }
        _exit(code);
      }
      children.push_back(child);
    }
    char bytes[16];
    for (std::size_t got = 0; got < copies.size();) {
      const ssize_t n = read(ready[0], bytes, copies.size() - got);
      if (n <= 0) break;
      got += std::size_t(n);
    }
    if (write(go[1], "gggggggggggggggg", copies.size()) != ssize_t(copies.size())) return 0;
    int good = 0;
    for (const pid_t child : children) {
      int status = 0;
      if (waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0) ++good;
    }
    for (int fd : {ready[0], ready[1], go[0], go[1]}) close(fd);
    return good;
  }
};

TEST_F(SharedFolder, twoCopiesCheckingAtOnceCountEveryCheckForItsOwnPupil) {
  ASSERT_EQ(RegisterUser(Pupil("jonas")).result, RegistrationResult::Registered);
  ASSERT_EQ(RegisterUser(Pupil("ona")).result, RegistrationResult::Registered);
  constexpr int kChecks = 300;
  const TaskRow& row = CatalogueRow({1, 1});
  const QLocale locale(QLocale::Lithuanian, QLocale::Lithuania);
  // Jonas answers every time right, Ona every third time.
  const auto pupil = [&](const QString& name, int rightEvery) {
    return Copy{[name] {
                  if (LogIn(name, name + QStringLiteral("-slaptas")) != LoginResult::Accepted) throw 0;
                },
                [&row, &locale, rightEvery] {
                  for (int i = 0; i < kChecks; ++i) {
                    const bool right = i % rightEvery == 0;
                    CheckAnswer(row, {right ? "2" : "3", "8", {}}, locale);
                  }
                }};
  };
  // Both have logged in before either checks: temp.dat names only the later one.
  ASSERT_EQ(RunTogether({pupil("jonas", 1), pupil("ona", 3)}), 2);
  EXPECT_EQ(readBytes("jonas_1-1.dat"), QByteArray("300\r\n300\r\n"));
  EXPECT_EQ(readBytes("ona_1-1.dat"), QByteArray("100\r\n300\r\n"));
  const QByteArray last = readBytes("temp.dat");
  EXPECT_TRUE(last == "jonas\r\n" || last == "ona\r\n") << last.constData();
}

TEST_F(SharedFolder, twoRegistrationsAtOnceBothLandWhole) {
  const auto registration = [](const QString& name) {
    return Copy{[] {}, [name] {
                  if (RegisterUser(Pupil(name)).result != RegistrationResult::Registered) throw 0;
                }};
  };
  ASSERT_EQ(RunTogether({registration("jonas"), registration("ona")}), 2);
  const QByteArray users = readBytes("user.dat");
  const QByteArray passwords = readBytes("password.dat");
  ASSERT_TRUE(users == "jonas\r\nona\r\n" || users == "ona\r\njonas\r\n") << users.constData();
  // Line i of password.dat is the hash of the password of line i of user.dat.
  const QList<QByteArray> names = SplitLines(users);
  const QList<QByteArray> hashes = SplitLines(passwords);
  ASSERT_EQ(hashes.size(), 2);
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(PasswordMatches(hashes[i], names[i] + "-slaptas")) << i;
  QStringList files = QDir::current().entryList(QDir::Files | QDir::Hidden);
  files.removeOne(QStringLiteral(".rova_lock"));
  EXPECT_EQ(files.size(), 3 + 2 * 92);
}

}  // namespace
}  // namespace rova
