#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

namespace rova {

// Every data file is opened by its relative name in the working directory;
// the name goes to the system as UTF-8. All failures throw ProgramError.

// The longest file name, in bytes, that the file system of the working
// directory takes.
int MaxFileNameBytes();
// What a rewrite adds to a file's name for its new copy (".name.~XXXXXX")
// and for the second name a set of rewrites keeps of the old file (one more "~").
constexpr int kRewriteNameOverhead = 10;

// The whole file; a missing file is "File not found".
QByteArray ReadFileBytes(const QString& fileName);

// Lines as a person's editor may leave them: CR LF, LF or CR ends a line, and
// a last line without a line break still counts. No line holds CR or LF.
QList<QByteArray> SplitLines(const QByteArray& bytes);
QList<QByteArray> ReadLines(const QString& fileName);

// The bytes of a file that holds these lines, each ended by CR LF.
QByteArray JoinLines(const QList<QByteArray>& lines);

// A whole-file rewrite in two steps, so that several files can be prepared
// before any of them changes: the constructor writes and syncs a new copy in
// the same folder, Commit() puts it in place of the old file with one rename.
// A rewrite that is never committed removes its copy and leaves the old file
// as it was. A file without write permission bits is refused with "File
// access denied", as a read-only file is, even for a user who could write it.
class PendingRewrite {
 public:
  PendingRewrite(const QString& fileName, const QByteArray& bytes);
  ~PendingRewrite();
  PendingRewrite(PendingRewrite&& other) noexcept;
  PendingRewrite& operator=(PendingRewrite&&) = delete;
  PendingRewrite(const PendingRewrite&) = delete;
  PendingRewrite& operator=(const PendingRewrite&) = delete;

  void Commit();
  const QString& fileName() const { return fileName_; }

 private:
  QString fileName_;
  QByteArray copyPath_;
  bool committed_ = false;
};

// Several whole-file rewrites that take effect together or not at all. Stage()
// writes and syncs each new copy, so a full disk or a read-only file fails
// there with nothing changed; Commit() then puts the files in place in the
// order staged, and if one cannot be put in place it brings back those it
// had already replaced (and removes those that did not exist) before it
// throws.
class FileTransaction {
 public:
  FileTransaction() = default;
  ~FileTransaction();
  FileTransaction(const FileTransaction&) = delete;
  FileTransaction& operator=(const FileTransaction&) = delete;

  void Stage(const QString& fileName, const QByteArray& bytes);
  void Commit();

 private:
  struct Replaced {
    QString fileName;
    QByteArray backupPath;  // a second name of the old file; empty when there was none
    bool existed = false;
  };
  void RollBack(const std::vector<Replaced>& replaced);

  std::vector<PendingRewrite> staged_;
};

// Rewrites one file whole: new copy, flush, sync, rename.
void RewriteFile(const QString& fileName, const QByteArray& bytes);

// An exclusive advisory lock on an existing file, held while the object
// lives, so that two copies of the program cannot interleave a read and a
// rewrite of the same file. Rewrites replace the file, so the lock follows the
// name: after waiting it checks that it holds the file now under that name.
class FileLock {
 public:
  explicit FileLock(const QString& fileName);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // The locked file's whole content.
  QByteArray ReadAll();

 private:
  QString fileName_;
  int fd_ = -1;
};

}  // namespace rova
