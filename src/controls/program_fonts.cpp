// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/program_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>

namespace rova {
namespace {

// Registering a face means reading its file; at start-up only the splash's
// titles are drawn, so only their face is registered then, and each other
// face when the first font of it is made.
constexpr const char* kTahomaBoldFile = "/usr/share/wine/fonts/tahomabd.ttf";
constexpr const char* kSansFile = "/usr/share/wine/fonts/ms_sans_serif.ttf";
constexpr const char* kTahomaFile = "/usr/share/wine/fonts/tahoma.ttf";
// Reading the marks' face (thousands of glyphs) is the dearest registration;
// only formulas use it.
constexpr const char* kSerifFile = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";

QString g_serifFamily = QStringLiteral("DejaVu Serif");
bool g_registered = false;
bool g_tahomaBoldRegistered = false;

// Registers the face in `path` once; the family it adds, or an empty string.
QString RegisterFace(const char* path) {
  const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
  const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
  return families.isEmpty() ? QString() : families.first();
}

void RegisterSansFace() {
  static const QString family = RegisterFace(kSansFile);
  Q_UNUSED(family);
}

void RegisterTahomaFace() {
  static const QString family = RegisterFace(kTahomaFile);
  Q_UNUSED(family);
}

void RegisterSerifFace() {
  static const bool registered = [] {
    if (const QString family = RegisterFace(kSerifFile); !family.isEmpty()) g_serifFamily = family;
    return true;
  }();
  Q_UNUSED(registered);
}

}  // namespace

QStringList RegisterProgramFonts() {
  QStringList missing;
  if (g_registered) return missing;
  g_registered = true;
  g_tahomaBoldRegistered = RegisterFace(kTahomaBoldFile) == QLatin1String(kTahomaFamily);
  if (!g_tahomaBoldRegistered) missing << QString::fromLatin1(kTahomaBoldFile);
  for (const char* path : {kSansFile, kTahomaFile, kSerifFile}) {
    if (!QFile::exists(QString::fromLatin1(path))) missing << QString::fromLatin1(path);
  }
  return missing;
}

bool TahomaBoldRegistered() { return g_tahomaBoldRegistered; }

static QFont MakeFont(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferDefault);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QFont SansFont(int pixelSize, bool bold) {
  RegisterSansFace();
  return MakeFont(QString::fromLatin1(kSansFamily), pixelSize, bold);
}

QFont TahomaFont(int pixelSize, bool bold) {
  // The splash's bold face is registered from the start; a regular font made
  // before its face is would come out bold.
  if (!bold) RegisterTahomaFace();
  return MakeFont(QString::fromLatin1(kTahomaFamily), pixelSize, bold);
}

QRawFont SansStrike(int pixelSize) {
  // Read once per strike: every scaled text of the program draws from it.
  static QHash<int, QRawFont> strikes;
  auto it = strikes.find(pixelSize);
  if (it == strikes.end()) {
    it = strikes.insert(pixelSize, QRawFont(QString::fromLatin1(kSansFile), pixelSize, QFont::PreferFullHinting));
  }
  return *it;
}

QFont SerifMarkFont(int pixelSize) {
  RegisterSerifFace();
  return MakeFont(g_serifFamily, pixelSize, false);
}

}  // namespace rova
