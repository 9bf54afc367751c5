#include <QApplication>
#include <cstdio>

#include "textio/data_folder.h"
#include "app/startup.h"
#include "controls/program_fonts.h"
#include "textio/program_error.h"
#include "window/error_box.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Lets the desktop match the windows with the installed menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("lt.rova2004.Rova2004"));
  rova::RegisterProgramFonts();
  // Wherever it is started from (menu, terminal, scripts/run.sh), the program
  // works in its own data folder.
  if (const QString problem = rova::EnterDataFolder(); !problem.isEmpty()) {
    std::fprintf(stderr, "rova2004: %s\n", qPrintable(problem));
    rova::ShowErrorBox(nullptr, rova::ProgramError(problem));
    return 1;
  }
  return rova::RunProgram();
}
