// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>

#include "textio/data_file.h"
#include "textio/program_error.h"

namespace rova {

// The exclusive lock of the data folder (DataFolder()), held while the object
// lives, by every operation that changes the store: registration, log-in, a
// check and every rewrite. It is a record lock on a regular file, so that
// copies on other machines sharing the folder over NFSv4 or SMB wait for it
// too:
//   - in a prepared class folder, "lock" in the subfolder ".rova_lock.d",
//     which only the class folder's owner (or root) may change: a pupil can
//     lock the file but not delete or replace it;
//   - elsewhere ".rova_lock" in the folder, created with the folder's mode.
//     A classmate may delete or replace it; whoever then takes the lock takes
//     another file, so every step checks before its rename that its lock is
//     still the named file and is redone when it is not (WithStoreLock).
// The lock is never waited for with a blocking call: it is tried
// kStoreLockAttempts times, with a pause between tries (about 10 s in all),
// and then the folder is busy ("I/O error 11", ErrorKind::FolderBusy) and
// nothing has changed. The first taker in a process finishes a commit that
// another copy left unfinished when it died. The lock nests within one
// process. Throws ProgramError.
class StoreLock {
 public:
  StoreLock();
  ~StoreLock();
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

  // One try only: false when another copy holds the lock.
  static bool TryOnce(const std::function<void()>& underLock);
};

constexpr int kStoreLockAttempts = 500;
constexpr std::chrono::milliseconds kStoreLockPause{20};

// What runs between two tries: by default a plain sleep of `pause`. The
// window layer installs one that lets the windows paint meanwhile. Returns
// the previous one.
using StoreLockPause = std::function<void(std::chrono::milliseconds pause)>;
StoreLockPause SetStoreLockPause(StoreLockPause pause);

// Thrown by a step whose lock was taken from under it (the lock file deleted
// or replaced by a classmate, or a file it read replaced meanwhile) before
// it changed anything; WithStoreLock redoes the step. Shown like a busy
// folder if it ever reaches a window.
class StoreLockLost : public ProgramError {
 public:
  StoreLockLost();
};

bool StoreLockHeld();

// How often a step is redone before the folder counts as busy.
constexpr int kStoreStepRedos = kStoreLockAttempts;

// Runs `step` under the store lock and returns what it returns; a step that
// finds its lock lost before its rename is run again under a new lock. Inside
// a step already under the lock it just runs `step`.
template <class Step>
auto WithStoreLock(Step&& step) -> decltype(step()) {
  if (StoreLockHeld()) return step();
  for (int redo = 0;; ++redo) {
    try {
      StoreLock lock;
      return step();
    } catch (const StoreLockLost&) {
      if (redo == kStoreStepRedos) throw ProgramError::FolderBusy();
    }
  }
}

// The folder the held lock belongs to.
StoreFolder LockedFolder();

// Before a step's rename: throws StoreLockLost unless the lock file this
// copy locked is still the named one, and `name` (when this step read it)
// is still the file it read.
void RequireStoreLockStillHeld(const QByteArray& name = {});

// The data file reader's note of a file read under the lock, so that a
// rewrite can tell whether another copy replaced it meanwhile.
void NoteReadUnderStoreLock(const StoreFolder& folder, const QByteArray& name, const struct stat& info);
// Whether this step read `name` under the lock, and which file it was.
bool ReadUnderStoreLock(const QByteArray& name, dev_t* device, ino_t* inode);
// A rewrite's note that `name` is now the file it renamed there.
void NoteWrittenUnderStoreLock(const QByteArray& name);

// The subfolder of a prepared class folder that keeps its lock.
inline constexpr char kLockFolderName[] = ".rova_lock.d";
inline constexpr char kPreparedLockName[] = "lock";

// Prepares the class folder at `path` so that no pupil can delete its lock:
// makes ".rova_lock.d" (owned by the caller, writable by the owner only,
// with the folder's group) holding "lock", a file the folder's group (and
// others, where they may write the folder) can lock. Run by the class
// folder's owner or root, when no copy of the program works in it. Returns
// what went wrong in Lithuanian, or an empty text.
QString PrepareClassFolder(const QString& path);

// Whether the folder at `path` is so prepared and trusted: ".rova_lock.d" a
// real folder of the class folder's owner or root that no one else may
// write, holding a regular "lock".
bool IsClassFolderPrepared(const QString& path);

}  // namespace rova
