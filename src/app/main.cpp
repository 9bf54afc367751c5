// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/data_folder_option.h"
#include "app/program_identity.h"
#include "app/startup.h"
#include "controls/program_fonts.h"

int main(int argc, char** argv) {
  if (const auto code = rova::PrepareProgramStart(argc, argv, rova::MainProgramIdentity())) return *code;
  QApplication app(argc, argv);
  // Lets the desktop match the windows with the installed menu entry and icon.
  rova::IdentifyProgram(rova::MainProgramIdentity());
  rova::RegisterProgramFonts();
  // Wherever it is started from (menu, terminal, scripts/run.sh), the program
  // works in the data folder chosen for it.
  if (const int code = rova::EnterDataFolderOrExplain(rova::ArgumentBytes(argc, argv)); code != 0) return code;
  return rova::RunProgram();
}
