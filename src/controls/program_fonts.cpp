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
    {"/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf", nullptr},
};

QString g_serifFamily = QStringLiteral("DejaVu Serif");
bool g_registered = false;

}  // namespace

QStringList RegisterProgramFonts() {
  QStringList missing;
  if (g_registered) return missing;
  g_registered = true;
  for (const FontFile& f : kFontFiles) {
    const QString path = QString::fromLatin1(f.path);
    if (!QFile::exists(path)) {
      missing << path;
      continue;
    }
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) {
      missing << path;
      continue;
    }
    if (f.family == nullptr) {
      const QStringList families = QFontDatabase::applicationFontFamilies(id);
      if (!families.isEmpty()) g_serifFamily = families.first();
    }
  }
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

QFont SerifMarkFont(int pixelSize) { return MakeFont(g_serifFamily, pixelSize, false); }

}  // namespace rova
