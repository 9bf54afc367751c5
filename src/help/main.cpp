#include <QApplication>

#include "help/help_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("ROVA 2004 - Pagalba"));
  rova::help::HelpWindow window;
  window.show();
  return QApplication::exec();
}
