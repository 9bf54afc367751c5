// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rova::teacher {

// A file the teacher's program writes, outside every data folder it reads.
// The new content goes into a file of its own beside the target, made
// exclusively (nothing already at its name is opened, a link least of all),
// and is renamed over the target once complete and synced: a link planted at
// the target's name is replaced, never written through, and a failure leaves
// the old file as it was. Throws ProgramError.
class ExportFile {
 public:
  // Opens the target's folder and refuses it when it is one of `dataFolders`
  // or lies anywhere beneath one: the class's results would be readable to
  // every pupil there. Folders are compared as the system finds them
  // (device and inode), so a link or another path to them changes nothing.
  ExportFile(const QString& target, const QStringList& dataFolders);
  ~ExportFile();
  ExportFile(const ExportFile&) = delete;
  ExportFile& operator=(const ExportFile&) = delete;

  // A name that opens the new file itself, for a writer that takes only a
  // name: it cannot be swapped for another file by anyone renaming names in
  // the target's folder.
  QString OpenName() const;
  void Write(const QByteArray& bytes);
  // Syncs the new file, renames it over the target and syncs the folder.
  void Commit();

 private:
  void Open(const QStringList& dataFolders);
  void Release();
  [[noreturn]] void Fail(int errorCode) const;

  QString target_;
  QByteArray targetName_;  // in its folder
  QByteArray newName_;     // the new file's, in the same folder
  int folder_ = -1;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace rova::teacher
