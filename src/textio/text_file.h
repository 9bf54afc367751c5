#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>
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

// The whole file; a missing file is "File not found", one that is not a
// regular file "File access denied" (see InputFile).
QByteArray ReadFileBytes(const QString& fileName);

// Lines as a person's editor may leave them: CR LF, LF or CR ends a line, and
// a last line without a line break still counts. No line holds CR or LF.
QList<QByteArray> SplitLines(const QByteArray& bytes);
QList<QByteArray> ReadLines(const QString& fileName);

// The bytes of a file that holds these lines, each ended by CR LF.
QByteArray JoinLines(const QList<QByteArray>& lines);

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

// At start-up: takes the store lock, finishing an interrupted commit, and
// removes every copy and second name that an interrupted rewrite left in the
// data folder (after a power cut the record of them may be lost). A failure
// leaves the work to the next operation, which shows its error.
void TidyDataFolder();

// A data file open for reading. A missing file is "File not found"; a FIFO,
// socket or device is "File access denied" at once, without waiting on it.
class InputFile {
 public:
  explicit InputFile(const QString& fileName);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Up to `capacity` bytes; 0 only at the end of the file.
  qsizetype Read(char* buffer, qsizetype capacity);

  // A reader of files it does not trust: once more than `bytes` in all would
  // be read, Read throws "File too large" instead.
  void LimitTo(qsizetype bytes) { limit_ = bytes; }

 private:
  QString fileName_;
  int fd_ = -1;
  qsizetype limit_ = -1;  // none
  qsizetype taken_ = 0;
};

// Line 1 of a file, read no further than `limit` + 1 bytes: a longer line
// comes back cut to that length, so that the caller can tell it is too long.
QByteArray ReadFirstLine(const QString& fileName, qsizetype limit);

// Whether a user name can be the stem of file names up to `longestSuffix`
// bytes longer, rewrites' copies included: no path separator, not "." or "..",
// no control character, only characters of the code page, short enough.
bool IsUsableFileStem(const QString& stem, int longestSuffix);

}  // namespace rova
