// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon into the folder given on the command line, laid
// out as the hicolor theme wants it: hicolor/<n>x<n>/apps/rova2004.png and
// hicolor/scalable/apps/rova2004.svg.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "emblem.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "rova_icongen: %s\n", qPrintable(message));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) return Fail(QStringLiteral("usage: rova_icongen <output folder>"));
  const QDir out(QString::fromLocal8Bit(argv[1]));

  for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(side);
    const QString file = out.filePath(folder + QStringLiteral("/rova2004.png"));
    if (!out.mkpath(folder) || !rova::figgen::EmblemIcon(side).save(file, "PNG")) {
      return Fail(QStringLiteral("cannot write %1").arg(file));
    }
  }
  const QString folder = QStringLiteral("hicolor/scalable/apps");
  QFile svg(out.filePath(folder + QStringLiteral("/rova2004.svg")));
  const QByteArray bytes = rova::figgen::EmblemSvg();
  if (!out.mkpath(folder) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      svg.write(bytes) != bytes.size()) {
    return Fail(QStringLiteral("cannot write %1").arg(svg.fileName()));
  }
  return 0;
}
