// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the program and writes it as JPEG into the folder
// given on the command line, with a Qt resource file listing them.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "controls/program_fonts.h"
#include "figures.h"
#include "jpeg_encoder.h"
#include "pictures/picture_list.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "rova_figgen: %s\n", qPrintable(message));
  return 1;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing text needs a GUI application but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) return Fail(QStringLiteral("usage: rova_figgen <output folder>"));
  const QStringList missingFonts = rova::RegisterProgramFonts();
  if (!missingFonts.isEmpty()) {
    return Fail(QStringLiteral("missing font files: %1").arg(missingFonts.join(QStringLiteral(", "))));
  }

  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) return Fail(QStringLiteral("cannot create %1").arg(out.path()));

  QString qrc;
  QTextStream list(&qrc);
  list << "<RCC>\n  <qresource prefix=\"/pictures\">\n";
  for (const rova::PictureInfo& info : rova::AllPictures()) {
    const QImage image = rova::figgen::DrawPicture(info.name);
    if (image.isNull()) return Fail(QStringLiteral("no drawing for %1").arg(QLatin1String(info.name)));
    const QByteArray jpeg = rova::figgen::EncodeJpeg(image);
    const QString file = QLatin1String(info.name) + QStringLiteral(".jpg");
    if (jpeg.isEmpty() || !WriteFile(out.filePath(file), jpeg)) {
      return Fail(QStringLiteral("cannot write %1").arg(out.filePath(file)));
    }
    list << "    <file>" << file << "</file>\n";
  }
  list << "  </qresource>\n</RCC>\n";
  list.flush();
  if (!WriteFile(out.filePath(QStringLiteral("pictures.qrc")), qrc.toUtf8())) {
    return Fail(QStringLiteral("cannot write the resource list"));
  }
  return 0;
}
