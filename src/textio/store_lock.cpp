// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/store_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <thread>
#include <utility>
#include <vector>

#include "textio/posix_file.h"
#include "textio/store_transaction.h"

namespace rova {

using namespace posix;

namespace {

constexpr char kFolderLockName[] = ".rova_lock";
// How often a lock file that is no usable file is replaced before the folder
// counts as busy: a classmate planting one in a loop must not keep a copy
// here for ever.
constexpr int kLockReplacements = 20;

struct FileRead {
  QByteArray name;
  dev_t device;
  ino_t inode;
};

// The lock this process holds. The store is changed from the user-interface
// thread only, so this needs no guard.
struct HeldLock {
  int depth = 0;
  StoreFolder folder;
  bool prepared = false;
  int placeFd = -1;  // the folder that holds the lock file: ".rova_lock.d", or the data folder's
  dev_t placeDevice = 0;  // what stood at ".rova_lock.d" when taken
  ino_t placeInode = 0;
  QByteArray name;  // the lock file's name in its place
  int fd = -1;
  dev_t device = 0;
  ino_t inode = 0;
  std::vector<FileRead> reads;
};

HeldLock held;

StoreLockPause& Pause() {
  static StoreLockPause pause;
  return pause;
}

void PauseBeforeNextTry() {
  if (const StoreLockPause& pause = Pause()) {
    pause(kStoreLockPause);
  } else {
    std::this_thread::sleep_for(kStoreLockPause);
  }
}

bool SameFile(const struct stat& a, dev_t device, ino_t inode) {
  return a.st_dev == device && a.st_ino == inode;
}

// A prepared lock folder is trusted only when nobody but the class folder's
// owner or root made it and may change it: a pupil's own ".rova_lock.d" is a
// folder they could empty again.
bool IsTrustedLockFolder(const struct stat& classFolder, const struct stat& lockFolder) {
  return S_ISDIR(lockFolder.st_mode) && (lockFolder.st_uid == classFolder.st_uid || lockFolder.st_uid == 0) &&
         (lockFolder.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

void SayOnce(bool& said, const StoreFolder& folder, const char* text) {
  if (said) return;
  said = true;
  std::fprintf(stderr, "rova2004: %s: %s\n", qPrintable(folder.path()), text);
}

// Where the lock file lives, and what stood at ".rova_lock.d" when it was
// taken (nothing: 0 and 0). A copy that took the folder's own lock file
// while a classmate had moved the prepared folder away must notice it come
// back, and the other way round.
struct Place {
  int fd = -1;
  bool prepared = false;
  dev_t device = 0;
  ino_t inode = 0;
};

// What stands at ".rova_lock.d" now: its device and inode, or 0 and 0.
std::pair<dev_t, ino_t> LockFolderIdentity(const StoreFolder& folder) {
  struct stat info {};
  if (fstatat(folder.descriptor(), kLockFolderName, &info, AT_SYMLINK_NOFOLLOW) != 0) return {0, 0};
  return {info.st_dev, info.st_ino};
}

Place FindPlace(const StoreFolder& folder) {
  static bool saidUntrusted = false;
  const int fd = openat(folder.descriptor(), kLockFolderName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return {folder.descriptor(), false, 0, 0};
    SayOnce(saidUntrusted, folder, "„.rova_lock.d“ yra ne aplankas, todėl užraktas laikomas faile „.rova_lock“.");
    const auto [device, inode] = LockFolderIdentity(folder);
    return {folder.descriptor(), false, device, inode};
  }
  struct stat classInfo {}, info {};
  const bool known = fstat(folder.descriptor(), &classInfo) == 0 && fstat(fd, &info) == 0;
  if (known && IsTrustedLockFolder(classInfo, info)) return {fd, true, info.st_dev, info.st_ino};
  close(fd);
  SayOnce(saidUntrusted, folder,
          "„.rova_lock.d“ sukūrė ne aplanko savininkas arba į jį gali rašyti kiti, todėl juo "
          "nepasitikima: užraktas laikomas faile „.rova_lock“.");
  return {folder.descriptor(), false, info.st_dev, info.st_ino};
}

void ClosePlace(const Place& place) {
  if (place.prepared) close(place.fd);
}

// Puts a fresh lock file in place of what stands at ".rova_lock" and cannot
// be locked: a link, a FIFO, another user's file this user may not write.
// Replacing it is no worse than a classmate deleting it, which every step
// is ready for. A folder cannot be replaced and is refused, naming it.
void ReplaceFolderLockFile(const StoreFolder& folder, const ProgramError& why) {
  // Gone meanwhile: the next try creates it.
  if (why.kind() == ErrorKind::FileNotFound) return;
  const auto refuse = [&folder, &why] {
    ReportRefusal(folder, why);
    throw why;
  };
  if (why.obstacle() == FileObstacle::Folder) refuse();
  const QByteArray fresh = QByteArrayLiteral(".rova_lock.~") + NewCopyToken();
  const int fd = CreateDataFile(folder, fresh);
  if (fd < 0) refuse();
  close(fd);
  if (renameat(folder.descriptor(), fresh.constData(), folder.descriptor(), kFolderLockName) != 0) {
    unlinkat(folder.descriptor(), fresh.constData(), 0);
    refuse();
  }
  std::fprintf(stderr, "rova2004: %s: „.rova_lock“ pakeistas nauju užrakto failu.\n", qPrintable(folder.path()));
}

// The lock file of a folder not prepared: opened, created with the
// folder's mode when missing, replaced when it is no usable regular file.
int OpenFolderLockFile(const StoreFolder& folder) {
  const QString name = QString::fromLatin1(kFolderLockName);
  constexpr int kFlags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int replaced = 0;
  for (int tries = 0;; ++tries) {
    // A classmate deleting it in a loop must not keep this copy here for ever.
    if (replaced > kLockReplacements || tries > kStoreLockAttempts) throw ProgramError::FolderBusy();
    // Opened without O_CREAT first: creating takes the folder's own lock in
    // the kernel, which every copy would otherwise wait for on every take.
    const int fd = openat(folder.descriptor(), kFolderLockName, kFlags);
    if (fd >= 0) {
      struct stat info {};
      if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
      close(fd);
      ReplaceFolderLockFile(folder, DataFileError(folder, name, EACCES, true, false));
      ++replaced;
      continue;
    }
    if (errno == ENOENT) {
      // Created for writing, which is all a write lock needs.
      const int created = CreateDataFile(folder, kFolderLockName);
      if (created >= 0) return created;
      if (errno != EEXIST) throw DataFileError(folder, name, errno, true);
      continue;
    }
    const int error = errno;
    if (error != EACCES && error != EPERM && error != ELOOP && error != ENXIO && error != EISDIR) {
      throw DataFileError(folder, name, error, true);
    }
    ReplaceFolderLockFile(folder, DataFileError(folder, name, error, true, false));
    ++replaced;
  }
}

int OpenPreparedLockFile(const StoreFolder& folder, const Place& place) {
  const QString name = QStringLiteral("%1/%2").arg(QLatin1String(kLockFolderName), QLatin1String(kPreparedLockName));
  const int fd = openat(place.fd, kPreparedLockName, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  struct stat info {};
  if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
  const int error = fd >= 0 ? EACCES : errno;
  if (fd >= 0) close(fd);
  // Only the class folder's owner can change what stands here: say what.
  ProgramError refusal = ProgramError::FromErrno(error, name);
  if (fstatat(place.fd, kPreparedLockName, &info, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(info.st_mode)) {
    refusal = ProgramError::NotARegularFile(name, ObstacleOf(info.st_mode));
  } else if (error == EACCES || error == EPERM) {
    refusal = ProgramError::FromErrno(error, name, FileObstacle::NotWritable);
  }
  ReportRefusal(folder, refusal);
  throw refusal;
}

// Whether the lock file locked through `fd` is still the one named, in the
// place still named so: a deleted, replaced or moved one lets another copy
// in. Right after taking the lock the place was just looked at
// (`checkPlace` false); before a rename it is looked at again.
bool StillNamed(const StoreFolder& folder, int fd, int placeFd, const char* name, dev_t placeDevice,
                ino_t placeInode, bool checkPlace, struct stat* lockedInfo = nullptr) {
  struct stat locked {}, named {};
  if (fstat(fd, &locked) != 0 || locked.st_nlink == 0) return false;
  if (lockedInfo) *lockedInfo = locked;
  if (fstatat(placeFd, name, &named, AT_SYMLINK_NOFOLLOW) != 0) return false;
  if (!SameFile(named, locked.st_dev, locked.st_ino)) return false;
  return !checkPlace || LockFolderIdentity(folder) == std::make_pair(placeDevice, placeInode);
}

enum class Try { Taken, Busy, Moved };

// One try at the lock, without waiting: an open file description lock where
// the kernel has them (it belongs to this open, not to the process), else a
// classic record lock.
Try TryToTake(const StoreFolder& folder) {
  const Place place = FindPlace(folder);
  int fd = -1;
  try {
    fd = place.prepared ? OpenPreparedLockFile(folder, place) : OpenFolderLockFile(folder);
  } catch (...) {
    ClosePlace(place);
    throw;
  }
  const char* name = place.prepared ? kPreparedLockName : kFolderLockName;
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  int locked = fcntl(fd, F_OFD_SETLK, &whole);
  if (locked != 0 && errno == EINVAL) locked = fcntl(fd, F_SETLK, &whole);
  if (locked != 0) {
    const int error = errno;
    close(fd);
    ClosePlace(place);
    if (error == EAGAIN || error == EACCES || error == EINTR) return Try::Busy;
    throw ProgramError::FromErrno(error, QString::fromLatin1(name));
  }
  struct stat info {};
  if (!StillNamed(folder, fd, place.fd, name, place.device, place.inode, false, &info)) {
    close(fd);
    ClosePlace(place);
    return Try::Moved;
  }
  held.folder = folder;
  held.prepared = place.prepared;
  held.placeFd = place.fd;
  held.placeDevice = place.device;
  held.placeInode = place.inode;
  held.name = name;
  held.fd = fd;
  held.device = info.st_dev;
  held.inode = info.st_ino;
  held.reads.clear();
  held.depth = 1;
  return Try::Taken;
}

void Release() {
  // Closing the only descriptor of the lock file releases its lock.
  close(held.fd);
  if (held.prepared) close(held.placeFd);
  held = HeldLock{};
}

// The first taker finishes what a copy that died left.
void RecoverOrRelease() {
  try {
    FinishInterruptedCommit();
  } catch (...) {
    Release();
    throw;
  }
}

}  // namespace

StoreLock::StoreLock() {
  if (held.depth > 0) {
    ++held.depth;
    return;
  }
  const StoreFolder folder = DataFolder();
  int moved = 0;
  for (int attempt = 1;;) {
    const Try outcome = TryToTake(folder);
    if (outcome == Try::Taken) break;
    if (outcome == Try::Moved) {
      // Deleted or replaced between the open and the check: at once again.
      if (++moved > kStoreLockAttempts) throw ProgramError::FolderBusy();
      continue;
    }
    if (attempt == kStoreLockAttempts) throw ProgramError::FolderBusy();
    ++attempt;
    PauseBeforeNextTry();
  }
  RecoverOrRelease();
}

StoreLock::~StoreLock() {
  if (--held.depth == 0) Release();
}

bool StoreLock::TryOnce(const std::function<void()>& underLock) {
  if (held.depth > 0) {
    underLock();
    return true;
  }
  const StoreFolder folder = DataFolder();
  Try outcome = Try::Moved;
  for (int moved = 0; outcome == Try::Moved && moved <= kLockReplacements; ++moved) outcome = TryToTake(folder);
  if (outcome != Try::Taken) return false;
  RecoverOrRelease();
  try {
    underLock();
  } catch (...) {
    Release();
    throw;
  }
  Release();
  return true;
}

StoreLockPause SetStoreLockPause(StoreLockPause pause) { return std::exchange(Pause(), std::move(pause)); }

StoreLockLost::StoreLockLost() : ProgramError(ProgramError::FolderBusy()) {}

bool StoreLockHeld() { return held.depth > 0; }

StoreFolder LockedFolder() { return held.depth > 0 ? held.folder : DataFolder(); }

void RequireStoreLockStillHeld(const QByteArray& name) {
  if (held.depth == 0) return;
  if (!StillNamed(held.folder, held.fd, held.placeFd, held.name.constData(), held.placeDevice, held.placeInode,
                  true)) {
    throw StoreLockLost();
  }
  if (name.isEmpty()) return;
  for (const FileRead& read : held.reads) {
    if (read.name != name) continue;
    struct stat now {};
    if (fstatat(held.folder.descriptor(), name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
        !SameFile(now, read.device, read.inode)) {
      throw StoreLockLost();
    }
  }
}

void NoteReadUnderStoreLock(const StoreFolder& folder, const QByteArray& name, const struct stat& info) {
  if (held.depth == 0 || folder.descriptor() != held.folder.descriptor()) return;
  for (FileRead& read : held.reads) {
    if (read.name == name) {
      read.device = info.st_dev;
      read.inode = info.st_ino;
      return;
    }
  }
  held.reads.push_back({name, info.st_dev, info.st_ino});
}

bool ReadUnderStoreLock(const QByteArray& name, dev_t* device, ino_t* inode) {
  if (held.depth == 0) return false;
  for (const FileRead& read : held.reads) {
    if (read.name != name) continue;
    *device = read.device;
    *inode = read.inode;
    return true;
  }
  return false;
}

void NoteWrittenUnderStoreLock(const QByteArray& name) {
  if (held.depth == 0) return;
  std::erase_if(held.reads, [&name](const FileRead& read) { return read.name == name; });
}

QString PrepareClassFolder(const QString& path) {
  StoreFolder folder;
  try {
    folder = StoreFolder::Open(path);
  } catch (const ProgramError&) {
    return QStringLiteral("Nepavyko atverti klasės aplanko %1.").arg(path);
  }
  struct stat classInfo {};
  if (fstat(folder.descriptor(), &classInfo) != 0) {
    return QStringLiteral("Nepavyko atverti klasės aplanko %1.").arg(path);
  }
  if (geteuid() != 0 && geteuid() != classInfo.st_uid) {
    return QStringLiteral("Klasės aplanką %1 paruošti gali tik jo savininkas arba administratorius.").arg(path);
  }
  // Readable and searchable as the class folder is, writable by its maker only.
  const mode_t folderMode = (classInfo.st_mode & 0555) | 0700;
  if (mkdirat(folder.descriptor(), kLockFolderName, 0700) != 0 && errno != EEXIST) {
    return QStringLiteral("Nepavyko sukurti aplanko %1/%2.").arg(path, QLatin1String(kLockFolderName));
  }
  const int lockFolder = openat(folder.descriptor(), kLockFolderName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  struct stat info {};
  if (lockFolder < 0 || fstat(lockFolder, &info) != 0 || info.st_uid != geteuid()) {
    if (lockFolder >= 0) close(lockFolder);
    return QStringLiteral("%1/%2 jau yra, bet tai ne šio naudotojo aplankas: pašalinkite jį ir paruoškite "
                          "aplanką iš naujo.")
        .arg(path, QLatin1String(kLockFolderName));
  }
  // The lock file may be locked by whoever may write the class folder.
  mode_t lockMode = 0600;
  if (classInfo.st_mode & S_IWGRP) lockMode |= 0060;
  if (classInfo.st_mode & S_IWOTH) lockMode |= 0006;
  QString problem;
  if (fchown(lockFolder, geteuid(), classInfo.st_gid) != 0 || fchmod(lockFolder, folderMode) != 0) {
    problem = QStringLiteral("Nepavyko nustatyti aplanko %1/%2 teisių.").arg(path, QLatin1String(kLockFolderName));
  }
  const int lock = openat(lockFolder, kPreparedLockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  struct stat lockInfo {};
  if (lock < 0 || fstat(lock, &lockInfo) != 0 || !S_ISREG(lockInfo.st_mode) ||
      fchown(lock, geteuid(), classInfo.st_gid) != 0 || fchmod(lock, lockMode) != 0) {
    if (problem.isEmpty()) {
      problem = QStringLiteral("Nepavyko sukurti užrakto failo %1/%2/%3.")
                    .arg(path, QLatin1String(kLockFolderName), QLatin1String(kPreparedLockName));
    }
  }
  if (lock >= 0) close(lock);
  close(lockFolder);
  return problem;
}

bool IsClassFolderPrepared(const QString& path) {
  try {
    const StoreFolder folder = StoreFolder::Open(path);
    const Place place = FindPlace(folder);
    if (!place.prepared) return false;
    struct stat info {};
    const bool hasLock = fstatat(place.fd, kPreparedLockName, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode);
    ClosePlace(place);
    return hasLock;
  } catch (const ProgramError&) {
    return false;
  }
}

}  // namespace rova
