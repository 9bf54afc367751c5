#include <QApplication>
#include <cstdio>

#include "app/data_folder.h"
#include "app/program_identity.h"
#include "app/startup.h"
#include "controls/program_fonts.h"
#include "textio/program_error.h"
#include "window/error_box.h"

int main(int argc, char** argv) {
  if (const auto code = rova::PrepareProgramStart(argc, argv, rova::MainProgramIdentity())) return *code;
  QApplication app(argc, argv);
  // Lets the desktop match the windows with the installed menu entry and icon.
  rova::IdentifyProgram(rova::MainProgramIdentity());
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
