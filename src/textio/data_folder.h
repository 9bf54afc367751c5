// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace rova {

// Where the pupils' data files live. The program opens them by relative name,
// so the chosen folder becomes the working directory.
enum class DataFolderSource { Option, Environment, ConfigurationFile, PerUserDefault };

struct DataFolderChoice {
  QString folder;  // absolute and cleaned; empty when refused
  DataFolderSource source;
  QString problem;  // empty when usable, else a clear Lithuanian message saying what is wrong
};

// The lab's configuration file: lines "DataFolder=/absolute/folder", blank
// lines and comments starting with '#' or ';'.
inline const QString kSystemConfigurationFile = QStringLiteral("/etc/rova2004/rova2004.conf");
inline constexpr char kDataFolderVariable[] = "ROVA2004_DATA_FOLDER";

// The order: `optionValue` (the bytes given to --data-folder; "." = the working directory; empty = not given),
// the environment variable ROVA2004_DATA_FOLDER, DataFolder= in `configurationFile`, else the per-user default
// ${XDG_DATA_HOME:-~/.local/share}/rova2004. The option and the variable may be relative to the working
// directory; the configuration file must name an absolute path. A path that starts with "~" is refused (no
// shell expands it here), and so is one that names something other than a folder. The configuration file is
// read only when neither the option nor the variable is given; a missing file means no choice, an unreadable
// or malformed one is a problem. A folder's name from any of these places is bytes: one that is no UTF-8 text is
// refused rather than read as another name.
DataFolderChoice ChooseDataFolder(const QByteArray& optionValue,
                                  const QString& configurationFile = kSystemConfigurationFile);

struct DataFolderEntry {
  bool entered = false;
  QString problem;  // why not, in Lithuanian; empty when entered
};

// Makes the chosen folder the working directory. A folder chosen by the
// option, the variable or the configuration file is used as it is: nothing is
// created or changed there, and a missing one is a problem. Only the per-user
// default is created on first start, with its empty user.dat and password.dat,
// and kept private: the process's umask gains 077, so that every folder made
// is 0700 and every file 0600, and a default folder of this user that an
// earlier release left open to others is closed to 0700. A default that is
// not a real folder of this user (a symbolic link, another user's folder) is a
// problem. The folder entered is the one opened and checked, whatever is
// renamed meanwhile. On a problem the working directory is unchanged.
DataFolderEntry EnterDataFolder(const DataFolderChoice& choice);

}  // namespace rova
