// SPDX-License-Identifier: GPL-3.0-or-later
// One check, one log-in and one registration in a class folder of 30
// registered pupils; the passwords' hashing alone; and the store's lock
// alone: the record lock on ".rova_lock" side by side with the flock on the
// folder that it replaced, a copy of which is kept here only to measure
// against.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>

#include "accounts/password_hash.h"
#include "accounts/user_store.h"
#include "tasks/check_procedure.h"
#include "course/task_catalogue.h"
#include "textio/store_transaction.h"

namespace {

constexpr int kClassSize = 30;

// A class in which kClassSize pupils have registered and pupil0 has logged
// in, made once through the real registration.
const QTemporaryDir& ClassTemplate() {
  static const QTemporaryDir dir = [] {
    QTemporaryDir made;
    const QString previous = QDir::currentPath();
    if (!QDir::setCurrent(made.path())) std::abort();
    for (const char* name : {"user.dat", "password.dat"}) {
      QFile file(QString::fromLatin1(name));
      if (!file.open(QIODevice::WriteOnly)) std::abort();
    }
    for (int i = 0; i < kClassSize; ++i) {
      const QString name = QStringLiteral("pupil%1").arg(i);
      if (rova::RegisterUser({name, "slaptas", "Vardas", "Pavardė", "8b", "v@m.lt"}).result !=
          rova::RegistrationResult::Registered) {
        std::abort();
      }
    }
    if (rova::LogIn("pupil0", "slaptas") != rova::LoginResult::Accepted) std::abort();
    QDir::setCurrent(previous);
    return made;
  }();
  return dir;
}

// The working directory is, while the object lives, the class, or a copy of
// it for work that changes the class. The copy links the template's files:
// every change replaces a file by renaming a new one over it, so the
// template stays as it was.
class ClassFolder {
 public:
  enum Kind { Shared, Copy };
  explicit ClassFolder(Kind kind) : previous_(QDir::currentPath()) {
    QString path = ClassTemplate().path();
    if (kind == Copy) {
      const QDir from(path);
      for (const QString& name : from.entryList(QDir::Files | QDir::Hidden)) {
        if (link(QFile::encodeName(from.filePath(name)).constData(),
                 QFile::encodeName(copy_.filePath(name)).constData()) != 0) {
          std::abort();
        }
      }
      path = copy_.path();
    }
    if (!QDir::setCurrent(path)) std::abort();
  }
  ~ClassFolder() { QDir::setCurrent(previous_); }

 private:
  QTemporaryDir copy_;
  QString previous_;
};

// The store lock before the record lock: an exclusive flock on the folder,
// then the same first look for an interrupted commit that the store lock
// still takes (a single copy to remove, a record to read).
class FolderFlock {
 public:
  FolderFlock() : fd_(open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    while (flock(fd_, LOCK_EX) != 0) {
      if (errno != EINTR) std::abort();
    }
    unlink(".rova_copy");
    const int record = open(".rova_commit", O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (record >= 0) close(record);
  }
  ~FolderFlock() { close(fd_); }
  FolderFlock(const FolderFlock&) = delete;
  FolderFlock& operator=(const FolderFlock&) = delete;

 private:
  int fd_;
};

void StoreLockRecord(benchmark::State& state) {
  ClassFolder folder(ClassFolder::Shared);
  for (auto _ : state) rova::StoreLock lock;
}
BENCHMARK(StoreLockRecord);

void StoreLockFolderFlock(benchmark::State& state) {
  ClassFolder folder(ClassFolder::Shared);
  for (auto _ : state) FolderFlock lock;
}
BENCHMARK(StoreLockFolderFlock);

// The real check: session, counts read under the lock, judged, rewritten;
// pupil0's counts grow, which changes nothing of the work.
void CheckInClassFolder(benchmark::State& state) {
  ClassFolder folder(ClassFolder::Shared);
  const rova::TaskRow& row = rova::CatalogueRow({1, 1});
  const rova::TaskEntry entry{"2", "8", {}};
  const QLocale locale(QLocale::Lithuanian, QLocale::Lithuania);
  for (auto _ : state) benchmark::DoNotOptimize(rova::CheckAnswer(row, entry, locale));
}
BENCHMARK(CheckInClassFolder)->Unit(benchmark::kMicrosecond);

// A pupil of the class logs in: the session written, both lists read under
// the lock and the password compared.
void LogInClassFolder(benchmark::State& state) {
  ClassFolder folder(ClassFolder::Copy);
  for (auto _ : state) {
    if (rova::LogIn("pupil15", "slaptas") != rova::LoginResult::Accepted) std::abort();
  }
}
BENCHMARK(LogInClassFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

// The passwords' hashing alone: a new hash (a registration, a reset, an older
// release's line at its pupil's log-in) and the check of one (every log-in).
void HashNewPassword(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(rova::HashPassword("slaptas"));
}
BENCHMARK(HashNewPassword)->Unit(benchmark::kMillisecond)->UseRealTime();

void CheckPasswordHash(benchmark::State& state) {
  const QByteArray hash = rova::HashPassword("slaptas");
  for (auto _ : state) benchmark::DoNotOptimize(rova::PasswordMatches(hash, "slaptas"));
}
BENCHMARK(CheckPasswordHash)->Unit(benchmark::kMillisecond)->UseRealTime();

// One more pupil joins the class: each run adds one, so the class grows from
// kClassSize by the number of runs, which is fixed for that reason.
void RegistrationInClassFolder(benchmark::State& state) {
  ClassFolder folder(ClassFolder::Copy);
  int serial = 0;
  for (auto _ : state) {
    const rova::RegistrationData data{QStringLiteral("naujas%1").arg(serial++), "slaptas", "Jonas",
                                      "Jonaitis", "8b", "j@m.lt"};
    benchmark::DoNotOptimize(rova::RegisterUser(data));
  }
}
BENCHMARK(RegistrationInClassFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
