#include "app/help_launcher.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "temp_dir.h"

namespace rova {
namespace {

class HelpLauncherTest : public rova::testing::InTempDir {
 protected:
  // A stand-in help program in `folder` that notes each start in the working directory.
  QString MakeStub(const QString& folder, bool executable = true) {
    QDir().mkpath(path(folder));
    const QString file = path(folder + '/' + kHelpProgramName);
    writeBytes(folder + '/' + kHelpProgramName, "#!/bin/sh\necho started >> help_runs.txt\n");
    QFile::setPermissions(file, executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                           : QFile::ReadOwner | QFile::WriteOwner);
    return file;
  }
  ProgramSearch Search() const { return {path("own"), path("work"), {path("path1"), path("path2")}}; }
};

TEST_F(HelpLauncherTest, LooksInOwnFolderThenWorkingFolderThenPath) {
  const QString inPath2 = MakeStub("path2");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inPath2);
  const QString inPath1 = MakeStub("path1");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inPath1) << "the path's folders in their order";
  const QString inWork = MakeStub("work");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inWork);
  const QString inOwn = MakeStub("own");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inOwn);
}

TEST_F(HelpLauncherTest, SkipsWhatCannotBeRun) {
  MakeStub("own", false);
  QDir().mkpath(QDir(path("work")).filePath(kHelpProgramName));  // a folder of that name
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), QString());
  EXPECT_FALSE(StartHelpProgram(Search()));
  const QString inPath = MakeStub("path1");
  EXPECT_EQ(FindProgram(kHelpProgramName, Search()), inPath);
}

TEST_F(HelpLauncherTest, StartsWithoutWaitingOnceForEachPress) {
  MakeStub("work");
  ASSERT_TRUE(StartHelpProgram(Search()));
  ASSERT_TRUE(StartHelpProgram(Search()));
  // The stubs run on their own; wait for both to have written.
  for (int i = 0; i < 200 && readBytes("help_runs.txt").count('\n') < 2; ++i) QTest::qWait(50);
  EXPECT_EQ(readBytes("help_runs.txt"), "started\nstarted\n");
}

}  // namespace
}  // namespace rova
