// SPDX-License-Identifier: GPL-3.0-or-later
// A class folder that several pupils' accounts share, as the lab recipe sets
// it up: other users with their own umask, and a classmate's mischief, each
// in forked processes through the real registration, log-in and check.
#include <grp.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>

#include "accounts/user_store.h"
#include "course/task_catalogue.h"
#include "tasks/check_procedure.h"
#include "temp_dir.h"
#include "textio/store_lock.h"

namespace rova {
namespace {

// Made-up accounts: a group for the class and two pupils in it. Only ids,
// no names: nothing of the machine's own accounts is used or changed.
constexpr gid_t kClassGroup = 64200;
constexpr uid_t kOna = 64201;
constexpr uid_t kJonas = 64202;

RegistrationData Pupil(const QString& name) {
  return {name, name + QStringLiteral("-slaptas"), QStringLiteral("Vardas"), QStringLiteral("Pavardė"),
          QStringLiteral("8b"), QStringLiteral("v@m.lt")};
}

// Becomes a pupil of the class (their own group as the primary one, the
// class as a supplementary one) with `mask` as the umask.
bool BecomePupil(uid_t pupil, mode_t mask) {
  const gid_t groups[] = {kClassGroup};
  if (setgroups(1, groups) != 0 || setgid(pupil) != 0 || setuid(pupil) != 0) return false;
  umask(mask);
  return true;
}

// Runs `work` in a child, as `pupil` when not 0; true when it ended well.
// Exit code 2: the machine cannot switch users.
int RunAs(uid_t pupil, mode_t mask, const std::function<void()>& work) {
  const pid_t child = fork();
  if (child == 0) {
    alarm(120);  // only keeps a hanging child from hanging the suite
    if (pupil != 0 && !BecomePupil(pupil, mask)) _exit(2);
    try {
      work();
    } catch (const ProgramError& error) {
      std::fprintf(stderr, "%s: %s\n", error.what(), qPrintable(ErrorExplanation(error)));
      _exit(1);
    } catch (...) {
      _exit(1);
    }
    _exit(0);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return 1;
  return WEXITSTATUS(status);
}

class ClassFolder : public testing::InMemoryTempDir {
 protected:
  void SetUp() override {
    InMemoryTempDir::SetUp();
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as several pupils";
    if (RunAs(kOna, 022, [] {}) == 2) GTEST_SKIP() << "this machine cannot switch users";
    // As the lab recipe makes it: the class's group, setgid, the two lists.
    const QByteArray folder = QFile::encodeName(dir_.path());
    ASSERT_EQ(chown(folder.constData(), 0, kClassGroup), 0);
    ASSERT_EQ(chmod(folder.constData(), 02770), 0);
    for (const char* list : {"user.dat", "password.dat"}) {
      writeBytes(list, "");
      ASSERT_EQ(chown(list, 0, kClassGroup), 0);
      ASSERT_EQ(chmod(list, 0660), 0);
    }
  }

  // The checks of task 1-2 counted in `pupil`'s result file.
  QByteArray Counts(const QString& pupil) const { return readBytes(pupil + QStringLiteral("_1-2.dat")); }

  static void LogInAndCheck(const QString& name, const QString& answer) {
    if (LogIn(name, name + QStringLiteral("-slaptas")) != LoginResult::Accepted) throw 0;
    CheckAnswer(CatalogueRow({1, 2}), {answer});
  }
};

TEST_F(ClassFolder, onePupilsUsualUmaskLocksNoClassmateOut) {
  // Ona, with the usual umask 022, registers, logs in and checks first: the
  // lock file, temp.dat and her files are hers.
  ASSERT_EQ(RunAs(kOna, 022, [] {
              if (RegisterUser(Pupil("ona")).result != RegistrationResult::Registered) throw 0;
              LogInAndCheck("ona", "30");
            }),
            0);
  // Then Jonas, also with umask 022: his registration rewrites the lists
  // Ona's commit left, his log-in her temp.dat, under her lock file.
  ASSERT_EQ(RunAs(kJonas, 022, [] {
              if (RegisterUser(Pupil("jonas")).result != RegistrationResult::Registered) throw 0;
              LogInAndCheck("jonas", "31");
            }),
            0);
  ASSERT_EQ(RunAs(kOna, 022, [] { LogInAndCheck("ona", "30"); }), 0);
  EXPECT_EQ(Counts("ona"), "2\r\n2\r\n");
  EXPECT_EQ(Counts("jonas"), "0\r\n1\r\n");
  EXPECT_EQ(readBytes("user.dat"), "jonas\r\nona\r\n");

  // Everything the program made is the class's, readable and writable by it.
  for (const QString& name : QDir::current().entryList(QDir::Files | QDir::Hidden)) {
    struct stat info {};
    ASSERT_EQ(lstat(QFile::encodeName(name).constData(), &info), 0);
    EXPECT_EQ(info.st_gid, kClassGroup) << name.toStdString();
    EXPECT_EQ(info.st_mode & 0660, 0660u) << name.toStdString();
  }
}

TEST_F(ClassFolder, whatAnEarlierReleaseLeftToOnePupilAloneHealsAtTheNextChange) {
  ASSERT_EQ(RunAs(kOna, 022, [] {
              if (RegisterUser(Pupil("ona")).result != RegistrationResult::Registered) throw 0;
            }),
            0);
  // As an earlier release left them with umask 022: Ona's files 0644, a hard
  // link to one of them refused to anyone else (protected_hardlinks).
  for (const char* name : {".rova_lock", "user.dat", "password.dat", "temp.dat"}) {
    ASSERT_EQ(chown(name, kOna, kOna), 0) << name;
    ASSERT_EQ(chmod(name, 0644), 0) << name;
  }
  ASSERT_EQ(RunAs(kJonas, 077, [] {
              if (RegisterUser(Pupil("jonas")).result != RegistrationResult::Registered) throw 0;
              LogInAndCheck("jonas", "30");
            }),
            0);
  for (const char* name : {".rova_lock", "user.dat", "password.dat", "temp.dat"}) {
    struct stat info {};
    ASSERT_EQ(lstat(name, &info), 0);
    EXPECT_EQ(info.st_uid, kJonas) << name << ": replaced by a file of the class";
    EXPECT_EQ(info.st_mode & 07777, 0660u) << name;
  }
  EXPECT_EQ(readBytes("user.dat"), "jonas\r\nona\r\n");
}

TEST_F(ClassFolder, twoCopiesCheckingWhileAClassmateDeletesEveryLockFileLoseNoCheck) {
  constexpr int kChecks = 1000;
  ASSERT_EQ(RunAs(kOna, 022, [] {
              if (RegisterUser(Pupil("ona")).result != RegistrationResult::Registered) throw 0;
              if (LogIn("ona", "ona-slaptas") != LoginResult::Accepted) throw 0;
            }),
            0);
  for (const bool prepared : {false, true}) {
    if (prepared) {
      ASSERT_EQ(PrepareClassFolder(QDir::currentPath()), QString());
    }
    writeBytes("ona_1-2.dat", "0\r\n0\r\n");
    std::atomic<bool>* stop = static_cast<std::atomic<bool>*>(
        mmap(nullptr, sizeof(std::atomic<bool>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(stop, MAP_FAILED);
    new (stop) std::atomic<bool>(false);
    // Jonas deletes, moves and puts back whatever lock he can, in a loop.
    const pid_t mischief = fork();
    if (mischief == 0) {
      if (!BecomePupil(kJonas, 022)) _exit(2);
      long deleted = 0;
      while (!stop->load()) {
        deleted += unlink(".rova_lock") == 0;
        deleted += unlink(".rova_lock.d/lock") == 0;
        if (rename(".rova_lock.d", ".moved") == 0) {
          ++deleted;
          rename(".moved", ".rova_lock.d");
        }
      }
      _exit(deleted > 0 ? 0 : 3);
    }
    // Two copies of Ona's (a lab machine and her laptop) check at once.
    const auto checking = [] {
      for (int i = 0; i < kChecks; ++i) CheckAnswer(CatalogueRow({1, 2}), {"30"});
    };
    const pid_t second = fork();
    if (second == 0) _exit(RunAs(kOna, 022, checking));
    const int first = RunAs(kOna, 022, checking);
    int status = 0;
    ASSERT_EQ(waitpid(second, &status, 0), second);
    stop->store(true);
    int mischiefStatus = 0;
    ASSERT_EQ(waitpid(mischief, &mischiefStatus, 0), mischief);
    munmap(stop, sizeof(std::atomic<bool>));
    EXPECT_EQ(first, 0) << (prepared ? "prepared" : "not prepared");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << (prepared ? "prepared" : "not prepared");
    EXPECT_TRUE(WIFEXITED(mischiefStatus) && WEXITSTATUS(mischiefStatus) == 0) << "the mischief did something";
    EXPECT_EQ(Counts("ona"), "2000\r\n2000\r\n") << (prepared ? "prepared" : "not prepared");
  }
}

}  // namespace
}  // namespace rova
