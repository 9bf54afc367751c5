#include <QApplication>
#include <QScreen>

#include "help/help_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
