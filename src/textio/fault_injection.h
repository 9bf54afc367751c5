// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rova {

// The steps of the text-file layer at which a test can make a file fail.
enum class FaultOp {
  Open,    // opening the file for reading (or for the lock of a check)
  Read,    // reading its bytes
  Create,  // starting a rewrite: creating the new copy beside it; a read-only
           // file or folder fails here
  Write,   // writing the new copy's bytes (ENOSPC here is a full disk)
  Sync,    // flushing the new copy to the disk
  Rename,  // replacing the old file by the complete new copy
  Record,  // writing, marking or removing the commit record (".rova_commit")
  SyncFolder,  // syncing the folder after the renames
};

// Makes one operation on one file fail with an errno while the object lives.
// Tests run as root, where permission bits stop nothing, so this seam is how
// a read-only file, a read-only folder or a full disk is shown:
//
//   rova::ScopedFault readOnly("user.dat", rova::FaultOp::Create, EACCES);
//   // RegisterUser(...) now throws "File access denied"; no file changes.
//
// The name is the relative name the program opens ("user.dat",
// "jonas_1-2.dat"); "*" matches every file, e.g. a read-only folder:
//   rova::ScopedFault folder("*", rova::FaultOp::Create, EACCES);
// Faults nest; the newest matching one wins. Not thread-safe: the program's
// file work runs on the user-interface thread.
class ScopedFault {
 public:
  ScopedFault(QString fileName, FaultOp op, int errorCode);
  ~ScopedFault();
  ScopedFault(const ScopedFault&) = delete;
  ScopedFault& operator=(const ScopedFault&) = delete;

  // How many times this fault has fired.
  int hits() const { return hits_; }

 private:
  friend int InjectedFault(const QString& fileName, FaultOp op);
  QString fileName_;
  FaultOp op_;
  int errorCode_;
  int hits_ = 0;
};

// Kills the process with SIGKILL, as a power cut or kill -9 would stop it, at
// the n-th step (counting from 1) that the text-file layer takes on any file
// while the object lives. For tests that run the operation in a forked child
// and look at what the files say afterwards.
class ScopedCrash {
 public:
  explicit ScopedCrash(int step);
  ~ScopedCrash();
  ScopedCrash(const ScopedCrash&) = delete;
  ScopedCrash& operator=(const ScopedCrash&) = delete;
};

// Used by the text-file layer before each operation: the errno to fail with,
// or 0 when no fault is armed for this file and step.
int InjectedFault(const QString& fileName, FaultOp op);

}  // namespace rova
