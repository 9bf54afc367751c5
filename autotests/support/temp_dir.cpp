// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "textio/data_file.h"

namespace rova::testing {

void InTempDir::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  previous_ = QDir::currentPath();
  EnterFolder(dir_.path());
}

void InTempDir::EnterFolder(const QString& folder) {
  ASSERT_TRUE(QDir::setCurrent(folder));
  SetDataFolder(StoreFolder::Open(QDir::currentPath()));
}

namespace {

QString MemoryFolderTemplate() {
  const QString shm = QStringLiteral("/dev/shm");
  if (!QFileInfo(shm).isWritable()) return QDir::tempPath() + QStringLiteral("/rova-XXXXXX");
  return shm + QStringLiteral("/rova-XXXXXX");
}

}  // namespace

InMemoryTempDir::InMemoryTempDir() : InTempDir(MemoryFolderTemplate()) {}

void InTempDir::TearDown() {
  QDir::setCurrent(previous_);
  SetDataFolder({});
}

QString InTempDir::path(const QString& name) const { return dir_.filePath(name); }

void InTempDir::writeBytes(const QString& name, const QByteArray& bytes) const {
  QFile f(path(name));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray InTempDir::readBytes(const QString& name) const {
  QFile f(path(name));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

bool InTempDir::exists(const QString& name) const { return QFile::exists(path(name)); }

QString ArtifactDir() {
  QString base = qEnvironmentVariable("ROVA_BUILD_DIR");
  if (base.isEmpty()) base = QDir::currentPath();
  QDir dir(base);
  dir.mkpath(QStringLiteral("artifacts"));
  return dir.filePath(QStringLiteral("artifacts"));
}

}  // namespace rova::testing
