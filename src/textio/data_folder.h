#pragma once

#include <QString>

namespace rova {

// Where the data folder was chosen from, in the order the choice is made.
enum class DataFolderSource { Option, Environment, ConfigurationFile, PerUserDefault };

struct DataFolderChoice {
  QString folder;
  DataFolderSource source;
  QString problem;  // empty when the choice gave a usable folder name
};

inline const QString kSystemConfigurationFile = QStringLiteral("/etc/rova2004/rova2004.conf");

// The folder rova2004 works in: the option's value, else ROVA2004_DATA_FOLDER,
// else ${XDG_DATA_HOME:-~/.local/share}/rova2004. Creates nothing.
DataFolderChoice ChooseDataFolder(const QString& optionValue,
                                  const QString& configurationFile = kSystemConfigurationFile);

}  // namespace rova
