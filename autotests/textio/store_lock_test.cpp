// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include "error_message.h"
#include "store_lock_holder.h"
#include "temp_dir.h"
#include "textio/data_file.h"
#include "textio/store_lock.h"
#include "textio/store_transaction.h"

namespace rova {
namespace {

using testing::InTempDir;
using testing::MessageOf;

class StoreLockTest : public InTempDir {};

TEST_F(StoreLockTest, aLockHeldByAnotherCopyEndsInABusyFolderAfterItsTriesWithNothingChanged) {
  writeBytes("f.dat", "1\r\n");
  {
    const testing::StoreLockHolder holder;
    ASSERT_TRUE(holder.holding());
    const testing::CountedStoreLockPauses pauses;
    try {
      RewriteFile("f.dat", "2\r\n");
      FAIL() << "written under another copy's lock";
    } catch (const ProgramError& error) {
      EXPECT_EQ(error.kind(), ErrorKind::FolderBusy);
      EXPECT_EQ(MessageBoxText(error), "I/O error 11.");
    }
    EXPECT_EQ(pauses.count, kStoreLockAttempts - 1) << "one pause between two tries";
    EXPECT_EQ(kStoreLockAttempts * kStoreLockPause, std::chrono::seconds(10));
    EXPECT_EQ(readBytes("f.dat"), "1\r\n");

    // The tidy-up as the login window opens does not wait at all.
    TidyDataFolder();
    EXPECT_EQ(pauses.count, kStoreLockAttempts - 1);
  }
  RewriteFile("f.dat", "2\r\n");
  EXPECT_EQ(readBytes("f.dat"), "2\r\n");
}

TEST_F(StoreLockTest, aStepWhoseLockFileIsDeletedOrWhoseFileIsReplacedIsRedone) {
  writeBytes("f.dat", "1\r\n");
  struct Row {
    const char* what;
    std::function<void()> mischief;  // done once, by "a classmate", after the step has read f.dat
  };
  const Row rows[] = {
      {"lock file deleted", [] { ASSERT_EQ(unlink(".rova_lock"), 0); }},
      {"lock file replaced",
       [this] {
         writeBytes("other", "");
         ASSERT_EQ(rename("other", ".rova_lock"), 0);
       }},
      {"the file read replaced by another copy's rewrite",
       [this] {
         writeBytes("other", "5\r\n");
         ASSERT_EQ(rename("other", "f.dat"), 0);
       }},
  };
  for (const Row& row : rows) {
    int runs = 0;
    WithStoreLock([&] {
      ++runs;
      const QByteArray read = DataFile(LockedFolder(), QStringLiteral("f.dat"), kSmallFileLimit).ReadAll();
      if (runs == 1) row.mischief();
      RewriteFile("f.dat", QByteArray::number(read.trimmed().toInt() + 1) + "\r\n");
    });
    EXPECT_EQ(runs, 2) << row.what;
  }
  // Each second run counted from what it read: 2, 3, then the replaced 5 + 1.
  EXPECT_EQ(readBytes("f.dat"), "6\r\n");
}

TEST_F(StoreLockTest, aLockFileThatCannotBeLockedIsReplacedButAFolderIsNamed) {
  ASSERT_EQ(mkfifo(".rova_lock", 0600), 0);
  RewriteFile("f.dat", "1\r\n");
  EXPECT_TRUE(QFileInfo(".rova_lock").isFile());
  ASSERT_TRUE(QFile::remove(".rova_lock"));
  ASSERT_TRUE(QDir().mkdir(".rova_lock"));
  try {
    RewriteFile("f.dat", "2\r\n");
    FAIL() << "a folder at the lock's name";
  } catch (const ProgramError& error) {
    EXPECT_EQ(error.message(), "File access denied");
    EXPECT_EQ(error.fileName(), ".rova_lock");
    EXPECT_EQ(error.obstacle(), FileObstacle::Folder);
  }
  EXPECT_EQ(readBytes("f.dat"), "1\r\n");
}

TEST_F(StoreLockTest, aPreparedClassFolderKeepsItsLockWhereOnlyItsOwnerMayChangeIt) {
  ASSERT_EQ(chmod(".", 02770), 0);
  EXPECT_FALSE(IsClassFolderPrepared(QDir::currentPath()));
  EXPECT_EQ(PrepareClassFolder(QDir::currentPath()), QString());
  EXPECT_TRUE(IsClassFolderPrepared(QDir::currentPath()));
  struct stat folder {}, lock {};
  ASSERT_EQ(lstat(".rova_lock.d", &folder), 0);
  ASSERT_EQ(lstat(".rova_lock.d/lock", &lock), 0);
  EXPECT_EQ(folder.st_mode & 07777, 0750u) << "the group may reach the lock, not delete it";
  EXPECT_EQ(lock.st_mode & 07777, 0660u) << "the group may lock it";

  RewriteFile("f.dat", "1\r\n");
  EXPECT_FALSE(exists(".rova_lock")) << "the prepared lock is the one taken";

  // Moved away by a classmate (a folder's name in a group-writable folder can
  // be): the steps that follow take the folder's own lock file.
  int runs = 0;
  WithStoreLock([&] {
    if (++runs == 1) {
      ASSERT_EQ(rename(".rova_lock.d", "moved"), 0);
    }
    RewriteFile("f.dat", "2\r\n");
  });
  EXPECT_EQ(runs, 2);
  EXPECT_TRUE(exists(".rova_lock"));

  // A lock folder that the group may write, or that a pupil made, is not trusted.
  ASSERT_EQ(rename("moved", ".rova_lock.d"), 0);
  ASSERT_EQ(chmod(".rova_lock.d", 0770), 0);
  EXPECT_FALSE(IsClassFolderPrepared(QDir::currentPath()));
  ASSERT_EQ(chmod(".rova_lock.d", 0750), 0);
  ASSERT_EQ(chown(".rova_lock.d", 4242, 4242), geteuid() == 0 ? 0 : -1);
  EXPECT_EQ(IsClassFolderPrepared(QDir::currentPath()), geteuid() != 0);
  ASSERT_EQ(chmod(".", 0700), 0);
}

}  // namespace
}  // namespace rova
