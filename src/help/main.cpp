// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QScreen>

#include "help/help_identity.h"
#include "help/help_window.h"

int main(int argc, char** argv) {
  if (const auto code = rova::PrepareProgramStart(argc, argv, rova::help::HelpProgramIdentity())) return *code;
  QApplication app(argc, argv);
  rova::IdentifyProgram(rova::help::HelpProgramIdentity());
  QCoreApplication::setApplicationName(QStringLiteral("ROVA 2004 - Pagalba"));
  rova::help::HelpWindow window;
  // Centred like the program's own windows.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect place = window.frameGeometry();
    place.moveCenter(screen->availableGeometry().center());
    window.move(place.topLeft());
  }
  window.show();
  return QApplication::exec();
}
