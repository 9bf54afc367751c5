#include <QApplication>

#include "accounts/session_file.h"
#include "app/data_folder_option.h"
#include "app/startup.h"
#include "controls/program_fonts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Lets the desktop match the windows with the installed menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("lt.rova2004.Rova2004"));
  rova::RegisterProgramFonts();
  // Wherever it is started from (menu, terminal, scripts/run.sh), the program
  // works in the data folder chosen for it.
  if (const int code = rova::EnterDataFolderOrExplain(QCoreApplication::arguments()); code != 0) return code;
  // This copy's own pupil, apart from other copies working in the same folder.
  const rova::CopySession session;
  return rova::RunProgram();
}
