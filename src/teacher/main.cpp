// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

#include "teacher/command_line.h"
#include "teacher/ui/teacher_window.h"
#include "window/program_start.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "rova2004-teacher: %s\n", qPrintable(message));
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Folder and file names are bytes: one that is no text of the system's
  // encoding is refused rather than decoded into another name.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) {
    const QByteArray bytes(argv[i]);
    arguments << QFile::decodeName(bytes);
    if (QFile::encodeName(arguments.last()) != bytes) {
      return Fail(QStringLiteral("%1: vardas nėra UTF-8 tekstas, programa jo neatvers (not UTF-8 text)")
                      .arg(QString::fromUtf8(bytes)));
    }
  }
  const rova::teacher::CommandLine line = rova::teacher::ParseCommandLine(arguments);
  if (!line.error.isEmpty()) return Fail(line.error + QStringLiteral("\n") + rova::teacher::HelpText());
  if (line.help || line.version) {
    std::fputs(qPrintable(line.help ? rova::teacher::HelpText() : rova::teacher::VersionText()), stdout);
    return 0;
  }

  if (!line.exportFile.isEmpty()) {
    QCoreApplication app(argc, argv);
    QString message;
    const int code = rova::teacher::RunExport(line, &message);
    if (code != 0) Fail(message);
    return code;
  }

  // The display check and the platform choice of every program of the package;
  // --help and --version were answered above with the teacher's own texts.
  static const rova::ProgramIdentity identity{"rova2004-teacher", "lt.rova2004.Rova2004.Teacher", ""};
  if (const auto code = rova::PrepareProgramStart(argc, argv, identity)) return *code;
  QApplication app(argc, argv);
  // The window class the desktop entry's StartupWMClass names.
  QCoreApplication::setApplicationName(QStringLiteral("rova2004-teacher"));
  rova::IdentifyProgram(identity);
  QString problem;
  const QStringList folders = rova::teacher::FoldersToRead(line, &problem);
  rova::teacher::TeacherWindow window;
  // As large as a class table wants, within the screen at any scale.
  const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
  window.resize(QSize(1100, 700).boundedTo(available * 9 / 10));
  window.show();
  if (!problem.isEmpty()) window.ShowProblem(problem);
  else window.OpenFolders(folders);
  return QApplication::exec();
}
