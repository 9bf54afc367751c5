// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_launcher.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "temp_dir.h"

namespace rova {
namespace {

class HelpLauncherTest : public rova::testing::InTempDir {
 protected:
  // A stand-in help program in `folder`, runnable unless told otherwise.
  QString MakeStub(const QString& folder, bool executable = true) {
    QDir().mkpath(path(folder));
    const QString file = path(folder + '/' + kHelpProgramName);
    writeBytes(folder + '/' + kHelpProgramName, "#!/bin/sh\n");
    QFile::setPermissions(file, executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                           : QFile::ReadOwner | QFile::WriteOwner);
    return file;
  }
  ProgramSearch Search() const { return {path("own"), path("work"), {path("path1"), path("path2")}}; }
};

TEST_F(HelpLauncherTest, looksInOwnFolderThenWorkingFolderThenPath) {
  const QString inPath2 = MakeStub("path2");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inPath2);
  const QString inPath1 = MakeStub("path1");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inPath1) << "the path's folders in their order";
  const QString inWork = MakeStub("work");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inWork);
  const QString inOwn = MakeStub("own");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inOwn);
}

TEST_F(HelpLauncherTest, skipsWhatCannotBeRun) {
  MakeStub("own", false);
  QDir().mkpath(QDir(path("work")).filePath(kHelpProgramName));  // a folder of that name
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), QString());
  EXPECT_FALSE(StartHelpProgram(Search()));
  const QString inPath = MakeStub("path1");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inPath);
}

}  // namespace
}  // namespace rova
