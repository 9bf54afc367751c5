// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>
#include <cstdlib>

#include "textio/data_file.h"

namespace rova::benchmarking {

// While the object lives, `folder` is the working directory and the data
// folder, as entering it at start makes it.
class InDataFolder {
 public:
  explicit InDataFolder(const QString& folder) : previous_(QDir::currentPath()) {
    if (!QDir::setCurrent(folder)) std::abort();
    SetDataFolder(StoreFolder::Open(folder));
  }
  ~InDataFolder() {
    QDir::setCurrent(previous_);
    SetDataFolder({});
  }
  InDataFolder(const InDataFolder&) = delete;
  InDataFolder& operator=(const InDataFolder&) = delete;

 private:
  QString previous_;
};

}  // namespace rova::benchmarking
