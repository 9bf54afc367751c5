// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/program_start.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QResource>
#include <QTranslator>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <string>

// Qt's resource initialiser must stand outside any namespace.
static void InitIconResource() { Q_INIT_RESOURCE(rova_icon); }

namespace rova {

namespace {

// Platforms that need no display server: they draw off screen, into the
// frame buffer, or for a remote viewer.
constexpr const char* kDisplaylessPlatforms[] = {"offscreen", "minimal",    "vnc",         "linuxfb",
                                                 "eglfs",     "minimalegl", "vkkhrdisplay"};

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Qt's own -platform argument wins over the environment.
std::string NamedPlatform(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
      return argv[i + 1];
    }
  }
  return Environment("QT_QPA_PLATFORM");
}

// `platforms` is Qt's list "name[:options];name...".
bool NamesDisplaylessPlatform(const std::string& platforms) {
  std::size_t start = 0;
  while (start <= platforms.size()) {
    std::size_t end = platforms.find(';', start);
    if (end == std::string::npos) end = platforms.size();
    const std::string entry = platforms.substr(start, end - start);
    const std::string name = entry.substr(0, entry.find(':'));
    for (const char* displayless : kDisplaylessPlatforms) {
      if (name == displayless) return true;
    }
    start = end + 1;
  }
  return false;
}

bool HasArgument(int argc, char** argv, const char* option) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) return false;
    if (std::strcmp(argv[i], option) == 0) return true;
  }
  return false;
}

// Where Wayland is the only display (no X server, not even XWayland), Qt
// needs its Wayland plugin, which a small installation may lack.
bool WaylandPluginInstalled() {
  QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
  folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
  for (const QString& folder : folders) {
    if (!QDir(folder + QStringLiteral("/platforms")).entryList({QStringLiteral("libqwayland*")}).isEmpty()) {
      return true;
    }
  }
  return false;
}

void ChoosePlatform() {
  const std::string named = Environment("QT_QPA_PLATFORM");
  if (named.empty()) {
    setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
  } else if (named.rfind("wayland", 0) == 0 && named.find(';') == std::string::npos &&
             !Environment("DISPLAY").empty()) {
    // A session that names Wayland alone would end the program at once where
    // Qt's Wayland plugin is missing; X11 stays as the fallback.
    setenv("QT_QPA_PLATFORM", (named + ";xcb").c_str(), 1);
  }
}

}  // namespace

std::optional<int> PrepareProgramStart(int argc, char** argv, const ProgramIdentity& identity, std::FILE* out,
                                       std::FILE* err) {
  if (HasArgument(argc, argv, "--help") || HasArgument(argc, argv, "-h")) {
    // Both languages, whatever the locale: a teacher reading it in an English
    // terminal and a pupil in a Lithuanian one see the same text.
    std::fputs(identity.help, out);
    return 0;
  }
  if (HasArgument(argc, argv, "--version")) {
    std::fprintf(out, "%s %s\n", identity.program, ROVA_VERSION);
    return 0;
  }
  const bool x11 = !Environment("DISPLAY").empty();
  const bool wayland = !Environment("WAYLAND_DISPLAY").empty();
  if (identity.needsDisplay && !x11 && !NamesDisplaylessPlatform(NamedPlatform(argc, argv))) {
    if (!wayland) {
      std::fprintf(err,
                   "%s: nėra ekrano langams rodyti (nenustatytas nei DISPLAY, nei WAYLAND_DISPLAY).\n"
                   "%s: no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
                   identity.program, identity.program);
      return 2;
    }
    if (!WaylandPluginInstalled()) {
      std::fprintf(
          err,
          "%s: Wayland seansas be XWayland, o Qt Wayland įskiepis (paketas qt6-wayland) neįdiegtas.\n"
          "%s: a Wayland session without XWayland, and Qt's Wayland plugin (package qt6-wayland) "
          "is not installed.\n",
          identity.program, identity.program);
      return 2;
    }
  }
  ChoosePlatform();
  return std::nullopt;
}

namespace {

// The built-in icon's bitmap of `side` pixels: over the compiled-in bytes,
// which hold width, height and QImage format, then the rows of 32-bit pixels.
QImage BuiltInIconBitmap(int side) {
  const QResource raw(QStringLiteral(":/icon/rova2004_%1.argb").arg(side));
  constexpr qint64 kHeaderSize = 12;
  if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression || raw.size() < kHeaderSize) return {};
  const uchar* bytes = raw.data();
  const int width = qFromLittleEndian<qint32>(bytes);
  const int height = qFromLittleEndian<qint32>(bytes + 4);
  const auto format = static_cast<QImage::Format>(qFromLittleEndian<qint32>(bytes + 8));
  if (width != side || height != side || raw.size() != kHeaderSize + qint64(side) * side * 4 ||
      (format != QImage::Format_ARGB32 && format != QImage::Format_RGB32 &&
       format != QImage::Format_ARGB32_Premultiplied)) {
    return {};
  }
  return QImage(bytes + kHeaderSize, side, side, side * 4, format);
}

// Looks for the installed icon in the desktop's icon theme once the first
// window has been painted: the lookup reads the theme's index, thousands of
// lines in the common theme, which the first window should not wait for.
// Until then the windows carry the built-in bitmaps, drawn as the package's
// icon in the theme is; an icon found there replaces them on every window.
class ThemeIconAfterFirstPaint : public QObject {
 public:
  explicit ThemeIconAfterFirstPaint(QObject* parent) : QObject(parent) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      QCoreApplication::instance()->removeEventFilter(this);
      // After what the first paint has left waiting in the loop.
      QCoreApplication::postEvent(this, new QEvent(kLookUp), Qt::LowEventPriority);
    }
    return QObject::eventFilter(watched, event);
  }

  bool event(QEvent* event) override {
    if (event->type() != kLookUp) return QObject::event(event);
    if (const QIcon installed = QIcon::fromTheme(QStringLiteral("rova2004")); !installed.isNull()) {
      QGuiApplication::setWindowIcon(installed);
    }
    deleteLater();
    return true;
  }

 private:
  static constexpr QEvent::Type kLookUp = QEvent::User;
};

}  // namespace

namespace {

// Qt 6 asks for the standard buttons' texts ("OK", "Cancel", "&Yes") under
// the name QPlatformTheme; an older catalogue, such as Debian's Lithuanian
// one, holds them under QDialogButtonBox.
class StandardButtonTexts : public QTranslator {
 public:
  StandardButtonTexts(const QTranslator* catalogue, QObject* parent) : QTranslator(parent), catalogue_(catalogue) {}

  QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override {
    if (qstrcmp(context, "QPlatformTheme") != 0) return {};
    return catalogue_->translate("QDialogButtonBox", sourceText, disambiguation, n);
  }
  bool isEmpty() const override { return false; }

 private:
  const QTranslator* catalogue_;
};

}  // namespace

bool LoadQtLithuanian() {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const QLocale lithuanian(QLocale::Lithuanian, QLocale::Lithuania);
  QCoreApplication* application = QCoreApplication::instance();
  bool loaded = false;
  // "qtbase" where Qt's texts are split by module, "qt" where one catalogue
  // holds them all, as Debian ships the Lithuanian ones.
  for (const QString& catalogue : {QStringLiteral("qtbase"), QStringLiteral("qt")}) {
    auto* translator = new QTranslator(application);
    if (!translator->load(lithuanian, catalogue, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
      delete translator;
      continue;
    }
    // Installed later, so asked first; it answers only what the catalogue
    // holds under the older name, and an empty answer passes the rest on.
    QCoreApplication::installTranslator(new StandardButtonTexts(translator, application));
    loaded = true;
  }
  return loaded;
}

void IdentifyProgram(const ProgramIdentity& identity) {
  InitIconResource();
  LoadQtLithuanian();
  QGuiApplication::setDesktopFileName(QString::fromLatin1(identity.desktopId));
  QIcon builtIn;
  for (const int side : {16, 32, 48, 64, 128, 256}) {
    const QImage bitmap = BuiltInIconBitmap(side);
    if (!bitmap.isNull()) builtIn.addPixmap(QPixmap::fromImage(bitmap));
  }
  QGuiApplication::setWindowIcon(builtIn);
  QCoreApplication::instance()->installEventFilter(new ThemeIconAfterFirstPaint(QCoreApplication::instance()));
}

}  // namespace rova
