// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rova::testing {

// Runs each test in a fresh temporary folder that is also the working
// directory and the program's data folder.
class InTempDir : public ::testing::Test {
 protected:
  InTempDir() = default;
  explicit InTempDir(const QString& templatePath) : dir_(templatePath) {}
  void SetUp() override;
  void TearDown() override;

  QString path(const QString& name) const;
  void writeBytes(const QString& name, const QByteArray& bytes) const;
  QByteArray readBytes(const QString& name) const;
  bool exists(const QString& name) const;
  // Makes `folder` the working directory and the data folder, as entering
  // it at start does.
  static void EnterFolder(const QString& folder);

  QTemporaryDir dir_;
  QString previous_;
};

// The same in a folder in memory where the system has one, for tests that
// write thousands of files: a sync there costs nothing.
class InMemoryTempDir : public InTempDir {
 protected:
  InMemoryTempDir();
};

// Where test output meant for people (contact sheets, window pictures) goes.
QString ArtifactDir();

}  // namespace rova::testing
