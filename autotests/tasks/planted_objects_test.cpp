// SPDX-License-Identifier: GPL-3.0-or-later
// What a classmate can plant in the class folder, against every file the
// pupils' program opens and every operation that opens it: a link to a file
// outside, a link to a device, a FIFO, a folder, a file only another pupil
// may read, a sparse file of 30 GiB. Whatever is planted, nothing outside
// the folder is read, shown, written or waited on: an operation either
// refuses, naming the file and what stands there, or replaces the object
// without following it.
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

#include "accounts/session_file.h"
#include "accounts/user_store.h"
#include "course/task_catalogue.h"
#include "new_pupil.h"
#include "stats/statistics_report.h"
#include "stats/statistics_settings.h"
#include "tasks/check_procedure.h"
#include "temp_dir.h"

namespace rova {
namespace {

constexpr gid_t kClassGroup = 64300;
constexpr uid_t kJonas = 64301;  // who works
constexpr uid_t kOna = 64302;    // whose private file is planted
const QByteArray kSecret = "4242\r\n4242\r\nSlaptas Tekstas\r\n";

enum class Planted { LinkOutside, LinkToDevice, Fifo, Folder, OthersPrivateFile, SparseFile };
const char* const kPlantedNames[] = {"link outside", "link to a device", "FIFO", "folder",
                                     "another pupil's 0600 file", "sparse 30 GiB file"};

// How an operation uses a file.
enum class Use {
  None,
  Read,       // its bytes are read
  Write,      // rewritten whole without being read
  SetWrite,   // one of a set of rewrites, which keeps the old file for an undo
  Lock,       // the store's lock
  Record,     // the commit record that the lock's first taker looks for
  RecordSet,  // the same, written by a set of rewrites
};

struct Operation {
  const char* name;
  std::function<void()> run;  // throws when it does not end as it should
  std::map<QString, Use> uses;
};

RegistrationData Ona() {
  return {QStringLiteral("ona"), QStringLiteral("x"), QStringLiteral("Ona"), QStringLiteral("Onaitė"),
          QStringLiteral("8b"), QStringLiteral("o@m.lt")};
}

const std::vector<Operation>& Operations() {
  static const std::vector<Operation> operations = {
      {"log-in",
       [] {
         if (LogIn(QStringLiteral("jonas"), QStringLiteral("jonas-slaptas")) != LoginResult::Accepted) throw 0;
       },
       {{"user.dat", Use::Read}, {"password.dat", Use::Read}, {"temp.dat", Use::Write},
        {".rova_lock", Use::Lock}, {".rova_commit", Use::Record}}},
      {"registration",
       [] {
         if (RegisterUser(Ona()).result != RegistrationResult::Registered) throw 0;
       },
       {{"user.dat", Use::Read}, {"password.dat", Use::Read}, {"temp.dat", Use::SetWrite},
        {".rova_lock", Use::Lock}, {".rova_commit", Use::RecordSet}}},
      {"check",
       [] {
         if (CheckAnswer(CatalogueRow({1, 2}), {QStringLiteral("30")}) != Verdict::Right) throw 0;
       },
       {{"temp.dat", Use::Read}, {"jonas_1-2.dat", Use::Read}, {".rova_lock", Use::Lock},
        {".rova_commit", Use::Record}}},
      {"statistics",
       [] {
         if (!ComputeReport([](const QString&) {})) throw 0;
       },
       {{"temp.dat", Use::Read}, {"jonas_checkbox.dat", Use::Read}, {"user_jonas.dat", Use::Read},
        {"jonas_1-2.dat", Use::Read}}},
      {"statistics settings",
       [] { WriteSettings(ReadSessionUser(), {StatisticsMode::TopicRange, 0, 17}); },
       {{"temp.dat", Use::Read}, {"jonas_checkbox.dat", Use::Write}, {".rova_lock", Use::Lock},
        {".rova_commit", Use::Record}}},
  };
  return operations;
}

// The last two are working names of earlier releases: nothing planted there
// matters any more.
const QStringList kFiles{"user.dat",    "password.dat", "temp.dat",   "jonas_1-2.dat",     "user_jonas.dat",
                         "jonas_checkbox.dat", ".rova_lock", ".rova_commit", ".rova_copy", ".rova_commit.new"};

struct Outcome {
  bool done = false;
  QString file;  // the file a refusal names
  ErrorKind kind = ErrorKind::Other;
  FileObstacle obstacle = FileObstacle::None;
  bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
  if (o.done) return out << "done";
  return out << "refused " << o.file.toStdString() << " kind " << int(o.kind) << " obstacle " << int(o.obstacle);
}

Outcome Refused(const QString& file, ErrorKind kind, FileObstacle obstacle = FileObstacle::None) {
  return {false, file, kind, obstacle};
}

// The refusal that reading `file` with `planted` in its place ends in.
Outcome ReadRefusal(const QString& file, Planted planted) {
  switch (planted) {
    case Planted::LinkOutside:
    case Planted::LinkToDevice:
      return Refused(file, ErrorKind::NotARegularFile, FileObstacle::SymbolicLink);
    case Planted::Fifo:
      return Refused(file, ErrorKind::NotARegularFile, FileObstacle::Fifo);
    case Planted::Folder:
      return Refused(file, ErrorKind::NotARegularFile, FileObstacle::Folder);
    case Planted::OthersPrivateFile:
      return Refused(file, ErrorKind::AccessDenied, FileObstacle::NotReadable);
    case Planted::SparseFile:
      return Refused(file, ErrorKind::FileTooLarge);
  }
  return {};
}

// What a person expects when `planted` stands where `use` wants a file.
Outcome Expected(const QString& file, Use use, Planted planted) {
  const Outcome done{true};
  const Outcome folder = Refused(file, ErrorKind::NotARegularFile, FileObstacle::Folder);
  switch (use) {
    case Use::None:
      return done;
    case Use::Read:
      return ReadRefusal(file, planted);
    case Use::Write:
    case Use::Lock:
      // Replaced, never followed; only a folder cannot be.
      return planted == Planted::Folder ? folder : done;
    case Use::SetWrite:
      // An undo must be able to bring back a regular file it can read.
      return planted == Planted::SparseFile ? done : ReadRefusal(file, planted);
    case Use::Record:
      // Not the program's record: removed, or a folder left alone.
      return done;
    case Use::RecordSet:
      return planted == Planted::Folder ? folder : done;
  }
  return done;
}

class PlantedObjects : public testing::InMemoryTempDir {
 protected:
  void SetUp() override {
    InMemoryTempDir::SetUp();
    asPupil_ = geteuid() == 0 && Run([] {}).done;
    // The class folder inside a folder of its own, the secret beside it.
    const QByteArray top = QFile::encodeName(dir_.path());
    ASSERT_EQ(chmod(top.constData(), 0755), 0);
    ASSERT_TRUE(QDir().mkdir("outside") && QDir().mkdir("data"));
    writeBytes("outside/secret", kSecret);
    ASSERT_EQ(chmod("outside/secret", 0644), 0);
    EnterFolder("data");
    if (asPupil_) {
      ASSERT_EQ(chown(".", 0, kClassGroup), 0);
      ASSERT_EQ(chmod(".", 02770), 0);
    }
  }

  // The folder as a registered Jonas leaves it, the class's files.
  void FreshFolder() {
    for (const QString& name : QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
      if (QFileInfo(name).isDir() && !QFileInfo(name).isSymLink()) {
        QDir(name).removeRecursively();
      } else {
        QFile::remove(name);
      }
    }
    testing::WriteNewPupil("jonas", "Jonas", "Jonaitis");
    writeBytes("data/user.dat", "jonas\r\n");
    writeBytes("data/password.dat", "jonas-slaptas\r\n");
    writeBytes("data/jonas_1-2.dat", "0\r\n0\r\n");
    writeBytes("data/.rova_lock", "");
    if (!asPupil_) return;
    for (const QString& name : QDir(".").entryList(QDir::Files | QDir::Hidden)) {
      const QByteArray native = QFile::encodeName(name);
      ASSERT_EQ(chown(native.constData(), 0, kClassGroup), 0);
      ASSERT_EQ(chmod(native.constData(), 0660), 0);
    }
  }

  void Plant(const QString& file, Planted planted) {
    const QByteArray name = QFile::encodeName(file);
    QFile::remove(file);
    switch (planted) {
      case Planted::LinkOutside:
        ASSERT_EQ(symlink("../outside/secret", name.constData()), 0);
        break;
      case Planted::LinkToDevice:
        ASSERT_EQ(symlink("/dev/zero", name.constData()), 0);
        break;
      case Planted::Fifo:
        ASSERT_EQ(mkfifo(name.constData(), 0666), 0);
        break;
      case Planted::Folder:
        ASSERT_TRUE(QDir().mkdir(file));
        writeBytes("data/" + file + "/inside", "Onos aplankas\r\n");
        break;
      case Planted::OthersPrivateFile:
        writeBytes("data/" + file, "Onos paslaptis\r\n");
        ASSERT_EQ(chown(name.constData(), kOna, kOna), 0);
        ASSERT_EQ(chmod(name.constData(), 0600), 0);
        break;
      case Planted::SparseFile:
        // A classmate's, as their umask 002 leaves it in the class folder.
        writeBytes("data/" + file, "7\r\n9\r\n");
        ASSERT_EQ(truncate(name.constData(), off_t(30) << 30), 0);
        if (asPupil_) {
          ASSERT_EQ(chown(name.constData(), kOna, kClassGroup), 0);
          ASSERT_EQ(chmod(name.constData(), 0664), 0);
        }
        break;
    }
  }

  // Runs the operation in a child (as Jonas, a pupil of the class, where the
  // machine lets it); a FIFO that made it wait would end it by its alarm.
  Outcome Run(const std::function<void()>& operation) {
    int result[2];
    if (pipe(result) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
      alarm(20);
      QByteArray said = "done";
      if (asPupil_) {
        const gid_t groups[] = {kClassGroup};
        if (setgroups(1, groups) != 0 || setgid(kJonas) != 0 || setuid(kJonas) != 0) _exit(2);
      } else if (geteuid() == 0 && (setgid(kJonas) != 0 || setuid(kJonas) != 0)) {
        _exit(2);  // the probe of SetUp
      }
      try {
        operation();
      } catch (const ProgramError& error) {
        said = QByteArray::number(int(error.kind())) + "|" + QByteArray::number(int(error.obstacle())) + "|" +
               error.fileName().toUtf8();
      } catch (...) {
        said = "wrong outcome";
      }
      if (write(result[1], said.constData(), size_t(said.size())) != said.size()) _exit(3);
      _exit(0);
    }
    close(result[1]);
    char buffer[512];
    const ssize_t got = read(result[0], buffer, sizeof buffer);
    close(result[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {false, QStringLiteral("(no answer)")};
    const QByteArray said(buffer, got);
    if (said == "done") return {true};
    const QList<QByteArray> parts = said.split('|');
    if (parts.size() != 3) return {false, QString::fromUtf8(said)};
    return {false, QString::fromUtf8(parts[2]), ErrorKind(parts[0].toInt()), FileObstacle(parts[1].toInt())};
  }

  // No regular file in the class folder holds the secret, and the secret is
  // as it was.
  void ExpectNothingLeaked(const std::string& what) {
    EXPECT_EQ(readBytes("outside/secret"), kSecret) << what;
    QDirIterator it(QStringLiteral("."), QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString file = it.next();
      QFile f(file);
      if (!QFileInfo(file).isFile() || QFileInfo(file).size() > (1 << 20) || !f.open(QIODevice::ReadOnly)) continue;
      EXPECT_FALSE(f.readAll().contains("Slaptas")) << what << ": " << file.toStdString();
    }
  }

  bool asPupil_ = false;
};

TEST_F(PlantedObjects, leadNoOperationOutsideTheFolderAndAreNamedWhenRefused) {
  int cells = 0;
  for (const Operation& operation : Operations()) {
    for (const QString& file : kFiles) {
      const auto use = operation.uses.find(file);
      for (int p = 0; p <= int(Planted::SparseFile); ++p) {
        const Planted planted = Planted(p);
        // Root reads anyone's file: the column needs a pupil's account.
        if (planted == Planted::OthersPrivateFile && !asPupil_) continue;
        const std::string what =
            std::string(operation.name) + ", " + file.toStdString() + " a " + kPlantedNames[p];
        FreshFolder();
        Plant(file, planted);
        const Outcome outcome = Run(operation.run);
        const Use how = use == operation.uses.end() ? Use::None : use->second;
        EXPECT_EQ(outcome, Expected(file, how, planted)) << what;
        ExpectNothingLeaked(what);
        if (outcome.done && (how == Use::Write || how == Use::Lock || how == Use::SetWrite)) {
          EXPECT_TRUE(QFileInfo(file).isFile() && !QFileInfo(file).isSymLink()) << what << ": replaced";
        }
        ++cells;
      }
    }
  }
  EXPECT_GE(cells, 5 * 10 * 5);
}

}  // namespace
}  // namespace rova
