// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

#include "textio/store_lock.h"

namespace rova {

// The store's crash-safe changes to the data folder (DataFolder()): whole-file
// rewrites, alone or several together, and the recovery of what a dead
// process left. Every name is a plain name in the folder ("Invalid filename"
// otherwise), opened relative to the folder's descriptor; every new file is
// created exclusively, never through a link, with the folder's mode (never
// the mode of the file it replaces). All failures throw ProgramError naming
// the file.

// Several whole-file rewrites that take effect together or not at all, even
// when the process dies or the power fails part-way. Stage() only records a
// file's new bytes; Commit() takes the store lock and then:
//   1. writes a short commit record (".rova_commit") that names the files and
//      the copies it is about to make;
//   2. writes and syncs a new copy of every file beside it (".name.~XXXXXX"),
//      and gives every file that exists a second name (the copy's name and
//      "~"): a hard link where the system allows one, else a copy of its
//      bytes, so that it works for any member of a class folder's group
//      whoever owns the file;
//   3. checks that its lock is still its own, marks the record committed and
//      syncs it: from here on the set is in;
//   4. renames every copy over its file, syncs the folder, and removes the
//      second names and the record.
// Whoever takes the store lock next finishes what the record says: copies
// of a record not yet committed are removed, a committed one is renamed into
// place. Recovery acts only on a record of plain names: one that names
// anything else was planted, and is reported on stderr and removed without
// touching another file. A failure of a step raises its error after putting
// every file back as it was. A file that is not a regular file, or has no
// write permission bit, is refused ("File access denied", naming it and
// what it is), even for a user who could write it.
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
// folder sync. Its one rename is its commit; a link, FIFO or socket at the
// name is replaced, never followed, and a file this step read under the
// lock is replaced only if it is still that file (else the step is redone,
// see WithStoreLock).
void RewriteFile(const QString& fileName, const QByteArray& bytes);

// Run by the first taker of the store lock: finishes the commit that a copy
// of the program left unfinished when it died.
void FinishInterruptedCommit();

// Once per run, as the login window opens: if the store lock is free at
// once, finishes an interrupted commit and removes every copy and second
// name that an interrupted rewrite left in the data folder (after a power
// cut the record of them may be lost). It never waits: when another copy
// holds the lock, or anything fails, the work is left to a later start.
void TidyDataFolder();

}  // namespace rova
