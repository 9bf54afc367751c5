// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/program_fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace rova {
namespace {

struct FontFile {
  const char* path;
  const char* family;
};

// The first file found for each family wins.
constexpr FontFile kFontFiles[] = {
    {"/usr/share/wine/fonts/ms_sans_serif.ttf", kSansFamily},
    {"/usr/share/wine/fonts/tahoma.ttf", kTahomaFamily},
    {"/usr/share/wine/fonts/tahomabd.ttf", kTahomaFamily},
};
// Reading the marks' face (thousands of glyphs) is the dearest registration;
// only formulas use it, so it is registered when the first mark is made.
constexpr const char* kSerifFile = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";

QString g_serifFamily = QStringLiteral("DejaVu Serif");
bool g_registered = false;

void RegisterSerifFace() {
  static const bool registered = [] {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kSerifFile));
    if (id >= 0) {
      const QStringList families = QFontDatabase::applicationFontFamilies(id);
      if (!families.isEmpty()) g_serifFamily = families.first();
    }
    return true;
  }();
  Q_UNUSED(registered);
}

}  // namespace

QStringList RegisterProgramFonts() {
  QStringList missing;
  if (g_registered) return missing;
  g_registered = true;
  for (const FontFile& f : kFontFiles) {
    const QString path = QString::fromLatin1(f.path);
    if (!QFile::exists(path) || QFontDatabase::addApplicationFont(path) < 0) missing << path;
  }
  if (!QFile::exists(QString::fromLatin1(kSerifFile))) missing << QString::fromLatin1(kSerifFile);
  return missing;
}

static QFont MakeFont(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferDefault);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QFont SansFont(int pixelSize, bool bold) {
  return MakeFont(QString::fromLatin1(kSansFamily), pixelSize, bold);
}

QFont TahomaFont(int pixelSize, bool bold) {
  return MakeFont(QString::fromLatin1(kTahomaFamily), pixelSize, bold);
}

QFont SerifMarkFont(int pixelSize) {
  RegisterSerifFace();
  return MakeFont(g_serifFamily, pixelSize, false);
}

}  // namespace rova
