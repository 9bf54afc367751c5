// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the program and writes it as JPEG into the folder
// given on the command line, at its size and at twice its size, with the
// splash's titled copy and two Qt resource files listing them (the 2x
// copies in the second).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "controls/program_fonts.h"
#include "figures.h"
#include "jpeg_encoder.h"
#include "pictures/picture_list.h"
#include "pictures/splash_titles.h"
#include "titled_splash.h"

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
  // Drawing text needs a GUI application but no screen; the splash's titles
  // are laid out by labels.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
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
  // The 2x copies go into a resource file of their own: compiled apart,
  // their bytes never share a page with the 1x pictures a 1x screen reads.
  QString qrc2x;
  QTextStream list2x(&qrc2x);
  list2x << "<RCC>\n  <qresource prefix=\"/pictures\">\n";
  QByteArray splashJpeg;
  for (const rova::PictureInfo& info : rova::AllPictures()) {
    // Each picture also drawn at twice the size, NAME@2x.jpg the usual Qt
    // way, for scaled screens.
    for (const int scale : {1, 2}) {
      const QImage image = rova::figgen::DrawPicture(info.name, scale);
      if (image.isNull()) return Fail(QStringLiteral("no drawing for %1").arg(QLatin1String(info.name)));
      const QByteArray jpeg = rova::figgen::EncodeJpeg(image);
      const QString file = QLatin1String(info.name) + QLatin1String(scale == 1 ? "" : "@2x") + QStringLiteral(".jpg");
      if (jpeg.isEmpty() || !WriteFile(out.filePath(file), jpeg)) {
        return Fail(QStringLiteral("cannot write %1").arg(out.filePath(file)));
      }
      (scale == 1 ? list : list2x) << "    <file>" << file << "</file>\n";
      if (scale == 1 && qstrcmp(info.name, "splash") == 0) splashJpeg = jpeg;
    }
  }
  QString error;
  const QByteArray titled = rova::figgen::DrawTitledSplash(splashJpeg, &error);
  const QString titledFile = QLatin1String(rova::kTitledSplashFile);
  if (titled.isEmpty()) return Fail(QStringLiteral("the splash's titled copy: %1").arg(error));
  if (!WriteFile(out.filePath(titledFile), titled)) return Fail(QStringLiteral("cannot write %1").arg(titledFile));
  list << "    <file>" << titledFile << "</file>\n";
  list << "  </qresource>\n</RCC>\n";
  list.flush();
  list2x << "  </qresource>\n</RCC>\n";
  list2x.flush();
  if (!WriteFile(out.filePath(QStringLiteral("pictures_2x.qrc")), qrc2x.toUtf8()) ||
      !WriteFile(out.filePath(QStringLiteral("pictures.qrc")), qrc.toUtf8())) {
    return Fail(QStringLiteral("cannot write the resource lists"));
  }
  return 0;
}
