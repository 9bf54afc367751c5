// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/store_transaction.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "textio/data_file.h"
#include "textio/fault_injection.h"
#include "textio/posix_file.h"
#include "textio/program_error.h"
#include "textio/text_file.h"

namespace rova {

using namespace posix;

namespace {

constexpr char kRecordName[] = ".rova_commit";
// Working names of earlier releases, removed when met.
constexpr char kOldRecordDraftName[] = ".rova_commit.new";
constexpr char kOldSingleCopyName[] = ".rova_copy";
constexpr qsizetype kTokenLength = 6;
constexpr qsizetype kLongestRecord = 1 << 20;

const QString& RecordName() {
  static const QString name = QString::fromLatin1(kRecordName);
  return name;
}

[[noreturn]] void FailOn(const QString& fileName, int errorCode) {
  throw ProgramError::FromErrno(errorCode, fileName);
}

// What the record says of the transaction under way.
enum class Phase {
  Begun,      // copies may be half-written: remove them
  Committed,  // every copy is complete: put them in place
  Undoing,    // a rename failed: put every file back
};

struct Target {
  QByteArray name;  // a plain name in the data folder
  bool existed = false;
  ino_t copyInode = 0;  // once the copy is written
};

// ".name.~token": a copy beside its file; the second name of the old file
// has one "~" more.
QByteArray CopyName(const QByteArray& name, const QByteArray& token) { return "." + name + ".~" + token; }

struct Plan {
  int folderFd = -1;
  QByteArray token;  // shared by every copy of one transaction
  std::vector<Target> targets;

  QByteArray CopyOf(const Target& target) const { return CopyName(target.name, token); }
  QByteArray SecondNameOf(const Target& target) const { return CopyOf(target) + "~"; }
  QByteArray DraftName() const { return QByteArray(kRecordName) + ".~" + token; }
};

bool Exists(int folderFd, const QByteArray& name) {
  struct stat info {};
  return fstatat(folderFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

// Removing what may already be gone: a missing file is no failure.
void RemoveIfThere(int folderFd, const QByteArray& name) {
  if (unlinkat(folderFd, name.constData(), 0) != 0 && errno != ENOENT) FailOn(QString::fromUtf8(name), errno);
}

// Makes the renames durable: a power cut after this keeps them.
void SyncFolder(int folderFd) {
  CheckFault(QStringLiteral("."), FaultOp::SyncFolder);
  if (fsync(folderFd) != 0) FailOn(QStringLiteral("."), errno);
}

void WriteAndSync(int fd, const QString& fileName, const QByteArray& bytes, bool sync) {
  CheckFault(fileName, FaultOp::Write);
  WriteAll(fd, bytes, fileName);
  if (sync) {
    CheckFault(fileName, FaultOp::Sync);
    if (fsync(fd) != 0) FailOn(fileName, errno);
  }
}

ino_t InodeOf(int fd) {
  struct stat info {};
  return fstat(fd, &info) == 0 ? info.st_ino : 0;
}

// Gives an unnamed file its name; false, with errno set, when it cannot.
bool GiveName(int fd, int folderFd, const QByteArray& name) {
  const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
  if (linkat(AT_FDCWD, self.constData(), folderFd, name.constData(), AT_SYMLINK_FOLLOW) == 0) return true;
  return errno == ENOENT && linkat(fd, "", folderFd, name.constData(), AT_EMPTY_PATH) == 0;
}

// Writes and syncs the file before it has a name: a crash before the name
// is given leaves nothing behind, and syncing a file that has no name yet
// does not also write its folder, which the sync after the rename does
// once. 0 where the file system or the system has no unnamed files.
ino_t WriteUnnamedFirst(const StoreFolder& folder, const QByteArray& name, const QString& fileName,
                        const QByteArray& bytes, bool wantInode) {
  const NewFileRule rule = NewFileRuleOf(folder);
  const int fd = openat(folder.descriptor(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, rule.createMode);
  if (fd < 0) return 0;
  ino_t inode = 0;
  try {
    GiveFolderMode(folder, rule, fd);
    WriteAndSync(fd, fileName, bytes, true);
    if (!GiveName(fd, folder.descriptor(), name)) {
      if (errno != ENOENT && errno != EPERM) FailOn(fileName, errno);
      close(fd);
      return 0;
    }
    inode = wantInode ? InodeOf(fd) : 1;
  } catch (...) {
    close(fd);
    throw;
  }
  if (close(fd) != 0) {
    const int error = errno;
    unlinkat(folder.descriptor(), name.constData(), 0);
    FailOn(fileName, error);
  }
  return inode;
}

// Creates `name` anew, exclusively and with the folder's mode, holding
// `bytes`; with `sync`, the bytes are on the disk when it returns. Returns
// its inode when `wantInode`, else not 0. `fileName` names the file for the
// fault seam and messages.
ino_t WriteNewFile(const StoreFolder& folder, const QByteArray& name, const QString& fileName,
                   const QByteArray& bytes, bool sync, bool wantInode = false) {
  if (sync) {
    if (const ino_t inode = WriteUnnamedFirst(folder, name, fileName, bytes, wantInode)) return inode;
  }
  int fd = CreateDataFile(folder, name);
  if (fd < 0) {
    // Something planted at a fixed name (the record's) says what it is;
    // otherwise only the folder can be in the way.
    const int error = errno;
    if (error == EEXIST) throw DataFileError(folder, QString::fromUtf8(name), error, true);
    const bool denied = error == EACCES || error == EPERM || error == EROFS;
    const ProgramError failure =
        ProgramError::FromErrno(error, fileName, denied ? FileObstacle::FolderNotWritable : FileObstacle::None);
    if (denied) ReportRefusal(folder, failure);
    throw failure;
  }
  ino_t inode = 0;
  try {
    WriteAndSync(fd, fileName, bytes, sync);
    inode = wantInode ? InodeOf(fd) : 1;
    const int closed = close(fd);
    fd = -1;
    if (closed != 0) FailOn(fileName, errno);
  } catch (...) {
    if (fd >= 0) close(fd);
    unlinkat(folder.descriptor(), name.constData(), 0);
    throw;
  }
  return inode;
}

QByteArray RecordBytes(Phase phase, const Plan& plan) {
  static constexpr const char* kPhaseNames[] = {"begun", "committed", "undoing"};
  QByteArray bytes = QByteArray(kPhaseNames[int(phase)]) + "\n" + plan.token + "\n";
  for (const Target& target : plan.targets) bytes += (target.existed ? "1" : "0") + target.name + "\n";
  return bytes;
}

// The first state is written without a sync: until the commit nothing but
// new copies exists, and a power cut that loses the record leaves only
// copies, which start-up removes.
void BeginRecord(const StoreFolder& folder, const Plan& plan) {
  CheckFault(RecordName(), FaultOp::Record);
  WriteNewFile(folder, kRecordName, RecordName(), RecordBytes(Phase::Begun, plan), false);
}

// Replaces the record in one rename and syncs both, so that a power cut
// keeps either the old state or the new one whole.
void MarkRecord(const StoreFolder& folder, Phase phase, const Plan& plan) {
  CheckFault(RecordName(), FaultOp::Record);
  const QByteArray draft = plan.DraftName();
  WriteNewFile(folder, draft, RecordName(), RecordBytes(phase, plan), true);
  if (renameat(plan.folderFd, draft.constData(), plan.folderFd, kRecordName) != 0) {
    const int error = errno;
    unlinkat(plan.folderFd, draft.constData(), 0);
    FailOn(RecordName(), error);
  }
  SyncFolder(plan.folderFd);
}

void EndRecord(const Plan& plan) {
  CheckFault(RecordName(), FaultOp::Record);
  RemoveIfThere(plan.folderFd, kRecordName);
}

// Removes the copies and second names of a transaction that never reached
// its commit; the files themselves were not touched.
void Discard(const Plan& plan) {
  for (const Target& target : plan.targets) {
    unlinkat(plan.folderFd, plan.CopyOf(target).constData(), 0);
    unlinkat(plan.folderFd, plan.SecondNameOf(target).constData(), 0);
  }
  unlinkat(plan.folderFd, plan.DraftName().constData(), 0);
}

// Puts in place every copy still waiting; those already renamed are gone.
void RollForward(const Plan& plan) {
  for (const Target& target : plan.targets) {
    if (renameat(plan.folderFd, plan.CopyOf(target).constData(), plan.folderFd, target.name.constData()) != 0 &&
        errno != ENOENT) {
      FailOn(QString::fromUtf8(target.name), errno);
    }
  }
  SyncFolder(plan.folderFd);
  for (const Target& target : plan.targets) RemoveIfThere(plan.folderFd, plan.SecondNameOf(target));
}

// Brings back every file as it was before the transaction, from what the
// folder holds now, so that running it again after a crash does no harm.
void RollBack(const Plan& plan) {
  for (const Target& target : plan.targets) {
    const QByteArray copy = plan.CopyOf(target);
    if (target.existed) {
      const QByteArray secondName = plan.SecondNameOf(target);
      if (Exists(plan.folderFd, secondName)) {
        // When the file was never replaced by a hard link's copy this renames
        // it onto itself, which changes nothing and leaves the second name.
        if (renameat(plan.folderFd, secondName.constData(), plan.folderFd, target.name.constData()) != 0) {
          FailOn(QString::fromUtf8(target.name), errno);
        }
        RemoveIfThere(plan.folderFd, secondName);
      }
      RemoveIfThere(plan.folderFd, copy);
    } else if (Exists(plan.folderFd, copy)) {
      RemoveIfThere(plan.folderFd, copy);
    } else {
      // Renamed into place already; when this process made the copy, only
      // that very file is removed.
      struct stat now {};
      if (target.copyInode != 0 &&
          (fstatat(plan.folderFd, target.name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
           now.st_ino != target.copyInode)) {
        continue;
      }
      RemoveIfThere(plan.folderFd, target.name);
    }
  }
  SyncFolder(plan.folderFd);
}

bool IsToken(const QByteArray& token) {
  return token.size() == kTokenLength &&
         std::all_of(token.begin(), token.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

// ".name.~XXXXXX" or ".name.~XXXXXX~": a copy or second name a rewrite left.
bool IsLeftOverCopy(const char* name) {
  const qsizetype length = qsizetype(strlen(name));
  if (name[0] != '.') return false;
  qsizetype end = length;
  if (end > 0 && name[end - 1] == '~') --end;
  const qsizetype tokenStart = end - kTokenLength;
  if (tokenStart < 4 || name[tokenStart - 1] != '~' || name[tokenStart - 2] != '.') return false;
  for (qsizetype i = tokenStart; i < end; ++i) {
    const char c = name[i];
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

// A name the store itself gives a file of a transaction: a plain name in the
// data folder (no '/', no NUL or other control byte, not "." or ".."), not
// one of the store's own working names, and short enough that its second
// name fits the file system.
bool IsPlainStoreName(const QByteArray& name) {
  if (name.isEmpty() || name == "." || name == "..") return false;
  for (const char c : name) {
    if (c == '/' || static_cast<unsigned char>(c) < ' ' || c == 0x7F) return false;
  }
  if (name == kRecordName || name == kOldRecordDraftName || name == kOldSingleCopyName) return false;
  if (name == ".rova_lock" || name == kLockFolderName) return false;
  if (IsLeftOverCopy(name.constData())) return false;
  return name.size() + kRewriteNameOverhead <= MaxFileNameBytes();
}

enum class RecordState {
  Unreadable,  // cut short before its names: nothing was renamed yet
  Readable,
  Planted,  // names what the store never writes: not acted on
};

RecordState ParseRecord(const QByteArray& bytes, Phase* phase, Plan* plan) {
  // Only whole lines count: a record cut short by a power cut names at
  // least every copy that was made.
  QList<QByteArray> lines = bytes.left(bytes.lastIndexOf('\n') + 1).split('\n');
  if (!lines.isEmpty()) lines.removeLast();
  if (lines.size() < 2) return RecordState::Unreadable;
  if (lines[0] == "begun") {
    *phase = Phase::Begun;
  } else if (lines[0] == "committed") {
    *phase = Phase::Committed;
  } else if (lines[0] == "undoing") {
    *phase = Phase::Undoing;
  } else {
    return RecordState::Planted;
  }
  if (!IsToken(lines[1])) return RecordState::Planted;
  plan->token = lines[1];
  for (qsizetype i = 2; i < lines.size(); ++i) {
    const QByteArray& line = lines[i];
    if (line.size() < 2 || (line[0] != '0' && line[0] != '1')) return RecordState::Planted;
    const QByteArray name = line.mid(1);
    if (!IsPlainStoreName(name)) return RecordState::Planted;
    plan->targets.push_back({name, line[0] == '1', 0});
  }
  return RecordState::Readable;
}

void SayOfRecord(const StoreFolder& folder, const char* what) {
  std::fprintf(stderr, "rova2004: %s: „.rova_commit“ %s\n", qPrintable(folder.path()), what);
}

// What stands at the record's name when it is no regular file: a crash
// never leaves such a thing. Removed when it can be (removing a link never
// touches what it points at); a folder stays, and a registration then names
// it.
void RemovePlantedRecord(const StoreFolder& folder) {
  if (unlinkat(folder.descriptor(), kRecordName, 0) == 0) {
    SayOfRecord(folder, "nėra paprastas failas, programa jo nerašė: pašalintas.");
  } else {
    static bool said = false;
    if (!said) {
      said = true;
      SayOfRecord(folder, "yra aplankas, o ne programos įrašas: kol jis nepašalintas, naujų mokinių "
                          "registruoti negalima.");
    }
  }
}

// The record's bytes; `absent` when there is none, `planted` when what is
// there is no record of the program's.
QByteArray ReadRecord(const StoreFolder& folder, bool* absent, bool* planted) {
  *absent = false;
  *planted = false;
  const int fd = openat(folder.descriptor(), kRecordName, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    if (errno == ENOENT) {
      *absent = true;
      return {};
    }
    // A link, a socket, or a file the class may not read: the program
    // writes its record readable by whoever may write the folder.
    if (errno == ELOOP || errno == ENXIO || errno == EACCES || errno == EPERM) {
      *planted = true;
      return {};
    }
    throw DataFileError(folder, RecordName(), errno, false);
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kLongestRecord) {
    close(fd);
    *planted = true;
    return {};
  }
  QByteArray bytes;
  try {
    CheckFault(RecordName(), FaultOp::Read);
    char buffer[8192];
    for (;;) {
      const ssize_t got = read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) FailOn(RecordName(), errno);
      if (got == 0 || bytes.size() + got > kLongestRecord) break;
      bytes.append(buffer, got);
    }
  } catch (...) {
    close(fd);
    throw;
  }
  close(fd);
  return bytes;
}

}  // namespace

void FinishInterruptedCommit() {
  const StoreFolder folder = LockedFolder();
  const int folderFd = folder.descriptor();
  bool absent = false;
  bool planted = false;
  const QByteArray bytes = ReadRecord(folder, &absent, &planted);
  if (absent) return;
  if (planted) {
    RemovePlantedRecord(folder);
    return;
  }
  Phase phase = Phase::Begun;
  Plan plan;
  plan.folderFd = folderFd;
  const RecordState state = ParseRecord(bytes, &phase, &plan);
  if (state == RecordState::Planted) {
    // A crash never leaves such a record; someone put it here. It is
    // removed below, so this is said once.
    SayOfRecord(folder, "nurodo ne duomenų aplanko failus, programa jo nerašė: pašalintas, nurodymai nevykdyti.");
  } else if (state == RecordState::Readable) {
    switch (phase) {
      case Phase::Begun:
        Discard(plan);
        break;
      case Phase::Committed:
        RollForward(plan);
        break;
      case Phase::Undoing:
        RollBack(plan);
        break;
    }
    unlinkat(folderFd, plan.DraftName().constData(), 0);
  }
  RemoveIfThere(folderFd, kRecordName);
}

void TidyDataFolder() {
  try {
    StoreLock::TryOnce([] {
      const StoreFolder folder = LockedFolder();
      const int fd = dup(folder.descriptor());
      if (fd < 0) return;
      DIR* listing = fdopendir(fd);
      if (!listing) {
        close(fd);
        return;
      }
      // The copy of the descriptor shares its place in the listing.
      rewinddir(listing);
      std::vector<QByteArray> leftOvers;
      while (const dirent* entry = readdir(listing)) {
        if (IsLeftOverCopy(entry->d_name)) leftOvers.emplace_back(entry->d_name);
      }
      closedir(listing);
      for (const QByteArray& name : leftOvers) unlinkat(folder.descriptor(), name.constData(), 0);
      // What earlier releases left under fixed names.
      unlinkat(folder.descriptor(), kOldSingleCopyName, 0);
      unlinkat(folder.descriptor(), kOldRecordDraftName, 0);
    });
  } catch (const ProgramError&) {
    // The next operation takes the lock again and shows what is wrong.
  }
}

void FileTransaction::Stage(const QString& fileName, const QByteArray& bytes) {
  staged_.emplace_back(fileName, bytes);
}

namespace {

// The target of a rewrite as it stands: whether a file is there to replace.
// Only a regular file with a write permission bit is replaced in a set of
// rewrites; a single rewrite also replaces a link, FIFO or socket, which it
// never follows. A folder is refused.
bool CheckTarget(const StoreFolder& folder, const QByteArray& name, const QString& fileName, bool alone) {
  struct stat old {};
  if (fstatat(folder.descriptor(), name.constData(), &old, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT) return false;
    FailOn(fileName, errno);
  }
  if (S_ISREG(old.st_mode)) {
    if ((old.st_mode & 0222) != 0) return true;
    const ProgramError error = ProgramError::FromErrno(EACCES, fileName, FileObstacle::NotWritable);
    ReportRefusal(folder, error);
    throw error;
  }
  if (alone && !S_ISDIR(old.st_mode)) return true;
  const ProgramError error = ProgramError::NotARegularFile(fileName, ObstacleOf(old.st_mode));
  ReportRefusal(folder, error);
  throw error;
}

QByteArray PlainName(const QString& fileName) {
  const QByteArray name = QFile::encodeName(fileName);
  if (!IsPlainFileName(name) || name.contains('\n')) FailOn(fileName, EINVAL);
  return name;
}

// The second name of an existing file, so that a failure can bring it back:
// a hard link where the system allows one, else a synced copy of its bytes
// (a class folder's file of another pupil can be linked only by its owner
// where hard links are protected, and some file systems have none).
void KeepSecondName(const StoreFolder& folder, const Plan& plan, const Target& target, const QString& fileName) {
  const QByteArray second = plan.SecondNameOf(target);
  if (linkat(plan.folderFd, target.name.constData(), plan.folderFd, second.constData(), 0) == 0) return;
  if (errno != EPERM && errno != EACCES && errno != EXDEV && errno != EMLINK && errno != EOPNOTSUPP) {
    FailOn(fileName, errno);
  }
  QByteArray bytes;
  {
    DataFile old(folder, fileName, kListFileLimit);
    bytes = old.ReadAll();
  }
  WriteNewFile(folder, second, fileName, bytes, true);
}

void CommitOne(const StoreFolder& folder, const QString& fileName, const QByteArray& bytes) {
  const int folderFd = folder.descriptor();
  CheckFault(fileName, FaultOp::Create);
  const QByteArray name = PlainName(fileName);
  CheckTarget(folder, name, fileName, true);
  const QByteArray copy = CopyName(name, NewCopyToken());
  WriteNewFile(folder, copy, fileName, bytes, true);
  try {
    RequireStoreLockStillHeld();
    CheckFault(fileName, FaultOp::Rename);
    dev_t readDevice = 0;
    ino_t readInode = 0;
    const bool read = ReadUnderStoreLock(name, &readDevice, &readInode);
    if (read && renameat2(folderFd, copy.constData(), folderFd, name.constData(), RENAME_EXCHANGE) == 0) {
      // Swapped in one step: the copy's name now holds what was there, which
      // must be the file this step read; else another copy wrote it after
      // this one read it, and its file goes back.
      struct stat displaced {};
      if (fstatat(folderFd, copy.constData(), &displaced, AT_SYMLINK_NOFOLLOW) != 0 ||
          displaced.st_dev != readDevice || displaced.st_ino != readInode) {
        renameat2(folderFd, copy.constData(), folderFd, name.constData(), RENAME_EXCHANGE);
        throw StoreLockLost();
      }
      unlinkat(folderFd, copy.constData(), 0);
    } else {
      // Gone since it was read, or a file system without the swap: the
      // check by name, then the plain rename.
      if (read) RequireStoreLockStillHeld(name);
      if (renameat(folderFd, copy.constData(), folderFd, name.constData()) != 0) FailOn(fileName, errno);
    }
  } catch (...) {
    unlinkat(folderFd, copy.constData(), 0);
    throw;
  }
  NoteWrittenUnderStoreLock(name);
  SyncFolder(folderFd);
}

void CommitSet(const StoreFolder& folder, const std::vector<std::pair<QString, QByteArray>>& staged) {
  Plan plan;
  plan.folderFd = folder.descriptor();
  plan.targets.reserve(staged.size());
  for (const auto& [fileName, bytes] : staged) {
    CheckFault(fileName, FaultOp::Create);
    // The record keeps one name a line, and its recovery takes only plain
    // names in the data folder.
    const QByteArray name = PlainName(fileName);
    if (!IsPlainStoreName(name)) FailOn(fileName, EINVAL);
    plan.targets.push_back({name, CheckTarget(folder, name, fileName, false), 0});
  }
  plan.token = NewCopyToken();
  BeginRecord(folder, plan);
  try {
    for (std::size_t i = 0; i < staged.size(); ++i) {
      Target& target = plan.targets[i];
      target.copyInode = WriteNewFile(folder, plan.CopyOf(target), staged[i].first, staged[i].second, true, true);
      if (target.existed) KeepSecondName(folder, plan, target, staged[i].first);
    }
    for (const Target& target : plan.targets) RequireStoreLockStillHeld(target.name);
    MarkRecord(folder, Phase::Committed, plan);
  } catch (...) {
    Discard(plan);
    unlinkat(plan.folderFd, kRecordName, 0);
    throw;
  }

  for (std::size_t i = 0; i < staged.size(); ++i) {
    const Target& target = plan.targets[i];
    try {
      CheckFault(staged[i].first, FaultOp::Rename);
      if (renameat(plan.folderFd, plan.CopyOf(target).constData(), plan.folderFd, target.name.constData()) != 0) {
        // A copy that took the lock from under this one may have finished
        // the committed record already: then the file is this copy's.
        const int error = errno;
        struct stat now {};
        if (error != ENOENT || fstatat(plan.folderFd, target.name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
            now.st_ino != target.copyInode) {
          FailOn(staged[i].first, error);
        }
      }
    } catch (...) {
      try {
        MarkRecord(folder, Phase::Undoing, plan);
        RollBack(plan);
        unlinkat(plan.folderFd, kRecordName, 0);
      } catch (const ProgramError&) {
        // The record says committed or undoing: the next taker of the lock
        // finishes whichever it is.
      }
      throw;
    }
    NoteWrittenUnderStoreLock(target.name);
  }
  SyncFolder(plan.folderFd);
  for (const Target& target : plan.targets) {
    if (target.existed) unlinkat(plan.folderFd, plan.SecondNameOf(target).constData(), 0);
  }
  EndRecord(plan);
}

}  // namespace

void FileTransaction::Commit() {
  const std::vector<std::pair<QString, QByteArray>> staged = std::move(staged_);
  staged_.clear();
  if (staged.empty()) return;
  WithStoreLock([&staged] {
    const StoreFolder folder = LockedFolder();
    if (staged.size() == 1) {
      CommitOne(folder, staged.front().first, staged.front().second);
    } else {
      CommitSet(folder, staged);
    }
  });
}

void RewriteFile(const QString& fileName, const QByteArray& bytes) {
  FileTransaction transaction;
  transaction.Stage(fileName, bytes);
  transaction.Commit();
}

}  // namespace rova
