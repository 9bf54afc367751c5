#include <QApplication>

#include "app/startup.h"
#include "controls/program_fonts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  rova::RegisterProgramFonts();
  return rova::RunProgram();
}
