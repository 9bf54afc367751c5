// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

#include "temp_dir.h"
#include "textio/store_transaction.h"

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
  // temp.dat as every log-in attempt rewrites it: the last pupil's name.
  RewriteFile(QStringLiteral("temp.dat"), "jonas\r\n");
  for (const char* file : {"user.dat", "password.dat", "temp.dat"}) {
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
  const auto bytes = [this](const char* name) { return QFile::encodeName(path(name)); };
  // A name that is no UTF-8: decoded, it would name another folder ("klas?").
  const QByteArray latin1 = bytes("klas") + "\xe9";
  ASSERT_TRUE(QDir().mkpath(QFile::decodeName(latin1)));
  struct Case {
    QByteArray option, variable;
    QByteArray configuration;  // none when empty
    DataFolderSource source;
    QString folder;        // expected; empty when refused
    QString problemPart;   // a piece of the expected problem
  };
  const QByteArray configured = "DataFolder=" + bytes("configured");
  const QString defaultFolder = path("xdg/data/rova2004");
  const QByteArray longestConfiguration = "#" + QByteArray(64 * 1024 - 2, 'x') + "\n";
  const std::vector<Case> cases = {
      {bytes("option"), bytes("variable"), configured, DataFolderSource::Option, path("option"), {}},
      {".", {}, {}, DataFolderSource::Option, work, {}},
      {"../option/", {}, {}, DataFolderSource::Option, path("option"), {}},
      {{}, bytes("variable"), configured, DataFolderSource::Environment, path("variable"), {}},
      {{}, ".", {}, DataFolderSource::Environment, work, {}},
      {{}, {}, "# lab\n\n  DataFolder = " + bytes("configured") + "  \r\n",
       DataFolderSource::ConfigurationFile, path("configured"), {}},
      {{}, {}, "# only comments\n; and blanks\n\n", DataFolderSource::PerUserDefault, defaultFolder, {}},
      {{}, {}, "DataFolder=\n", DataFolderSource::PerUserDefault, defaultFolder, {}},
      {{}, {}, {}, DataFolderSource::PerUserDefault, defaultFolder, {}},
      {{}, {}, longestConfiguration, DataFolderSource::PerUserDefault, defaultFolder, {}},
      // Refused, each with its reason.
      {{}, {}, "DataFolder=configured\n", DataFolderSource::ConfigurationFile, {}, "ne visu keliu"},
      {{}, {}, "DataFolder=~/klase\n", DataFolderSource::ConfigurationFile, {}, "„~“"},
      {"~/klase", {}, {}, DataFolderSource::Option, {}, "„~“"},
      {{}, {}, "DataFolder=" + bytes("a file"), DataFolderSource::ConfigurationFile, {}, "failas"},
      {{}, bytes("a file"), {}, DataFolderSource::Environment, {}, "failas"},
      {{}, {}, "Datafolder=/srv/klase\n", DataFolderSource::ConfigurationFile, {}, "1 eilutė"},
      {{}, {}, "DataFolder=/a\nDataFolder=/b\n", DataFolderSource::ConfigurationFile, {}, "du kartus"},
      {{}, {}, longestConfiguration + "\n", DataFolderSource::ConfigurationFile, {}, "per didelis"},
      {latin1, {}, {}, DataFolderSource::Option, {}, "nėra UTF-8"},
      {{}, latin1, {}, DataFolderSource::Environment, {}, "nėra UTF-8"},
      {{}, {}, "DataFolder=" + latin1 + "\n", DataFolderSource::ConfigurationFile, {}, "nėra UTF-8"},
  };
  const QString configurationFile = path("rova2004.conf");
  for (const Case& c : cases) {
    QFile::remove(configurationFile);
    if (!c.configuration.isEmpty()) writeBytes("rova2004.conf", c.configuration);
    if (c.variable.isEmpty()) qunsetenv(kDataFolderVariable);
    else qputenv(kDataFolderVariable, c.variable);
    ASSERT_TRUE(QDir::setCurrent(work));
    const DataFolderChoice choice = ChooseDataFolder(c.option, configurationFile);
    const std::string label = (c.option + " | " + c.variable + " | " + c.configuration.left(80)).toStdString();
    EXPECT_EQ(choice.source, c.source) << label;
    EXPECT_EQ(choice.folder, c.folder) << label;
    EXPECT_EQ(choice.problem.isEmpty(), c.problemPart.isEmpty()) << label;
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

  ASSERT_TRUE(EnterDataFolder(ChooseDataFolder(QFile::encodeName(path("klase")))).entered);
  EXPECT_EQ(QDir::currentPath(), path("klase"));
  EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"user.dat"});
  EXPECT_EQ(ModeOf(path("klase")), 02770);
  EXPECT_EQ(ModeOf(path("klase/user.dat")), 0664);
  EXPECT_EQ(umask(before), 002);

  // A missing folder is a problem, and nothing is made.
  const DataFolderEntry missing = EnterDataFolder(ChooseDataFolder(QFile::encodeName(path("nera/klase"))));
  EXPECT_FALSE(missing.entered);
  EXPECT_TRUE(missing.problem.contains("nerastas")) << missing.problem.toStdString();
  EXPECT_FALSE(exists("nera"));
  EXPECT_EQ(QDir::currentPath(), path("klase"));
}

// Whatever stands where the default belongs and is not a real folder of the
// user is refused, nothing is made in it or through it, and the program
// stays where it was.
TEST_F(DataFolderTest, aDefaultThatIsNotARealFolderOfTheUserIsRefusedAndNothingMoves) {
  ASSERT_TRUE(QDir().mkpath(path("xdg/data")));
  ASSERT_TRUE(QDir().mkpath(path("elsewhere")));
  const QByteArray planted = QFile::encodeName(path("xdg/data/rova2004"));
  struct Case {
    const char* name;
    std::function<bool()> plant;
    const char* problemPart;
  };
  const std::vector<Case> cases = {
      {"a file", [&] { return QFile(path("xdg/data/rova2004")).open(QIODevice::WriteOnly); }, "failas"},
      {"a link to a folder",
       [&] { return symlink(QFile::encodeName(path("elsewhere")).constData(), planted.constData()) == 0; },
       "simbolinė nuoroda"},
      {"a dangling link",
       [&] { return symlink(QFile::encodeName(path("elsewhere/none")).constData(), planted.constData()) == 0; },
       "simbolinė nuoroda"},
      {"another user's folder",
       [&] { return mkdir(planted.constData(), 0777) == 0 && chown(planted.constData(), 65534, 65534) == 0; },
       "kitam naudotojui"},
  };
  const QString before = QDir::currentPath();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (QString(c.name).contains("another user") && geteuid() != 0) continue;  // only root can give it away
    QFile::remove(path("xdg/data/rova2004"));
    rmdir(planted.constData());
    ASSERT_TRUE(c.plant());
    const DataFolderEntry entry = EnterDefault();
    EXPECT_FALSE(entry.entered);
    EXPECT_TRUE(entry.problem.contains(c.problemPart)) << entry.problem.toStdString();
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_EQ(QDir(path("elsewhere")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    EXPECT_FALSE(QFileInfo::exists(path("xdg/data/rova2004/user.dat")));
  }

  qunsetenv("XDG_DATA_HOME");
  qunsetenv("HOME");
  const DataFolderEntry entry = EnterDefault();
  EXPECT_FALSE(entry.entered);
  EXPECT_FALSE(entry.problem.isEmpty());
  qputenv("HOME", "/home/jon\xe1s");
  EXPECT_TRUE(EnterDefault().problem.contains("HOME")) << "a home that is no UTF-8 is not read as another";
  EXPECT_EQ(QDir::currentPath(), before);
}

}  // namespace
}  // namespace rova
