#include "textio/data_folder.h"

#include <QDir>
#include <gtest/gtest.h>

#include "temp_dir.h"

namespace rova {
namespace {

// Each test gets its own HOME and XDG_DATA_HOME under a temporary folder.
class DataFolderTest : public rova::testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    for (const char* name : {"HOME", "XDG_DATA_HOME"}) {
      saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
    }
    qputenv("HOME", path("home").toLocal8Bit());
    qputenv("XDG_DATA_HOME", path("xdg/data").toLocal8Bit());
  }
  void TearDown() override {
    for (const Saved& s : saved_) {
      if (s.set) qputenv(s.name, s.value);
      else qunsetenv(s.name);
    }
    InTempDir::TearDown();
  }

  struct Saved {
    const char* name;
    QByteArray value;
    bool set;
  };
  std::vector<Saved> saved_;
};

TEST_F(DataFolderTest, FirstStartCreatesTheFolderAndEmptyListsAndWorksThere) {
  ASSERT_EQ(EnterDataFolder(), QString());
  const QString folder = path("xdg/data/rova2004");
  EXPECT_EQ(QDir::currentPath(), folder);
  EXPECT_EQ(readBytes("xdg/data/rova2004/user.dat"), QByteArray());
  EXPECT_EQ(readBytes("xdg/data/rova2004/password.dat"), QByteArray());
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"password.dat", "user.dat"}));
}

TEST_F(DataFolderTest, LaterStartsLeaveThePupilsFilesAsTheyAre) {
  ASSERT_TRUE(QDir().mkpath(path("xdg/data/rova2004")));
  const QByteArray users = "jonas\r\n\xc5\xbe" "ana\r\n";  // raw bytes, not text
  const QByteArray passwords = "slaptas\r\n\xe0\xe8\r\n";
  writeBytes("xdg/data/rova2004/user.dat", users);
  writeBytes("xdg/data/rova2004/password.dat", passwords);
  writeBytes("xdg/data/rova2004/temp.dat", "jonas\r\n");

  ASSERT_EQ(EnterDataFolder(), QString());
  EXPECT_EQ(readBytes("xdg/data/rova2004/user.dat"), users);
  EXPECT_EQ(readBytes("xdg/data/rova2004/password.dat"), passwords);
  EXPECT_EQ(readBytes("xdg/data/rova2004/temp.dat"), QByteArray("jonas\r\n"));
}

TEST_F(DataFolderTest, WithoutAUsableXdgDataHomeTheFolderIsUnderHome) {
  const QString underHome = path("home/.local/share/rova2004");
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(DataFolder(), underHome);
  qputenv("XDG_DATA_HOME", "");
  EXPECT_EQ(DataFolder(), underHome);
  qputenv("XDG_DATA_HOME", "relative/data");  // ignored, as the XDG rules say
  EXPECT_EQ(DataFolder(), underHome);
  ASSERT_EQ(EnterDataFolder(), QString());
  EXPECT_EQ(QDir::currentPath(), underHome);
  EXPECT_TRUE(exists("home/.local/share/rova2004/user.dat"));
}

TEST_F(DataFolderTest, AFolderThatCannotBeMadeIsReportedAndNothingMoves) {
  ASSERT_TRUE(QDir().mkpath(path("xdg/data")));
  writeBytes("xdg/data/rova2004", "a file where the folder belongs");
  const QString before = QDir::currentPath();
  EXPECT_FALSE(EnterDataFolder().isEmpty());
  EXPECT_EQ(QDir::currentPath(), before);

  qunsetenv("XDG_DATA_HOME");
  qunsetenv("HOME");
  EXPECT_EQ(DataFolder(), QString());
  EXPECT_FALSE(EnterDataFolder().isEmpty());
  EXPECT_EQ(QDir::currentPath(), before);
}

}  // namespace
}  // namespace rova
