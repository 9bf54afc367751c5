#include "textio/data_folder.h"

#include <QDir>

namespace rova {

DataFolderChoice ChooseDataFolder(const QString& optionValue, const QString& configurationFile) {
  Q_UNUSED(configurationFile);
  if (!optionValue.isEmpty()) return {QDir::cleanPath(optionValue), DataFolderSource::Option, {}};
  const QString fromEnvironment = qEnvironmentVariable("ROVA2004_DATA_FOLDER");
  if (!fromEnvironment.isEmpty()) {
    return {QDir::cleanPath(fromEnvironment), DataFolderSource::Environment, {}};
  }
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) {
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
      return {{}, DataFolderSource::PerUserDefault,
              QStringLiteral("Nerastas duomenų aplankas: nenustatytas nei XDG_DATA_HOME, nei HOME")};
    }
    base = home + QStringLiteral("/.local/share");
  }
  return {QDir::cleanPath(base + QStringLiteral("/rova2004")), DataFolderSource::PerUserDefault, {}};
}

}  // namespace rova
