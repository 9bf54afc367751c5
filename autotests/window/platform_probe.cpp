// SPDX-License-Identifier: GPL-3.0-or-later
// Starts as the package's programs start and prints the Qt platform it got
// and the list of platforms Qt was asked for.
#include <QGuiApplication>
#include <cstdio>

#include "window/program_start.h"

int main(int argc, char** argv) {
  static const rova::ProgramIdentity probe{"platform_probe", "platform_probe", "", ""};
  if (const auto code = rova::PrepareProgramStart(argc, argv, probe)) return *code;
  QGuiApplication app(argc, argv);
  std::printf("%s %s\n", qPrintable(QGuiApplication::platformName()), qgetenv("QT_QPA_PLATFORM").constData());
  return 0;
}
