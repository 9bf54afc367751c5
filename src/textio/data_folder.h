#pragma once

#include <QString>

namespace rova {

// The folder that holds the pupils' data files:
// $XDG_DATA_HOME/rova2004, or ~/.local/share/rova2004 when XDG_DATA_HOME is
// unset, empty or not an absolute path. Empty when neither gives a folder.
QString DataFolder();

// Makes DataFolder() the working directory, since the program opens its data
// files by relative name. On first start it creates the folder and the empty
// user.dat and password.dat a fresh installation needs; files already there
// are left as they are. Returns an empty string on success, else a message
// saying what could not be done (the working directory is then unchanged).
QString EnterDataFolder();

}  // namespace rova
