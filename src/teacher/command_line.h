// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace rova::teacher {

// rova2004-teacher [--data-folder DIR] [--export FILE.xlsx|FILE.csv] [FOLDER...]
struct CommandLine {
  QString dataFolder;  // --data-folder
  QString exportFile;  // --export: write it and exit, no window
  QStringList folders;
  bool help = false;
  bool version = false;
  QString error;  // what was wrong with the arguments; empty when none
};

// The arguments after the program's name.
CommandLine ParseCommandLine(const QStringList& arguments);

QString HelpText();
QString VersionText();

// The folders to read: those named, with --data-folder's first; with none
// named, the folder rova2004 would use. Sets `problem` when there is none.
QStringList FoldersToRead(const CommandLine& line, QString* problem);

// The export without a display: reads the folders, writes the file. Returns
// the exit code (0, or 2 with the message in `message`).
int RunExport(const CommandLine& line, QString* message);

}  // namespace rova::teacher
