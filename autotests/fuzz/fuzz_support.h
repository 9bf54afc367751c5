// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "textio/data_file.h"
#include "textio/program_error.h"

namespace rova::fuzz {

// The input as bytes, without copying.
inline QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A folder of the run's own, in memory where the system has one, removed at
// exit; every input starts in it.
inline const QString& ScratchFolder() {
  static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                               ? QStringLiteral("/dev/shm/rova-fuzz-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/rova-fuzz-XXXXXX"));
  static const QString path = dir.isValid() ? dir.path() : QString();
  if (path.isEmpty()) std::abort();
  return path;
}

// Works in `folder` while it lives, then goes back: libFuzzer opens its
// corpus and writes what it finds by relative names.
class InFolder {
 public:
  explicit InFolder(const QString& folder) : previous_(QDir::currentPath()) {
    if (!QDir::setCurrent(folder)) std::abort();
    SetDataFolder(StoreFolder::Open(folder));
  }
  ~InFolder() {
    QDir::setCurrent(previous_);
    SetDataFolder({});
  }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  QString previous_;
};

inline void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile f(name);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) std::abort();
}

inline QByteArray ReadFile(const QString& name) {
  QFile f(name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// Stops the run with a message: the input broke a promise of the code.
[[noreturn]] inline void Broken(const char* what) {
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

}  // namespace rova::fuzz
