// SPDX-License-Identifier: GPL-3.0-or-later
// The formula markup of the handbook's texts: any text is laid out or
// refused with std::invalid_argument, never read past its end.
#include <QGuiApplication>
#include <stdexcept>

#include "controls/program_fonts.h"
#include "fuzz_support.h"
#include "handbook/formula_text.h"

// The font library keeps what it loads when the application starts until
// the process ends; that is no leak of the layout.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rova;
  // Measuring text needs the application's fonts.
  static int argc = 1;
  static char name[] = "formula_text_fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* created = new QGuiApplication(argc, argv);
    RegisterProgramFonts();
    return created;
  }();
  (void)app;
  PieceBlock block;
  try {
    LayOutFormulaText({10, 20, QString::fromUtf8(fuzz::Bytes(data, size))}, block);
  } catch (const std::invalid_argument&) {
  }
  return 0;
}
