#include <QApplication>
#include <QCoreApplication>
#include <QScreen>
#include <cstdio>

#include "teacher/command_line.h"
#include "teacher/ui/teacher_window.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "rova2004-teacher: %s\n", qPrintable(message));
  return 2;
}

// A display, or a screen plugin that needs none (offscreen, for tests).
bool HasDisplay() {
  if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
  const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
  return !platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) &&
         !platform.startsWith(QLatin1String("wayland"));
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
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

  // Checked before Qt starts, which would abort without a display.
  if (!HasDisplay()) {
    return Fail(QStringLiteral(
        "nėra ekrano (nenustatytas nei DISPLAY, nei WAYLAND_DISPLAY); suvestinę be ekrano įrašo --export\n"
        "rova2004-teacher: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); use --export without one"));
  }
  QApplication app(argc, argv);
  // The window class the desktop entry's StartupWMClass names.
  QCoreApplication::setApplicationName(QStringLiteral("rova2004-teacher"));
  QGuiApplication::setDesktopFileName(QStringLiteral("lt.rova2004.Rova2004.Teacher"));
  QString problem;
  const QStringList folders = rova::teacher::FoldersToRead(line, &problem);
  rova::teacher::TeacherWindow window;
  window.resize(1100, 700);
  window.show();
  if (!problem.isEmpty()) window.ShowProblem(problem);
  else window.OpenFolders(folders);
  return QApplication::exec();
}
