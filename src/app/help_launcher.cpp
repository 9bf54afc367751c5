// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace rova {

ProgramSearch CurrentProgramSearch() {
  const QString path = qEnvironmentVariable("PATH");
  return {QCoreApplication::applicationDirPath(), QDir::currentPath(),
          path.split(QDir::listSeparator(), Qt::SkipEmptyParts)};
}

QString FindProgram(const QString& name, const ProgramSearch& search) {
  QStringList folders{search.ownFolder, search.workingFolder};
  folders += search.pathFolders;
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    const QFileInfo candidate(QDir(folder), name);
    if (candidate.isFile() && candidate.isExecutable()) return candidate.absoluteFilePath();
  }
  return {};
}

bool StartHelpProgram(const ProgramSearch& search) {
  const QString program = FindProgram(QString::fromLatin1(kHelpProgramName), search);
  if (program.isEmpty()) return false;
  return QProcess::startDetached(program, {}, QDir::currentPath());
}

}  // namespace rova
