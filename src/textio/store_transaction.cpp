// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/store_transaction.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "textio/fault_injection.h"
#include "textio/posix_file.h"
#include "textio/program_error.h"
#include "textio/text_file.h"

namespace rova {

using namespace posix;

namespace {

void WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t put = write(fd, data, left);
    if (put < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    data += put;
    left -= put;
  }
}

}  // namespace

// ---- The commit record ------------------------------------------------------

namespace {

constexpr char kRecordName[] = ".rova_commit";
// The next state of the record, written and synced before it replaces it.
constexpr char kRecordDraftName[] = ".rova_commit.new";
constexpr qsizetype kTokenLength = 6;
constexpr qsizetype kLongestRecord = 1 << 20;

const QString& RecordName() {
  static const QString name = QString::fromLatin1(kRecordName);
  return name;
}

// What the record says of the transaction under way.
enum class Phase {
  Begun,      // copies may be half-written: remove them
  Committed,  // every copy is complete: put them in place
  Undoing,    // a rename failed: put every file back
};

struct Target {
  QByteArray path;  // the file's name as the system takes it
  bool existed = false;
  mode_t mode = 0;
};

struct Plan {
  QByteArray token;  // shared by every copy of one transaction
  std::vector<Target> targets;

  // ".name.~token" in the file's own folder, so that a rename never crosses
  // file systems; the second name of the old file has one "~" more.
  QByteArray CopyOf(const Target& target) const {
    const qsizetype base = target.path.lastIndexOf('/') + 1;
    return target.path.left(base) + "." + target.path.mid(base) + ".~" + token;
  }
  QByteArray SecondNameOf(const Target& target) const { return CopyOf(target) + "~"; }
};

// The copy of a rewrite of one file: only one is made at a time, under the
// store lock, so its name can be fixed and known to the next taker of the
// lock.
constexpr char kSingleCopyName[] = ".rova_copy";

QByteArray SingleCopyOf(const QByteArray& path) {
  return path.left(path.lastIndexOf('/') + 1) + kSingleCopyName;
}

QByteArray NewToken() {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  QByteArray token(kTokenLength, '0');
  for (char& c : token) c = kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)];
  return token;
}

bool Exists(const QByteArray& path) {
  struct stat info {};
  return lstat(path.constData(), &info) == 0;
}

// Removing what may already be gone: a missing file is no failure.
void RemoveIfThere(const QByteArray& path) {
  if (unlink(path.constData()) != 0 && errno != ENOENT) Fail(errno);
}

QByteArray FolderOf(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

int storeLockDepth = 0;
int storeLockFd = -1;  // the working directory while the store lock is held

void SyncFolder(const QByteArray& folder) {
  CheckFault(QString::fromUtf8(folder), FaultOp::SyncFolder);
  if (folder == "." && storeLockFd >= 0) {
    if (fsync(storeLockFd) != 0) Fail(errno);
    return;
  }
  const int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) Fail(errno);
  const int synced = fsync(fd);
  const int error = errno;
  close(fd);
  if (synced != 0) Fail(error);
}

// Makes the renames durable: a power cut after this keeps them.
void SyncFolders(const Plan& plan) {
  std::vector<QByteArray> folders;
  for (const Target& target : plan.targets) {
    QByteArray folder = FolderOf(target.path);
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
      folders.push_back(std::move(folder));
    }
  }
  for (const QByteArray& folder : folders) SyncFolder(folder);
}

void WriteAndSync(int fd, const QString& fileName, const QByteArray& bytes, bool sync, int mode) {
  if (mode >= 0 && fchmod(fd, static_cast<mode_t>(mode)) != 0) Fail(errno);
  CheckFault(fileName, FaultOp::Write);
  WriteAll(fd, bytes);
  if (sync) {
    CheckFault(fileName, FaultOp::Sync);
    if (fsync(fd) != 0) Fail(errno);
  }
}

// Gives an unnamed file its name; false, with errno set, when it cannot.
bool GiveName(int fd, const QByteArray& path) {
  const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
  if (linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0) {
    return true;
  }
  return errno == ENOENT &&
         linkat(fd, "", AT_FDCWD, path.constData(), AT_EMPTY_PATH) == 0;
}

// Writes and syncs the file before it has a name: a crash before the name
// is given leaves nothing behind, and syncing a file that has no name yet
// does not also write its folder, which the sync after the rename does
// once. False where the file system or the system has no unnamed files.
bool WriteUnnamedFirst(const QByteArray& path, const QString& fileName, const QByteArray& bytes,
                       int mode) {
  const int fd = open(FolderOf(path).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  try {
    WriteAndSync(fd, fileName, bytes, true, mode);
    if (!GiveName(fd, path)) {
      if (errno != ENOENT && errno != EPERM) FailOn(fileName, errno);
      close(fd);
      return false;
    }
  } catch (...) {
    close(fd);
    throw;
  }
  if (close(fd) != 0) {
    const int error = errno;
    unlink(path.constData());
    Fail(error);
  }
  return true;
}

// Creates `path` anew with `bytes`; with `sync`, the bytes are on the disk
// when it returns. `fileName` names the file for the fault seam.
void WriteNewFile(const QByteArray& path, const QString& fileName, const QByteArray& bytes,
                  bool sync, int mode = -1) {
  if (sync && WriteUnnamedFirst(path, fileName, bytes, mode)) return;
  int fd = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) FailOn(fileName, errno);
  try {
    WriteAndSync(fd, fileName, bytes, sync, mode);
    const int closed = close(fd);
    fd = -1;
    if (closed != 0) Fail(errno);
  } catch (...) {
    if (fd >= 0) close(fd);
    unlink(path.constData());
    throw;
  }
}

QByteArray RecordBytes(Phase phase, const Plan& plan) {
  static constexpr const char* kPhaseNames[] = {"begun", "committed", "undoing"};
  QByteArray bytes = QByteArray(kPhaseNames[int(phase)]) + "\n" + plan.token + "\n";
  for (const Target& target : plan.targets) {
    bytes += (target.existed ? "1" : "0") + target.path + "\n";
  }
  return bytes;
}

// The first state is written without a sync: until the commit nothing but
// new copies exists, and a power cut that loses the record leaves only
// copies, which start-up removes.
void BeginRecord(const Plan& plan) {
  CheckFault(RecordName(), FaultOp::Record);
  WriteNewFile(kRecordName, RecordName(), RecordBytes(Phase::Begun, plan), false);
}

// Replaces the record in one rename and syncs both, so that a power cut
// keeps either the old state or the new one whole.
void MarkRecord(Phase phase, const Plan& plan) {
  CheckFault(RecordName(), FaultOp::Record);
  RemoveIfThere(kRecordDraftName);
  WriteNewFile(kRecordDraftName, RecordName(), RecordBytes(phase, plan), true);
  if (rename(kRecordDraftName, kRecordName) != 0) {
    const int error = errno;
    unlink(kRecordDraftName);
    Fail(error);
  }
  SyncFolder(".");
}

void EndRecord() {
  CheckFault(RecordName(), FaultOp::Record);
  RemoveIfThere(kRecordName);
}

// Removes the copies and second names of a transaction that never reached
// its commit; the files themselves were not touched.
void Discard(const Plan& plan) {
  for (const Target& target : plan.targets) {
    unlink(plan.CopyOf(target).constData());
    unlink(plan.SecondNameOf(target).constData());
  }
}

// Puts in place every copy still waiting; those already renamed are gone.
void RollForward(const Plan& plan) {
  for (const Target& target : plan.targets) {
    const QByteArray copy = plan.CopyOf(target);
    if (rename(copy.constData(), target.path.constData()) != 0 && errno != ENOENT) Fail(errno);
  }
  SyncFolders(plan);
  for (const Target& target : plan.targets) RemoveIfThere(plan.SecondNameOf(target));
}

// Brings back every file as it was before the transaction, from what the
// folder holds now, so that running it again after a crash does no harm.
void RollBack(const Plan& plan) {
  for (const Target& target : plan.targets) {
    const QByteArray copy = plan.CopyOf(target);
    if (target.existed) {
      const QByteArray secondName = plan.SecondNameOf(target);
      if (Exists(secondName)) {
        // When the file was never replaced this renames it onto itself,
        // which changes nothing and leaves the second name to remove.
        if (rename(secondName.constData(), target.path.constData()) != 0) Fail(errno);
        RemoveIfThere(secondName);
      }
      RemoveIfThere(copy);
    } else if (Exists(copy)) {
      RemoveIfThere(copy);
    } else {
      RemoveIfThere(target.path);
    }
  }
  SyncFolders(plan);
}

bool IsToken(const QByteArray& token) {
  return token.size() == kTokenLength &&
         std::all_of(token.begin(), token.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

bool IsLeftOverCopy(const char* name);

// A name the store itself gives a file of a transaction: a plain name in the
// data folder (no '/', no NUL or other control byte, not "." or ".."), not
// one of the store's own working names, and short enough that its second
// name fits the file system.
bool IsPlainStoreName(const QByteArray& name) {
  if (name.isEmpty() || name == "." || name == "..") return false;
  for (const char c : name) {
    if (c == '/' || static_cast<unsigned char>(c) < ' ' || c == 0x7F) return false;
  }
  if (name == kRecordName || name == kRecordDraftName || name == kSingleCopyName) return false;
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

// Finishes what a process that died left of its transaction.
void Recover() {
  // A read-only folder holds no copy to remove, and its writes fail anyway.
  if (unlink(kSingleCopyName) != 0 && errno != ENOENT && errno != EROFS) Fail(errno);
  const int fd = open(kRecordName, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return;
    Fail(errno == ELOOP || errno == ENXIO ? EACCES : errno);
  }
  QByteArray bytes;
  struct stat info {};
  const bool readable = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                        info.st_size <= kLongestRecord;
  try {
    if (readable) bytes = ReadDescriptor(fd, RecordName());
  } catch (...) {
    close(fd);
    throw;
  }
  close(fd);
  Phase phase = Phase::Begun;
  Plan plan;
  const RecordState state = ParseRecord(bytes, &phase, &plan);
  if (state == RecordState::Planted) {
    // A crash never leaves such a record; someone put it here. It is
    // removed below, so this is said once.
    std::fputs("ROVA 2004: .rova_commit names files that are not the data folder's own; "
               "removed without acting on it\n",
               stderr);
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
  }
  RemoveIfThere(kRecordDraftName);
  RemoveIfThere(kRecordName);
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

}  // namespace

namespace {

// The store's lock is a record lock on this hidden file, not a lock on the
// folder: network file systems honour record locks on regular files.
constexpr char kLockName[] = ".rova_lock";
int storeLockFileFd = -1;

// Waits for the exclusive lock of the whole file: an open file description
// lock where the kernel has them (it belongs to this open, not to the
// process), else a classic record lock; returns 0 or the error.
int LockWholeFile(int fd) {
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  while (fcntl(fd, F_OFD_SETLKW, &whole) != 0) {
    if (errno == EINTR) continue;
    if (errno != EINVAL) return errno;
    while (fcntl(fd, F_SETLKW, &whole) != 0) {
      if (errno != EINTR) return errno;
    }
    break;
  }
  return 0;
}

// The lock file, created with the folder's usual mode; only a regular file
// will do, so that nothing planted under its name can hang or mislead it.
int OpenLockFile() {
  constexpr int kFlags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  // Opened without O_CREAT first: creating takes the folder's own lock in
  // the kernel, which every copy would otherwise wait for on every take.
  int fd = open(kLockName, kFlags);
  if (fd < 0 && errno == ENOENT) fd = open(kLockName, kFlags | O_CREAT, 0666);
  if (fd < 0) Fail(errno == ELOOP || errno == ENXIO ? EACCES : errno);
  return RequireRegularFile(fd);
}

}  // namespace

StoreLock::StoreLock() {
  if (storeLockDepth > 0) {
    ++storeLockDepth;
    return;
  }
  const int folderFd = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd < 0) Fail(errno);
  int lockFd = -1;
  try {
    lockFd = OpenLockFile();
  } catch (...) {
    close(folderFd);
    throw;
  }
  if (const int error = LockWholeFile(lockFd)) {
    close(lockFd);
    close(folderFd);
    Fail(error);
  }
  storeLockFd = folderFd;
  storeLockFileFd = lockFd;
  storeLockDepth = 1;
  try {
    Recover();
  } catch (...) {
    storeLockDepth = 0;
    storeLockFd = -1;
    storeLockFileFd = -1;
    close(lockFd);
    close(folderFd);
    throw;
  }
}

StoreLock::~StoreLock() {
  if (--storeLockDepth == 0) {
    // Closing the only descriptor of the lock file releases its lock.
    close(storeLockFileFd);
    close(storeLockFd);
    storeLockFileFd = -1;
    storeLockFd = -1;
  }
}

void TidyDataFolder() {
  try {
    StoreLock lock;
    DIR* folder = opendir(".");
    if (!folder) return;
    std::vector<QByteArray> leftOvers;
    while (const dirent* entry = readdir(folder)) {
      if (IsLeftOverCopy(entry->d_name)) leftOvers.emplace_back(entry->d_name);
    }
    closedir(folder);
    for (const QByteArray& name : leftOvers) unlink(name.constData());
    unlink(kRecordDraftName);
  } catch (const ProgramError&) {
    // The next operation takes the lock again and shows what is wrong.
  }
}

void FileTransaction::Stage(const QString& fileName, const QByteArray& bytes) {
  staged_.emplace_back(fileName, bytes);
}

void FileTransaction::Commit() {
  const std::vector<std::pair<QString, QByteArray>> staged = std::move(staged_);
  staged_.clear();
  if (staged.empty()) return;
  StoreLock lock;

  Plan plan;
  plan.targets.reserve(staged.size());
  for (const auto& [fileName, bytes] : staged) {
    CheckFault(fileName, FaultOp::Create);
    Target target{NativeName(fileName), false, 0};
    // The record keeps one name a line, and its recovery takes only plain
    // names in the data folder.
    if (target.path.isEmpty() || target.path.contains('\n')) Fail(EINVAL);
    if (staged.size() > 1 && !IsPlainStoreName(target.path)) Fail(EINVAL);
    struct stat old {};
    if (stat(target.path.constData(), &old) == 0) {
      if (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0) Fail(EACCES);
      target.existed = true;
      target.mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
      FailOn(fileName, errno);
    }
    plan.targets.push_back(std::move(target));
  }
  if (plan.targets.size() == 1) {
    // One rename is atomic on its own: the copy needs no record, only a
    // name that the next taker of the lock knows to remove.
    const Target& target = plan.targets.front();
    const QByteArray copy = SingleCopyOf(target.path);
    // Taking the lock removed the one of the working directory.
    if (target.path.contains('/')) RemoveIfThere(copy);
    WriteNewFile(copy, staged.front().first, staged.front().second, true,
                 target.existed ? int(target.mode) : -1);
    try {
      CheckFault(staged.front().first, FaultOp::Rename);
      if (rename(copy.constData(), target.path.constData()) != 0) Fail(errno);
    } catch (...) {
      unlink(copy.constData());
      throw;
    }
    SyncFolders(plan);
    return;
  }

  plan.token = NewToken();
  BeginRecord(plan);
  try {
    for (std::size_t i = 0; i < staged.size(); ++i) {
      const Target& target = plan.targets[i];
      WriteNewFile(plan.CopyOf(target), staged[i].first, staged[i].second, true,
                   target.existed ? int(target.mode) : -1);
      if (target.existed && link(target.path.constData(), plan.SecondNameOf(target).constData()) != 0) {
        Fail(errno);
      }
    }
    MarkRecord(Phase::Committed, plan);
  } catch (...) {
    Discard(plan);
    unlink(kRecordName);
    throw;
  }

  for (std::size_t i = 0; i < staged.size(); ++i) {
    try {
      CheckFault(staged[i].first, FaultOp::Rename);
      const Target& target = plan.targets[i];
      if (rename(plan.CopyOf(target).constData(), target.path.constData()) != 0) Fail(errno);
    } catch (...) {
      try {
        MarkRecord(Phase::Undoing, plan);
        RollBack(plan);
        unlink(kRecordName);
      } catch (const ProgramError&) {
        // The record says committed or undoing: the next taker of the lock
        // finishes whichever it is.
      }
      throw;
    }
  }
  SyncFolders(plan);
  for (const Target& target : plan.targets) {
    if (target.existed) unlink(plan.SecondNameOf(target).constData());
  }
  EndRecord();
}

void RewriteFile(const QString& fileName, const QByteArray& bytes) {
  FileTransaction transaction;
  transaction.Stage(fileName, bytes);
  transaction.Commit();
}

}  // namespace rova
