// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/data_folder.h"

#include <sys/stat.h>

#include <QDir>
#include <gtest/gtest.h>

#include "temp_dir.h"

namespace rova {
namespace {

int ModeOf(const QString& path) {
  struct stat info {};
  return lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// Each test gets its own HOME and XDG_DATA_HOME under a temporary folder, no
// ROVA2004_DATA_FOLDER, and the umask it had.
class DataFolderTest : public rova::testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    for (const char* name : {"HOME", "XDG_DATA_HOME", kDataFolderVariable}) {
      saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
    }
    qputenv("HOME", path("home").toLocal8Bit());
    qputenv("XDG_DATA_HOME", path("xdg/data").toLocal8Bit());
    qunsetenv(kDataFolderVariable);
    umask_ = umask(022);
  }
  void TearDown() override {
    umask(umask_);
    for (const Saved& s : saved_) {
      if (s.set) qputenv(s.name, s.value);
      else qunsetenv(s.name);
    }
    InTempDir::TearDown();
  }

  // The per-user default, with no configuration file in the way.
  DataFolderEntry EnterDefault() { return EnterDataFolder(ChooseDataFolder({}, path("none.conf"))); }

  struct Saved {
    const char* name;
    QByteArray value;
    bool set;
  };
  std::vector<Saved> saved_;
  mode_t umask_ = 022;
};

TEST_F(DataFolderTest, firstStartCreatesTheFolderAndEmptyListsAndWorksThere) {
  ASSERT_TRUE(EnterDefault().entered);
  const QString folder = path("xdg/data/rova2004");
  EXPECT_EQ(QDir::currentPath(), folder);
  EXPECT_EQ(readBytes("xdg/data/rova2004/user.dat"), QByteArray());
  EXPECT_EQ(readBytes("xdg/data/rova2004/password.dat"), QByteArray());
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"password.dat", "user.dat"}));
}

TEST_F(DataFolderTest, thePerUserDefaultIsPrivateToItsUser) {
  qunsetenv("XDG_DATA_HOME");
  ASSERT_TRUE(QDir().mkpath(path("home")));
  ASSERT_TRUE(EnterDefault().entered);
  for (const char* folder : {"home/.local", "home/.local/share", "home/.local/share/rova2004"}) {
    EXPECT_EQ(ModeOf(path(folder)), 0700) << folder;
  }
  for (const char* file : {"user.dat", "password.dat"}) {
    EXPECT_EQ(ModeOf(path("home/.local/share/rova2004/") + file), 0600) << file;
  }
  // Files the program writes later follow the same umask.
  EXPECT_EQ(umask(022) & 077, 077);

  // A default folder an earlier release left open is closed; its parents are
  // the user's own business.
  ASSERT_EQ(chmod(QFile::encodeName(path("home/.local/share/rova2004")).constData(), 0755), 0);
  ASSERT_EQ(chmod(QFile::encodeName(path("home/.local/share")).constData(), 0755), 0);
  ASSERT_TRUE(EnterDefault().entered);
  EXPECT_EQ(ModeOf(path("home/.local/share/rova2004")), 0700);
  EXPECT_EQ(ModeOf(path("home/.local/share")), 0755);
}

TEST_F(DataFolderTest, laterStartsLeaveThePupilsFilesAsTheyAre) {
  ASSERT_TRUE(QDir().mkpath(path("xdg/data/rova2004")));
  const QByteArray users = "jonas\r\n\xc5\xbe" "ana\r\n";  // raw bytes, not text
  const QByteArray passwords = "slaptas\r\n\xe0\xe8\r\n";
  writeBytes("xdg/data/rova2004/user.dat", users);
  writeBytes("xdg/data/rova2004/password.dat", passwords);
  writeBytes("xdg/data/rova2004/temp.dat", "jonas\r\n");

  ASSERT_TRUE(EnterDefault().entered);
  EXPECT_EQ(readBytes("xdg/data/rova2004/user.dat"), users);
  EXPECT_EQ(readBytes("xdg/data/rova2004/password.dat"), passwords);
  EXPECT_EQ(readBytes("xdg/data/rova2004/temp.dat"), QByteArray("jonas\r\n"));
}

TEST_F(DataFolderTest, withoutAUsableXdgDataHomeTheFolderIsUnderHome) {
  const QString underHome = path("home/.local/share/rova2004");
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(ChooseDataFolder({}, path("none.conf")).folder, underHome);
  qputenv("XDG_DATA_HOME", "");
  EXPECT_EQ(ChooseDataFolder({}, path("none.conf")).folder, underHome);
  qputenv("XDG_DATA_HOME", "relative/data");  // ignored, as the XDG rules say
  EXPECT_EQ(ChooseDataFolder({}, path("none.conf")).folder, underHome);
  ASSERT_TRUE(EnterDefault().entered);
  EXPECT_EQ(QDir::currentPath(), underHome);
  EXPECT_TRUE(exists("home/.local/share/rova2004/user.dat"));
}

TEST_F(DataFolderTest, theFolderIsChosenInItsOrder) {
  for (const char* folder : {"work", "option", "variable", "configured", "a file's folder"}) {
    ASSERT_TRUE(QDir().mkpath(path(folder)));
  }
  writeBytes("a file", "not a folder");
  const QString work = path("work");
  struct Case {
    QString option, variable;
    QByteArray configuration;  // none when empty
    DataFolderSource source;
    QString folder;        // expected; empty when refused
    QString problemPart;   // a piece of the expected problem
  };
  const QString configured = "DataFolder=" + path("configured");
  const QString defaultFolder = path("xdg/data/rova2004");
  const std::vector<Case> cases = {
      {path("option"), path("variable"), configured.toUtf8(), DataFolderSource::Option, path("option"), {}},
      {".", {}, {}, DataFolderSource::Option, work, {}},
      {"../option/", {}, {}, DataFolderSource::Option, path("option"), {}},
      {{}, path("variable"), configured.toUtf8(), DataFolderSource::Environment, path("variable"), {}},
      {{}, ".", {}, DataFolderSource::Environment, work, {}},
      {{}, {}, "# lab\n\n  DataFolder = " + path("configured").toUtf8() + "  \r\n",
       DataFolderSource::ConfigurationFile, path("configured"), {}},
      {{}, {}, "# only comments\n; and blanks\n\n", DataFolderSource::PerUserDefault, defaultFolder, {}},
      {{}, {}, "DataFolder=\n", DataFolderSource::PerUserDefault, defaultFolder, {}},
      {{}, {}, {}, DataFolderSource::PerUserDefault, defaultFolder, {}},
      // Refused, each with its reason.
      {{}, {}, "DataFolder=configured\n", DataFolderSource::ConfigurationFile, {}, "ne visu keliu"},
      {{}, {}, "DataFolder=~/klase\n", DataFolderSource::ConfigurationFile, {}, "„~“"},
      {"~/klase", {}, {}, DataFolderSource::Option, {}, "„~“"},
      {{}, {}, "DataFolder=" + path("a file").toUtf8(), DataFolderSource::ConfigurationFile, {}, "failas"},
      {{}, path("a file"), {}, DataFolderSource::Environment, {}, "failas"},
      {{}, {}, "Datafolder=/srv/klase\n", DataFolderSource::ConfigurationFile, {}, "1 eilutė"},
      {{}, {}, "DataFolder=/a\nDataFolder=/b\n", DataFolderSource::ConfigurationFile, {}, "du kartus"},
  };
  const QString configurationFile = path("rova2004.conf");
  for (const Case& c : cases) {
    QFile::remove(configurationFile);
    if (!c.configuration.isEmpty()) writeBytes("rova2004.conf", c.configuration);
    if (c.variable.isEmpty()) qunsetenv(kDataFolderVariable);
    else qputenv(kDataFolderVariable, c.variable.toLocal8Bit());
    ASSERT_TRUE(QDir::setCurrent(work));
    const DataFolderChoice choice = ChooseDataFolder(c.option, configurationFile);
    const QString label = c.option + " | " + c.variable + " | " + QString::fromUtf8(c.configuration);
    EXPECT_EQ(choice.source, c.source) << label.toStdString();
    EXPECT_EQ(choice.folder, c.folder) << label.toStdString();
    EXPECT_EQ(choice.problem.isEmpty(), c.problemPart.isEmpty()) << label.toStdString();
    EXPECT_TRUE(choice.problem.contains(c.problemPart)) << choice.problem.toStdString();
  }
}

TEST_F(DataFolderTest, anUnreadableConfigurationFileIsReportedNotIgnored) {
  ASSERT_TRUE(QDir().mkpath(path("conf-folder")));
  writeBytes("locked.conf", "DataFolder=/srv/klase\n");
  ASSERT_EQ(chmod(QFile::encodeName(path("locked.conf")).constData(), 0), 0);
  const bool isRoot = geteuid() == 0;  // root reads it anyway
  for (const QString& file : {path("conf-folder"), path("locked.conf")}) {
    if (isRoot && file.endsWith(".conf")) continue;
    const DataFolderChoice choice = ChooseDataFolder({}, file);
    EXPECT_EQ(choice.source, DataFolderSource::ConfigurationFile);
    EXPECT_TRUE(choice.problem.contains("Nepavyko perskaityti")) << choice.problem.toStdString();
    EXPECT_FALSE(EnterDataFolder(choice).entered);
  }
}

TEST_F(DataFolderTest, aChosenFolderIsEnteredExactlyAsItWas) {
  ASSERT_TRUE(QDir().mkpath(path("klase")));
  writeBytes("klase/user.dat", "jonas\r\n");
  ASSERT_EQ(chmod(QFile::encodeName(path("klase")).constData(), 02770), 0);
  ASSERT_EQ(chmod(QFile::encodeName(path("klase/user.dat")).constData(), 0664), 0);
  const mode_t before = umask(002);

  ASSERT_TRUE(EnterDataFolder(ChooseDataFolder(path("klase"))).entered);
  EXPECT_EQ(QDir::currentPath(), path("klase"));
  EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"user.dat"});
  EXPECT_EQ(ModeOf(path("klase")), 02770);
  EXPECT_EQ(ModeOf(path("klase/user.dat")), 0664);
  EXPECT_EQ(umask(before), 002);

  // A missing folder is a problem, and nothing is made.
  const DataFolderEntry missing = EnterDataFolder(ChooseDataFolder(path("nera/klase")));
  EXPECT_FALSE(missing.entered);
  EXPECT_TRUE(missing.problem.contains("nerastas")) << missing.problem.toStdString();
  EXPECT_FALSE(exists("nera"));
  EXPECT_EQ(QDir::currentPath(), path("klase"));
}

TEST_F(DataFolderTest, aFolderThatCannotBeMadeIsReportedAndNothingMoves) {
  ASSERT_TRUE(QDir().mkpath(path("xdg/data")));
  writeBytes("xdg/data/rova2004", "a file where the folder belongs");
  const QString before = QDir::currentPath();
  EXPECT_FALSE(EnterDefault().entered);
  EXPECT_EQ(QDir::currentPath(), before);

  qunsetenv("XDG_DATA_HOME");
  qunsetenv("HOME");
  const DataFolderEntry entry = EnterDefault();
  EXPECT_FALSE(entry.entered);
  EXPECT_FALSE(entry.problem.isEmpty());
  EXPECT_EQ(QDir::currentPath(), before);
}

}  // namespace
}  // namespace rova
