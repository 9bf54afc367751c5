// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/class_overview.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDirIterator>
#include <mutex>
#include <QProcess>
#include <gtest/gtest.h>

#include "made_up_class.h"
#include "teacher/class_export.h"
#include "teacher/command_line.h"
#include "temp_dir.h"

namespace rova::teacher {
namespace {

using testing::AddPupil;
using testing::WriteFile;

class ClassOverviewTest : public rova::testing::InTempDir {
 protected:
  QString folder(const QString& name) const { return path(name); }
};

// Jonas: task t of topic p has t right of p + t checked. Ona: 1 of 2 everywhere,
// except topic 1, where she has checked nothing.
ResultCounts JonasCounts(TaskId id) { return {id.task, id.topic + id.task}; }
ResultCounts OnaCounts(TaskId id) { return id.topic == 1 ? ResultCounts{0, 0} : ResultCounts{1, 2}; }

TEST_F(ClassOverviewTest, sumsAndSharesOfAMadeUpClassAreThoseWorkedOutByHand) {
  AddPupil(folder("a"), "jonas", {"Jonas", "Jonaitis", "8a"}, JonasCounts);
  AddPupil(folder("a"), "ona", {"Ona", "Onaitė", "8b"}, OnaCounts);
  const ClassOverview overview = ReadClass({folder("a")});
  ASSERT_EQ(overview.pupils.size(), 2u);
  EXPECT_TRUE(overview.problems.isEmpty()) << overview.problems.join('\n').toStdString();
  const Pupil& ona = overview.pupils[0];  // user.dat lists the newest first
  const Pupil& jonas = overview.pupils[1];
  EXPECT_EQ(ona.surname, QString("Onaitė"));
  EXPECT_EQ(jonas.schoolClass, QString("8a"));

  // Topic 2 of Jonas: right 1+2+3+4+5 = 15, checked 3+4+5+6+7 = 25, 60 %.
  EXPECT_EQ(TopicTotals(jonas, 2), (Totals{{15, 25}, 0}));
  EXPECT_EQ(ShareText(TopicTotals(jonas, 2)), QString("60,0 %"));
  // All of Jonas: 18 * 15 right; checked 5 * (1 + ... + 18) + 18 * 15 = 855 + 270.
  EXPECT_EQ(PupilTotals(jonas), (Totals{{270, 1125}, 0}));
  EXPECT_EQ(ShareText(PupilTotals(jonas)), QString("24,0 %"));
  // Topic 1, nothing checked by Ona: no share of her own, the class's is Jonas's 15 of 20.
  EXPECT_EQ(ShareText(TopicTotals(ona, 1)), QString());
  const std::vector<const Pupil*> all = PupilsOf(overview, {});
  EXPECT_EQ(ClassTopicTotals(all, 1), (Totals{{15, 20}, 0}));
  EXPECT_EQ(ClassTaskTotals(all, {3, 4}), (Totals{{5, 9}, 0}));
  EXPECT_EQ(ClassTotals(all), (Totals{{270 + 85, 1125 + 170}, 0}));

  EXPECT_EQ(Classes(overview), (QStringList{"8a", "8b"}));
  ASSERT_EQ(PupilsOf(overview, "8b").size(), 1u);
  EXPECT_EQ(PupilsOf(overview, "8b")[0]->userName, QString("ona"));
}

TEST_F(ClassOverviewTest, countsNear32BitsAreSummedIn64) {
  const auto most = [](TaskId) { return ResultCounts{2147483647, 2147483647}; };
  AddPupil(folder("a"), "jonas", {"Jonas", "J", "8a"}, most);
  AddPupil(folder("b"), "jonas", {"Jonas", "J", "8a"}, most);
  const ClassOverview overview = ReadClass({folder("a"), folder("b")});
  ASSERT_EQ(overview.pupils.size(), 1u);
  EXPECT_EQ(overview.pupils[0].cell({1, 1}).counts.correct, 4294967294LL);
  EXPECT_EQ(PupilTotals(overview.pupils[0]).counts.checked, 90LL * 4294967294LL);
}

TEST_F(ClassOverviewTest, aPupilInTwoFoldersIsShownOnceWithCountsAddedAndAFolderNamedTwiceIsReadOnce) {
  AddPupil(folder("pc1"), "jonas", {"Jonas", "Jonaitis", "8a"}, JonasCounts);
  AddPupil(folder("pc1"), "ona", {"Ona", "Onaitė", "8b"}, OnaCounts);
  AddPupil(folder("pc2"), "jonas", {"Jonas", "Jonaitis", "8a"}, OnaCounts);
  ASSERT_EQ(symlink(qPrintable(folder("pc1")), qPrintable(folder("link"))), 0);

  const ClassOverview overview = ReadClass({folder("pc1"), folder("pc2"), folder("link")});
  EXPECT_EQ(overview.folders, (QStringList{folder("pc1"), folder("pc2")}));
  ASSERT_EQ(overview.pupils.size(), 2u);
  const Pupil& ona = overview.pupils[0];
  const Pupil& jonas = overview.pupils[1];
  EXPECT_FALSE(ona.merged());
  EXPECT_TRUE(jonas.merged());
  // Task 2-3: 3 of 5 in pc1, 1 of 2 in pc2.
  EXPECT_EQ(jonas.cell({2, 3}).counts, (ReportTotals{4, 7}));
  EXPECT_EQ(TopicTotals(jonas, 1), (Totals{{15, 20}, 0}));
  EXPECT_TRUE(ExportNotes(overview, PupilsOf(overview, {})).join('\n').contains("keliuose aplankuose"));
}

TEST_F(ClassOverviewTest, progressCountsEveryPupilAndAStopLeavesTheRestUnread) {
  for (int i = 0; i < 12; ++i) AddPupil(folder("a"), QString("p%1").arg(i), {"P", "", "8a"}, JonasCounts);
  std::mutex lock;
  std::vector<std::pair<int, int>> reports;
  std::atomic<bool> stop{false};
  ReadProgress progress{[&](int done, int total) {
                          const std::lock_guard guard(lock);
                          reports.emplace_back(done, total);
                        },
                        &stop};
  EXPECT_EQ(ReadClass({folder("a")}, progress).pupils.size(), 12u);
  ASSERT_EQ(reports.size(), 13u);
  std::sort(reports.begin(), reports.end());
  for (int i = 0; i <= 12; ++i) EXPECT_EQ(reports[i], std::pair(i, 12));

  // Stopped once two pupils are read: the other reading threads (three at most)
  // finish the pupil each has, and no more.
  progress.report = [&](int done, int) { if (done >= 2) stop = true; };
  const size_t read = ReadClass({folder("a")}, progress).pupils.size();
  EXPECT_GE(read, 2u);
  EXPECT_LE(read, 5u);
}

// What a data folder holds, file by file: bytes, mode, modification time.
QStringList Snapshot(const QString& root) {
  QStringList lines;
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    struct stat info {};
    lstat(qPrintable(path), &info);
    QByteArray bytes;
    if (S_ISREG(info.st_mode) && info.st_size < (1 << 20)) {
      QFile file(path);
      if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    }
    lines << QStringLiteral("%1 %2 %3.%4 %5 %6")
                 .arg(path)
                 .arg(info.st_mode, 0, 8)
                 .arg(info.st_mtim.tv_sec)
                 .arg(info.st_mtim.tv_nsec)
                 .arg(info.st_size)
                 .arg(QString::fromLatin1(bytes.toHex()));
  }
  lines.sort();
  return lines;
}

TEST_F(ClassOverviewTest, hostileFilesGiveMarkedCellsNoHangAndTheFolderIsLeftAsItWas) {
  const QString a = folder("a");
  AddPupil(a, "jonas", {"Jonas", "Jonaitis", "8a"}, JonasCounts);
  WriteFile(a + "/jonas_1-1.dat", "abc\r\n1\r\n");                 // garbage
  QFile::remove(a + "/jonas_1-2.dat");
  ASSERT_EQ(mkfifo(qPrintable(a + "/jonas_1-2.dat"), 0600), 0);  // would block a plain open
  {
    // 1 GiB, sparse on disk: blanks past the reading bound, then NUL bytes.
    QFile huge(a + "/jonas_1-3.dat");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(huge.write(QByteArray(8192, ' ')), 8192);
    ASSERT_TRUE(huge.resize(qint64(1) << 30));
  }
  WriteFile(a + "/jonas_2-1.dat", "      \t\r\n\r\n7\r\n9\r\n");     // blanks before the counts: fine
  QFile::remove(a + "/jonas_2-2.dat");
  QFile::remove(a + "/jonas_2-3.dat");
  ASSERT_TRUE(QDir().mkdir(a + "/jonas_2-3.dat"));
  // Names registration would refuse are listed, never opened.
  WriteFile(a + "/user.dat", "jonas\r\n..\r\n../b\r\nx\ty\r\n");
  ASSERT_EQ(chmod(qPrintable(a), 0700), 0);

  const QStringList before = Snapshot(a);
  const ClassOverview overview = ReadClass({a});
  ExportClass(path("out.csv"), overview, PupilsOf(overview, {}));
  ExportClass(path("out.xlsx"), overview, PupilsOf(overview, {}));
  EXPECT_EQ(Snapshot(a), before);

  ASSERT_EQ(overview.pupils.size(), 1u);
  const Pupil& jonas = overview.pupils[0];
  EXPECT_TRUE(jonas.cell({1, 1}).problem.endsWith("Invalid numeric input"));
  EXPECT_TRUE(jonas.cell({1, 2}).problem.endsWith("File access denied"));
  EXPECT_TRUE(jonas.cell({1, 3}).problem.endsWith("File too large"));
  EXPECT_EQ(jonas.cell({2, 1}).counts, (ReportTotals{7, 9}));
  EXPECT_TRUE(jonas.cell({2, 2}).problem.endsWith("File not found"));
  EXPECT_TRUE(jonas.cell({2, 3}).problem.endsWith("File access denied"));
  EXPECT_EQ(TopicTotals(jonas, 1).unreadable, 3);
  EXPECT_EQ(CountsText(TopicTotals(jonas, 1)), QString("—"));
  EXPECT_EQ(TopicTotals(jonas, 3), (Totals{{15, 30}, 0}));
  ASSERT_EQ(overview.problems.size(), 3);
  EXPECT_TRUE(overview.problems[1].contains("„../b“ netinkamas"));
  EXPECT_TRUE(overview.problems[2].contains("„x\\x09y“"));
}

TEST_F(ClassOverviewTest, csvHasItsMarkSeparatorsQuotingAndLithuanianLetters) {
  AddPupil(folder("a"), "jonas", {"Žydrūnas", "Šilas; \"Vyr.\"", "8ą"}, JonasCounts);
  WriteFile(folder("a") + "/jonas_18-5.dat", "x\r\n");
  const ClassOverview overview = ReadClass({folder("a")});
  ExportClass(path("class.csv"), overview, PupilsOf(overview, {}));
  const QByteArray bytes = readBytes("class.csv");
  ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBFVardas;Pavard\xC4\x97;Klas\xC4\x97;Vartotojo vardas;"
                               "1. Skai\xC4\x8Diai. Skai\xC4\x8Di\xC5\xB3 dalumas: teisingai;"));
  const QList<QByteArray> lines = bytes.split('\n');
  ASSERT_EQ(lines.size(), 7);  // header, pupil, totals, empty, "Pastabos", one note, end
  QByteArray pupil = "\xC5\xBD" "ydr\xC5\xAB" "nas;\"\xC5\xA0ilas; \"\"Vyr.\"\"\";8\xC4\x85;jonas";
  for (int topic = 1; topic <= 17; ++topic) {
    const int checked = 5 * topic + 15;
    pupil += ";15;" + QByteArray::number(checked) + ";" +
             QByteArray::number(1500.0 / checked, 'f', 1).replace('.', ',');
  }
  pupil += ";\xE2\x80\x94;\xE2\x80\x94;\xE2\x80\x94;\xE2\x80\x94;\xE2\x80\x94;\xE2\x80\x94\r";
  EXPECT_EQ(lines[1], pupil);
  EXPECT_TRUE(lines[2].startsWith("I\xC5\xA1 viso;;;;15;20;75,0;15;25;60,0;"));
  EXPECT_EQ(lines[3], "\r");
  EXPECT_EQ(lines[4], "Pastabos\r");
  EXPECT_EQ(lines[5], (path("a") + "/jonas_18-5.dat: Invalid numeric input\r").toUtf8());

  // A name typed as a formula stays text in a spreadsheet program.
  ClassOverview formula;
  formula.pupils.emplace_back().firstName = "=HYPERLINK(\"x\")";
  EXPECT_TRUE(ClassCsv(formula, PupilsOf(formula, {})).contains("\n\"'=HYPERLINK(\"\"x\"\")\";"));
}

TEST_F(ClassOverviewTest, spreadsheetReadsBackCellByCell) {
  AddPupil(folder("a"), "jonas", {"Žydrūnas", "Šilas", "8a"}, JonasCounts);
  AddPupil(folder("a"), "ona", {"Ona", "Onaitė", "8b"}, OnaCounts);
  WriteFile(folder("a") + "/ona_2-1.dat", "x\r\n");
  const ClassOverview overview = ReadClass({folder("a")});
  ExportClass(path("class.xlsx"), overview, PupilsOf(overview, {}));

  // Debian's interpreter, which has the reader that scripts/setup.sh installs.
  QProcess python;
  python.start("/usr/bin/python3", {"-c", R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
print(book.sheetnames)
t = book['Temos']
for cell in ['A1', 'B1', 'E1', 'A2', 'B2', 'E2', 'F2', 'G2', 'H2', 'J2', 'BE2', 'BF2', 'BG2', 'BI2',
             'A3', 'E3', 'F3', 'G3', 'J3', 'A4', 'E4', 'F4', 'G4', 'H4']:
    print(cell, repr(t[cell].value))
u = book['Uždaviniai']
for cell in ['E1', 'F1', 'E2', 'F2', 'O2', 'P2', 'O4', 'P4']:
    print(cell, repr(u[cell].value))
print(repr(book['Pastabos']['A2'].value))
)", path("class.xlsx")});
  ASSERT_TRUE(python.waitForFinished(60000));
  ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  const QString expected = QString(
      "['Temos', 'Uždaviniai', 'Pastabos']\n"
      "A1 'Vardas'\nB1 'Pavardė'\nE1 '1. Skaičiai. Skaičių dalumas: teisingai'\n"
      "A2 'Ona'\nB2 'Onaitė'\nE2 0\nF2 0\nG2 None\nH2 '—'\nJ2 '—'\n"
      "BE2 10\nBF2 50\nBG2 '—'\nBI2 '—'\n"
      "A3 'Žydrūnas'\nE3 15\nF3 20\nG3 75\nJ3 60\n"
      "A4 'Iš viso'\nE4 15\nF4 20\nG4 75\nH4 '—'\n"
      "E1 '1-1: teisingai'\nF1 '1-1: tikrinta'\nE2 0\nF2 0\nO2 '—'\nP2 '—'\nO4 '—'\nP4 '—'\n"
      "'%1/ona_2-1.dat: Invalid numeric input'\n").arg(folder("a"));
  EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()), expected);
}

TEST(TeacherCommandLine, readsOptionsFoldersAndRefusesTheUnknown) {
  struct Case {
    QStringList arguments;
    QString dataFolder, exportFile;
    QStringList folders;
    bool help;
    bool error;
  };
  const Case cases[] = {
      {{"--export", "a.xlsx", "x", "y"}, {}, "a.xlsx", {"x", "y"}, false, false},
      {{"--data-folder=/d", "--", "--x"}, "/d", {}, {"--x"}, false, false},
      {{"-h"}, {}, {}, {}, true, false},
      {{"--export"}, {}, {}, {}, false, true},
      {{"--export="}, {}, {}, {}, false, true},
      {{"--colour"}, {}, {}, {}, false, true},
  };
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments);
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    EXPECT_EQ(line.dataFolder, c.dataFolder);
    EXPECT_EQ(line.exportFile, c.exportFile);
    EXPECT_EQ(line.folders, c.folders);
    EXPECT_EQ(line.help, c.help);
    EXPECT_EQ(!line.error.isEmpty(), c.error);
  }
}

TEST_F(ClassOverviewTest, theProgramExportsWithoutADisplayAndSaysWhatFailed) {
  AddPupil(folder("a"), "jonas", {"Jonas", "Jonaitis", "8a"}, JonasCounts);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  const auto run = [&](const QStringList& arguments) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(ROVA_TEACHER_PROGRAM, arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return std::pair(program.exitCode(), QString::fromUtf8(program.readAllStandardError()));
  };
  EXPECT_EQ(run({"--export", path("out.csv"), folder("a")}), std::pair(0, QString()));
  const ClassOverview overview = ReadClass({folder("a")});
  EXPECT_EQ(readBytes("out.csv"), ClassCsv(overview, PupilsOf(overview, {})));

  EXPECT_EQ(run({"--export", path("out.ods"), folder("a")}).first, 2);
  EXPECT_EQ(run({"--export", path("out.csv"), folder("none")}).first, 2);
  const auto [code, message] = run({});
  EXPECT_EQ(code, 2);
  EXPECT_TRUE(message.contains("no display")) << message.toStdString();
}

}  // namespace
}  // namespace rova::teacher
