// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace rova {

// The store's crash-safe changes to the data folder (the working directory):
// whole-file rewrites, alone or several together, the lock that every change
// takes, and the recovery of what a dead process left. Names go to the system
// as UTF-8; all failures throw ProgramError.

// Several whole-file rewrites that take effect together or not at all, even
// when the process dies or the power fails part-way. Stage() only records a
// file's new bytes; Commit() takes the store lock and then:
//   1. writes a short commit record (".rova_commit") that names the files and
//      the copies it is about to make;
//   2. writes and syncs a new copy of every file beside it (".name.~XXXXXX"),
//      and gives every file that exists a second name (the copy's name and
//      "~"), so that a failure can bring it back;
//   3. marks the record committed and syncs it: from here on the set is in;
//   4. renames every copy over its file, syncs the folder, and removes the
//      second names and the record.
// Whoever takes the store lock next finishes what the record says: copies
// of a record not yet committed are removed, a committed one is renamed into
// place. A transaction of several files takes only plain names in the data
// folder ("Invalid filename" otherwise), and recovery acts only on a record
// of such names: one that names anything else was planted, and is reported
// on stderr and removed without touching another file. A failure of a step raises its error after putting every file back
// as it was. A file that is not a regular file, or has no write permission
// bit, is refused with "File access denied", even for a user who could write
// it. A single file needs none of this: its one rename is the commit, and
// its copy has a fixed name (".rova_copy") that the next taker of the lock
// removes.
class FileTransaction {
 public:
  FileTransaction() = default;
  FileTransaction(const FileTransaction&) = delete;
  FileTransaction& operator=(const FileTransaction&) = delete;

  void Stage(const QString& fileName, const QByteArray& bytes);
  void Commit();

 private:
  std::vector<std::pair<QString, QByteArray>> staged_;
};

// Rewrites one file whole under the store lock: new copy, sync, rename,
// folder sync.
void RewriteFile(const QString& fileName, const QByteArray& bytes);

// The exclusive lock of the data folder (the working directory), held while
// the object lives, by every operation that changes the store: registration,
// log-in, a check and every rewrite. It is a record lock on the hidden file
// ".rova_lock", which it creates with the folder's usual mode, so that copies
// on other machines sharing the folder over NFSv4 or SMB wait for it too. The first taker in a process finishes a
// commit that another copy of the program left unfinished when it died. The
// lock nests within one process. Throws ProgramError.
class StoreLock {
 public:
  StoreLock();
  ~StoreLock();
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;
};

// Once per run, as the login window opens: takes the store lock, finishing an
// interrupted commit, and removes every copy and second name that an
// interrupted rewrite left in the data folder (after a power cut the record
// of them may be lost). A failure leaves the work to the next operation,
// which shows its error.
void TidyDataFolder();

}  // namespace rova
