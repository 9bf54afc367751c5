#include "textio/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rova {

QString DataFolder() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) {
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) return {};
    base = home + QStringLiteral("/.local/share");
  }
  return QDir::cleanPath(base + QStringLiteral("/rova2004"));
}

QString EnterDataFolder() {
  const QString folder = DataFolder();
  if (folder.isEmpty()) {
    return QStringLiteral("Nerastas duomenų aplankas: nenustatytas nei XDG_DATA_HOME, nei HOME");
  }
  if (!QDir().mkpath(folder)) {
    return QStringLiteral("Nepavyko sukurti duomenų aplanko %1").arg(folder);
  }
  for (const char* name : {"user.dat", "password.dat"}) {
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (QFileInfo::exists(path)) continue;
    // NewOnly: never empty a list that appeared since the check.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(path)) {
      return QStringLiteral("Nepavyko sukurti failo %1").arg(path);
    }
  }
  if (!QDir::setCurrent(folder)) {
    return QStringLiteral("Nepavyko atverti duomenų aplanko %1").arg(folder);
  }
  return {};
}

}  // namespace rova
