// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon into the folder given on the command line, laid
// out as the hicolor theme wants it: hicolor/<n>x<n>/apps/rova2004.png and
// hicolor/scalable/apps/rova2004.svg; and the bitmaps the programs carry
// built in, as the PNGs decode, raw: builtin/rova2004_<n>.argb.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>
#include <cstdio>

#include "emblem.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "rova_icongen: %s\n", qPrintable(message));
  return 1;
}

// The image's width, height and QImage format as 32-bit little-endian
// numbers, then its rows of 32-bit pixels: the window icon needs no decoding
// at start-up.
bool WriteRaw(const QImage& image, const QString& file) {
  if (image.depth() != 32) return false;
  QByteArray bytes;
  for (const qint32 number : {image.width(), image.height(), static_cast<qint32>(image.format())}) {
    char le[4];
    qToLittleEndian(number, le);
    bytes.append(le, 4);
  }
  for (int y = 0; y < image.height(); ++y) {
    bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
  }
  QFile out(file);
  return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
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
    if (side == 22 || side == 24) continue;
    const QString raw = out.filePath(QStringLiteral("builtin/rova2004_%1.argb").arg(side));
    if (!out.mkpath(QStringLiteral("builtin")) || !WriteRaw(QImage(file), raw)) {
      return Fail(QStringLiteral("cannot write %1").arg(raw));
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
