// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/export_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <vector>

#include "teacher/class_overview.h"
#include "textio/program_error.h"

namespace rova::teacher {

namespace {

struct FolderIdentity {
  dev_t device;
  ino_t inode;
  bool operator==(const FolderIdentity&) const = default;
};

FolderIdentity IdentityOf(const struct stat& info) { return {info.st_dev, info.st_ino}; }

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  void reset(int fd) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

// Whether `folder` (an open folder) is one of `refused` or lies beneath one:
// walks up through "..", which the system resolves as it stands, to the root.
bool InsideAny(int folder, const std::vector<FolderIdentity>& refused) {
  struct stat info {};
  if (fstat(folder, &info) != 0) return false;
  Descriptor current(-1);
  int at = folder;
  // Deeper than any real path; the root ends the walk long before.
  for (int depth = 0; depth < 4096; ++depth) {
    for (const FolderIdentity& id : refused) {
      if (id == IdentityOf(info)) return true;
    }
    const int parent = openat(at, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0) return false;
    struct stat parentInfo {};
    if (fstat(parent, &parentInfo) != 0 || IdentityOf(parentInfo) == IdentityOf(info)) {
      close(parent);
      return false;
    }
    current.reset(parent);
    at = parent;
    info = parentInfo;
  }
  return false;
}

QByteArray NewFileName(const QByteArray& targetName) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  QByteArray name = "." + (targetName.size() > 200 ? QByteArray("rova2004-eksportas") : targetName) + ".~";
  for (int i = 0; i < 8; ++i) name += kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters - 1))];
  return name;
}

}  // namespace

ExportFile::ExportFile(const QString& target, const QStringList& dataFolders) : target_(target) {
  try {
    Open(dataFolders);
  } catch (...) {
    Release();
    throw;
  }
}

void ExportFile::Open(const QStringList& dataFolders) {
  const QFileInfo info(target_);
  targetName_ = QFile::encodeName(info.fileName());
  if (targetName_.isEmpty()) Fail(EISDIR);
  const QString folderName = info.absolutePath();
  folder_ = open(QFile::encodeName(folderName).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) {
    throw ProgramError(QStringLiteral("Aplankas %1 nerastas arba neatveriamas").arg(Printable(folderName)));
  }

  std::vector<FolderIdentity> refused;
  for (const QString& folder : dataFolders) {
    struct stat folderInfo {};
    if (stat(QFile::encodeName(folder).constData(), &folderInfo) == 0) refused.push_back(IdentityOf(folderInfo));
  }
  if (InsideAny(folder_, refused)) {
    throw ProgramError(
        QStringLiteral("Suvestinės negalima įrašyti į duomenų aplanką ar į aplanką jame (%1): ten ją "
                       "galėtų perskaityti mokiniai. Pasirinkite kitą aplanką")
            .arg(Printable(folderName)));
  }

  for (int attempt = 0; fd_ < 0; ++attempt) {
    newName_ = NewFileName(targetName_);
    fd_ = openat(folder_, newName_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0 && (errno != EEXIST || attempt > 100)) {
      const int error = errno;
      newName_.clear();
      Fail(error);
    }
  }
}

ExportFile::~ExportFile() { Release(); }

void ExportFile::Release() {
  if (fd_ >= 0) close(fd_);
  if (!committed_ && !newName_.isEmpty()) unlinkat(folder_, newName_.constData(), 0);
  if (folder_ >= 0) close(folder_);
  fd_ = folder_ = -1;
}

QString ExportFile::OpenName() const { return QStringLiteral("/proc/self/fd/%1").arg(fd_); }

void ExportFile::Write(const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = write(fd_, data, static_cast<size_t>(left));
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    data += written;
    left -= written;
  }
}

void ExportFile::Commit() {
  if (fsync(fd_) != 0) Fail(errno);
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) Fail(errno);
  if (renameat(folder_, newName_.constData(), folder_, targetName_.constData()) != 0) Fail(errno);
  committed_ = true;
  // The rename is what makes the export; a folder that cannot be synced
  // (some network file systems) keeps it all the same.
  fsync(folder_);
}

void ExportFile::Fail(int errorCode) const {
  throw ProgramError(
      QStringLiteral("%1: %2").arg(Printable(target_), ProgramError::FromErrno(errorCode).message()));
}

}  // namespace rova::teacher
