// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <map>

#include <sys/syscall.h>
#include <unistd.h>

#include <functional>

#include "child_process.h"
#include "error_message.h"
#include "temp_dir.h"
#include "textio/fault_injection.h"
#include "textio/store_transaction.h"
#include "textio/text_file.h"

// The system's fsync, watched: this test's own definition is the one that
// the program's calls reach, so a rewrite that no longer syncs fails here
// (the fault seam sits before the call and would not notice).
namespace {
std::function<void(int fd)> watchFsync;
}  // namespace

extern "C" int fsync(int fd) {
  if (watchFsync) watchFsync(fd);
  return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace rova {
namespace {

using testing::InTempDir;
using testing::MessageOf;

// The files of the working directory, but the store's lock file.
QStringList FilesHere() {
  QStringList files = QDir::current().entryList(QDir::Files | QDir::Hidden, QDir::Name);
  files.removeOne(QStringLiteral(".rova_lock"));
  return files;
}

class Rewrite : public InTempDir {};

TEST_F(Rewrite, replacesWholeFileWithCrLfLines) {
  writeBytes("f.dat", "old\r\nlonger old content\r\n");
  RewriteFile("f.dat", JoinLines({"a", "\xe0"}));
  EXPECT_EQ(readBytes("f.dat"), QByteArray("a\r\n\xe0\r\n"));
  EXPECT_EQ(FilesHere(), QStringList{"f.dat"});
}

TEST_F(Rewrite, refusesFileWithoutWritePermissionEvenForRoot) {
  writeBytes("f.dat", "1\r\n");
  ASSERT_EQ(chmod("f.dat", 0444), 0);
  EXPECT_EQ(MessageOf([] { RewriteFile("f.dat", "2\r\n"); }), "File access denied");
  EXPECT_EQ(readBytes("f.dat"), QByteArray("1\r\n"));
}

TEST_F(Rewrite, keepsOldFileWhenAnyStepFails) {
  writeBytes("f.dat", "1\r\n");
  struct Step {
    FaultOp op;
    int errorCode;
    const char* message;
  };
  for (const Step& step : {Step{FaultOp::Create, EACCES, "File access denied"},
                           Step{FaultOp::Write, ENOSPC, "Disk full"},
                           Step{FaultOp::Sync, EIO, "I/O error 5"},
                           Step{FaultOp::Rename, EROFS, "File access denied"}}) {
    ScopedFault fault("f.dat", step.op, step.errorCode);
    EXPECT_EQ(MessageOf([] { RewriteFile("f.dat", "2\r\n"); }), step.message);
    EXPECT_EQ(fault.hits(), 1);
    EXPECT_EQ(readBytes("f.dat"), QByteArray("1\r\n"));
    EXPECT_EQ(FilesHere(), QStringList{"f.dat"}) << "no stray copy";
  }
}

TEST_F(Rewrite, faultsMatchOnlyTheirFileUnlessWildcard) {
  ScopedFault other("other.dat", FaultOp::Write, ENOSPC);
  RewriteFile("f.dat", "x\r\n");
  ScopedFault folder("*", FaultOp::Create, EACCES);
  EXPECT_EQ(MessageOf([] { RewriteFile("g.dat", "x\r\n"); }), "File access denied");
  EXPECT_FALSE(exists("g.dat"));
}

TEST_F(Rewrite, transactionPutsBackEverythingWhenOneFileFails) {
  writeBytes("a.dat", "a-old\n");
  writeBytes("b.dat", "b-old");
  FileTransaction transaction;
  transaction.Stage("a.dat", "a-new\r\n");
  transaction.Stage("new.dat", "n\r\n");
  transaction.Stage("b.dat", "b-new\r\n");
  ScopedFault fault("b.dat", FaultOp::Rename, EIO);
  EXPECT_EQ(MessageOf([&] { transaction.Commit(); }), "I/O error 5");
  EXPECT_EQ(readBytes("a.dat"), QByteArray("a-old\n"));
  EXPECT_EQ(readBytes("b.dat"), QByteArray("b-old"));
  EXPECT_EQ(FilesHere(), (QStringList{"a.dat", "b.dat"}));
}

TEST_F(Rewrite, transactionCommitsAllAndLeavesNoCopies) {
  writeBytes("a.dat", "old");
  FileTransaction transaction;
  transaction.Stage("a.dat", "1\r\n");
  transaction.Stage("b.dat", "2\r\n");
  EXPECT_EQ(readBytes("a.dat"), QByteArray("old")) << "nothing changes before Commit";
  transaction.Commit();
  EXPECT_EQ(readBytes("a.dat"), QByteArray("1\r\n"));
  EXPECT_EQ(readBytes("b.dat"), QByteArray("2\r\n"));
  EXPECT_EQ(FilesHere(), (QStringList{"a.dat", "b.dat"}));
}

TEST_F(Rewrite, syncsEachNewFileBeforeItsRenameAndTheFolderAfter) {
  struct Sync {
    ino_t synced;
    std::map<QString, ino_t> named;  // what the names held at that moment
  };
  const QStringList names{"f.dat", "g.dat"};
  for (const qsizetype files : {1, 2}) {
    writeBytes("f.dat", "old\r\n");
    std::vector<Sync> syncs;
    watchFsync = [&](int fd) {
      struct stat info {};
      fstat(fd, &info);
      Sync sync{info.st_ino, {}};
      for (const QString& name : names) {
        struct stat named {};
        sync.named[name] = stat(name.toUtf8().constData(), &named) == 0 ? named.st_ino : 0;
      }
      syncs.push_back(sync);
    };
    FileTransaction transaction;
    for (qsizetype i = 0; i < files; ++i) transaction.Stage(names[i], "new\r\n");
    transaction.Commit();
    watchFsync = nullptr;
    struct stat folder {};
    ASSERT_EQ(stat(".", &folder), 0);
    for (qsizetype i = 0; i < files; ++i) {
      struct stat now {};
      ASSERT_EQ(stat(names[i].toUtf8().constData(), &now), 0);
      const auto file = std::find_if(syncs.begin(), syncs.end(), [&](const Sync& s) { return s.synced == now.st_ino; });
      ASSERT_NE(file, syncs.end()) << files << " files: " << names[i].toStdString() << " was never synced";
      EXPECT_NE(file->named.at(names[i]), now.st_ino) << "synced only after its rename";
      const auto after = std::find_if(file, syncs.end(), [&](const Sync& s) {
        return s.synced == folder.st_ino && s.named.at(names[i]) == now.st_ino;
      });
      EXPECT_NE(after, syncs.end()) << "the folder is synced once the new file has its name";
    }
    QFile::remove("g.dat");
  }
}

TEST_F(Rewrite, syncsTheFolderAfterTheRename) {
  ScopedFault fault(".", FaultOp::SyncFolder, EIO);
  EXPECT_EQ(MessageOf([] { RewriteFile("f.dat", "1\r\n"); }), "I/O error 5");
  EXPECT_EQ(fault.hits(), 1);
}

TEST_F(Rewrite, startUpRemovesCopiesThatInterruptedRewritesLeft) {
  for (const char* name : {".jonas_1-2.dat.~a1b2c3", ".user.dat.~zz9900~", ".rova_copy", ".rova_commit.new",
                           "jonas_1-2.dat", ".hidden", ".x.~abc", ".x.~ABCDEF", "x.dat.~abc123"}) {
    writeBytes(name, "1\r\n");
  }
  TidyDataFolder();
  EXPECT_EQ(FilesHere(), (QStringList{".hidden", ".x.~ABCDEF", ".x.~abc", "jonas_1-2.dat", "x.dat.~abc123"}));
}

TEST_F(Rewrite, newFilesGetTheFoldersModeNeverTheOldFilesNorTheUmasksAlone) {
  struct Row {
    mode_t folder;
    mode_t umask;
    mode_t files;  // the lock file, a rewritten file, the files of a set of rewrites
  };
  const Row rows[] = {
      {0700, 022, 0600},  // the private default: nobody else's
      {0755, 002, 0664},  // a chosen folder: 0666 less the umask
      {0755, 077, 0600},
      {02770, 022, 0664},  // a class folder: the group may write whatever the umask
      {02770, 077, 0660},
  };
  for (const Row& row : rows) {
    for (const char* name : {".rova_lock", "f.dat", "a.dat", "b.dat"}) QFile::remove(name);
    writeBytes("f.dat", "old\r\n");
    ASSERT_EQ(chmod("f.dat", 0777), 0);  // a planted open mode is not kept
    ASSERT_EQ(chmod(".", row.folder), 0);
    const mode_t before = umask(row.umask);
    RewriteFile("f.dat", "1\r\n");
    FileTransaction transaction;
    transaction.Stage("a.dat", "1\r\n");
    transaction.Stage("b.dat", "2\r\n");
    transaction.Commit();
    umask(before);
    for (const char* name : {".rova_lock", "f.dat", "a.dat", "b.dat"}) {
      struct stat info {};
      ASSERT_EQ(lstat(name, &info), 0) << name;
      EXPECT_TRUE(S_ISREG(info.st_mode)) << name;
      EXPECT_EQ(info.st_mode & 07777, row.files) << name << " in a folder " << std::oct << row.folder;
    }
  }
  ASSERT_EQ(chmod(".", 0700), 0);
}

TEST_F(Rewrite, aLinkOrFifoAtTheLockOrAFileIsReplacedNeverFollowed) {
  ASSERT_TRUE(QDir().mkdir("elsewhere"));
  writeBytes("elsewhere/secret", "pin 1234\n");
  ASSERT_TRUE(QFile::link("elsewhere/secret", ".rova_lock"));
  ASSERT_TRUE(QFile::link("elsewhere/secret", "f.dat"));
  ASSERT_TRUE(QFile::link("elsewhere/missing", "g.dat"));
  ASSERT_EQ(mkfifo("h.dat", 0644), 0);
  for (const char* name : {"f.dat", "g.dat", "h.dat"}) RewriteFile(name, "1\r\n");
  for (const char* name : {".rova_lock", "f.dat", "g.dat", "h.dat"}) {
    EXPECT_FALSE(QFileInfo(name).isSymLink()) << name;
    EXPECT_TRUE(QFileInfo(name).isFile()) << name;
  }
  EXPECT_EQ(readBytes("elsewhere/secret"), "pin 1234\n");
  EXPECT_FALSE(exists("elsewhere/missing"));
  EXPECT_EQ(readBytes("f.dat"), "1\r\n");
}

class KilledTransaction : public testing::InMemoryTempDir {
 protected:
  // Runs a transaction of three files, one of them new, killed at every
  // step in turn (with the rename of the last file failing when asked, so
  // that the steps of undoing it are killed too), and checks after each that
  // the next taker of the lock finds all or nothing.
  void ExpectAllOrNothing(bool lastRenameFails) {
    int step = 1;
    std::vector<bool> outcomes;  // whether each kill left the new files
    for (;; ++step) {
      writeBytes("a.dat", "a-old\r\n");
      writeBytes("b.dat", "b-old\r\n");
      const auto end = testing::RunInChild([lastRenameFails] {
        ScopedFault fault(lastRenameFails ? "b.dat" : "none", FaultOp::Rename, EIO);
        FileTransaction transaction;
        transaction.Stage("a.dat", "a-new\r\n");
        transaction.Stage("n.dat", "n\r\n");
        transaction.Stage("b.dat", "b-new\r\n");
        transaction.Commit();
      }, step);
      if (end != testing::ChildEnd::Killed) {
        EXPECT_EQ(end, lastRenameFails ? testing::ChildEnd::Threw : testing::ChildEnd::Finished);
        break;
      }
      { StoreLock next; }
      const bool isNew = readBytes("a.dat") == "a-new\r\n";
      outcomes.push_back(isNew);
      EXPECT_EQ(readBytes("b.dat"), isNew ? "b-new\r\n" : "b-old\r\n") << "step " << step;
      const QStringList expected =
          isNew ? QStringList{"a.dat", "b.dat", "n.dat"} : QStringList{"a.dat", "b.dat"};
      EXPECT_EQ(FilesHere(), expected) << "step " << step;
      QFile::remove("n.dat");
    }
    EXPECT_GT(step, 12);
    ASSERT_GE(outcomes.size(), 2u);
    EXPECT_TRUE(std::find(outcomes.begin(), outcomes.end(), true) != outcomes.end())
        << "a kill after the commit is finished by the next taker";
    // The last two kills came once the undoing was recorded.
    EXPECT_EQ(outcomes.end()[-2], !lastRenameFails);
    EXPECT_EQ(outcomes.back(), !lastRenameFails);
    EXPECT_EQ(readBytes("a.dat"), lastRenameFails ? "a-old\r\n" : "a-new\r\n");
  }
};

TEST_F(KilledTransaction, leavesAllOrNothing) { ExpectAllOrNothing(false); }
TEST_F(KilledTransaction, killedAroundAFailedRenameOrItsUndoLeavesAllOrNothing) {
  ExpectAllOrNothing(true);
}

// Every file under `root` with its bytes, for comparing a folder tree byte for byte.
std::map<QString, QByteArray> TreeBytes(const QString& root) {
  std::map<QString, QByteArray> tree;
  QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    QFile f(file);
    tree[file] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
  }
  return tree;
}

class PlantedRecord : public InTempDir {};

TEST_F(PlantedRecord, isRemovedWithoutTouchingAnyOtherFile) {
  // The data folder is a folder of its own; the victims lie beside it and in it.
  const QByteArray parent = QDir::currentPath().toUtf8();
  ASSERT_TRUE(QDir::current().mkdir("data"));
  writeBytes("victim.txt", "mine\n");
  writeBytes(".victim.txt.~abcdef", "planted\n");
  writeBytes("data/keep.dat", "1\r\n");
  EnterFolder("data");
  { StoreLock first; }  // whatever the lock itself leaves is there before the records
  const QByteArray records[] = {
      "undoing\nabcdef\n0../victim.txt\n",
      "committed\nabcdef\n1../victim.txt\n",
      "undoing\nabcdef\n0" + parent + "/victim.txt\n",
      "begun\nabcdef\n0" + parent + "/victim.txt\n",
      QByteArray("undoing\nabcdef\n0keep.dat\0/../x\n", 31),  // the system reads "keep.dat"
      "undoing\nabcdef\n0..\n",
      "undoing\n../../\n0victim.txt\n",
      "undoing\nabcdef\n0ok.dat\n0sub/victim.txt\n",
  };
  for (const QByteArray& record : records) {
    const auto before = TreeBytes(QString::fromUtf8(parent));
    writeBytes("data/.rova_commit", record);
    { StoreLock lock; }
    EXPECT_EQ(TreeBytes(QString::fromUtf8(parent)), before) << record.constData();
  }
}

TEST_F(Rewrite, transactionRefusesNamesOutsideTheDataFolder) {
  FileTransaction transaction;
  transaction.Stage("a.dat", "1\r\n");
  transaction.Stage("../b.dat", "2\r\n");
  EXPECT_EQ(MessageOf([&] { transaction.Commit(); }), "Invalid filename");
  EXPECT_EQ(FilesHere(), QStringList());
}

}  // namespace
}  // namespace rova
