// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/export_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDirIterator>
#include <gtest/gtest.h>

#include "made_up_class.h"
#include "teacher/class_export.h"
#include "temp_dir.h"
#include "textio/program_error.h"

namespace rova::teacher {
namespace {

using testing::AddPupil;

class ExportFileTest : public rova::testing::InTempDir {
 protected:
  ClassOverview ReadMadeUpClass(const QString& folder) {
    AddPupil(path("class"), "jonas", {"id>/tmp/X", "Jonaitis", "8a"}, [](TaskId) { return ResultCounts{1, 2}; });
    return ReadClass({folder});
  }
  QStringList Entries(const QString& folder) const {
    QStringList names;
    QDirIterator it(path(folder), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) names << it.next();
    names.sort();
    return names;
  }
};

TEST_F(ExportFileTest, aLinkPlantedAtTheTargetsNameIsReplacedAndWhatItPointsToIsLeftAsItWas) {
  const ClassOverview overview = ReadMadeUpClass(path("class"));
  const QByteArray bashrc = "export PATH=/usr/bin\n";
  QDir().mkpath(path("out"));
  for (const QString name : {"suvestine.csv", "suvestine.xlsx"}) {
    SCOPED_TRACE(name.toStdString());
    writeBytes("bashrc", bashrc);
    ASSERT_EQ(symlink(qPrintable(path("bashrc")), qPrintable(path("out/" + name))), 0);
    ExportClass(path("out/" + name), overview, PupilsOf(overview, {}), overview.folders);
    EXPECT_EQ(readBytes("bashrc"), bashrc);
    struct stat info {};
    ASSERT_EQ(lstat(qPrintable(path("out/" + name)), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
  }
  // Nothing else left beside them.
  EXPECT_EQ(Entries("out"), (QStringList{path("out/suvestine.csv"), path("out/suvestine.xlsx")}));
  EXPECT_EQ(readBytes("out/suvestine.csv"), ClassCsv(overview, PupilsOf(overview, {})));
  EXPECT_TRUE(readBytes("out/suvestine.xlsx").startsWith("PK\x03\x04"));
}

TEST_F(ExportFileTest, aTargetInADataFolderOrBeneathOneIsRefusedHoweverEitherIsNamed) {
  // The class is read through a link to it, and a pupil has linked a folder
  // of it from elsewhere.
  QDir().mkpath(path("class/ataskaitos/giliau"));
  QDir().mkpath(path("elsewhere"));
  ASSERT_EQ(symlink(qPrintable(path("class")), qPrintable(path("classlink"))), 0);
  ASSERT_EQ(symlink(qPrintable(path("class/ataskaitos")), qPrintable(path("elsewhere/link"))), 0);
  const ClassOverview overview = ReadMadeUpClass(path("classlink"));
  const QStringList before = Entries("class");
  const struct {
    const char* target;
    bool refused;
  } rows[] = {
      {"class/out.csv", true},
      {"class/ataskaitos/out.csv", true},
      {"class/ataskaitos/giliau/out.xlsx", true},
      {"classlink/ataskaitos/out.csv", true},
      {"elsewhere/link/out.csv", true},
      {"class/ataskaitos/../../elsewhere/out.csv", false},
      {"out.csv", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.target);
    QString message;
    try {
      ExportClass(path(row.target), overview, PupilsOf(overview, {}), overview.folders);
    } catch (const ProgramError& error) {
      message = error.message();
    }
    EXPECT_EQ(message.startsWith("Suvestinės negalima įrašyti į duomenų aplanką"), row.refused)
        << message.toStdString();
  }
  EXPECT_EQ(Entries("class"), before);
  EXPECT_TRUE(exists("elsewhere/out.csv"));
}

}  // namespace
}  // namespace rova::teacher
