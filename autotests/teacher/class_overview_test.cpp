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
  EXPECT_TRUE(overview.notes.isEmpty()) << overview.notes.Lines().join('\n').toStdString();
  const Pupil& ona = overview.pupils[0];  // user.dat lists the newest first
  const Pupil& jonas = overview.pupils[1];
  EXPECT_EQ(ona.surname, QString("Onaitė"));
  EXPECT_EQ(jonas.schoolClass, QString("8a"));

  // Topic 2 of Jonas: right 1+2+3+4+5 = 15, checked 3+4+5+6+7 = 25, 60 %.
  EXPECT_EQ(TopicTotals(jonas, 2), (Totals{{15, 25}, 5, 0}));
  EXPECT_EQ(ShareText(TopicTotals(jonas, 2)), QString("60,0 %"));
  // All of Jonas: 18 * 15 right; checked 5 * (1 + ... + 18) + 18 * 15 = 855 + 270.
  EXPECT_EQ(PupilTotals(jonas), (Totals{{270, 1125}, 90, 0}));
  EXPECT_EQ(ShareText(PupilTotals(jonas)), QString("24,0 %"));
  // Topic 1, nothing checked by Ona: no share of her own, the class's is Jonas's 15 of 20.
  EXPECT_EQ(ShareText(TopicTotals(ona, 1)), QString());
  const std::vector<const Pupil*> all = PupilsOf(overview, {});
  EXPECT_EQ(ClassTopicTotals(all, 1), (Totals{{15, 20}, 10, 0}));
  EXPECT_EQ(ClassTaskTotals(all, {3, 4}), (Totals{{5, 9}, 2, 0}));
  EXPECT_EQ(ClassTotals(all), (Totals{{270 + 85, 1125 + 170}, 180, 0}));

  // The class average is the mean of the pupils' shares, not the share of
  // all answers: in topic 2 Jonas has 60 % and Ona 50 %, 55 % on average,
  // while all their answers together are 20 right of 35, 57,1 %.
  const MeanShare topic2 = MeanOfShares(all, 2);
  ASSERT_TRUE(topic2.percent);
  EXPECT_DOUBLE_EQ(*topic2.percent, 55.0);
  EXPECT_EQ(topic2.pupils, 2);
  EXPECT_EQ(ShareText(ClassTopicTotals(all, 2)), QString("57,1 %"));
  // Topic 1: Ona checked nothing and is not counted.
  EXPECT_EQ(MeanOfShares(all, 1).pupils, 1);
  EXPECT_DOUBLE_EQ(*MeanOfShares(all, 1).percent, 75.0);

  EXPECT_EQ(Classes(overview), (QStringList{"8a", "8b"}));
  ASSERT_EQ(PupilsOf(overview, "8b").size(), 1u);
  EXPECT_EQ(PupilsOf(overview, "8b")[0]->userName, QString("ona"));
}

TEST_F(ClassOverviewTest, countsNear32BitsAreSummedIn64) {
  const auto most = [](TaskId) { return ResultCounts{2147483647, 2147483647}; };
  AddPupil(folder("a"), "jonas", {"Jonas", "J", "8a"}, most);
  AddPupil(folder("a"), "ona", {"Ona", "O", "8a"}, most);
  const ClassOverview overview = ReadClass({folder("a")});
  ASSERT_EQ(overview.pupils.size(), 2u);
  EXPECT_EQ(TopicTotals(overview.pupils[0], 1).counts.correct, 5LL * 2147483647);
  EXPECT_EQ(ClassTotals(PupilsOf(overview, {})).counts.checked, 180LL * 2147483647);
}

TEST_F(ClassOverviewTest, oneUserNameInTwoFoldersIsTwoPupilsEachWithItsFolderAndAFolderNamedTwiceIsReadOnce) {
  AddPupil(folder("pc1"), "jonas", {"Jonas", "Jonaitis", "8a"}, JonasCounts);
  AddPupil(folder("pc1"), "ona", {"Ona", "Onaitė", "8b"}, OnaCounts);
  AddPupil(folder("pc2"), "jonas", {"Jonas", "Kitas", "8c"}, OnaCounts);
  ASSERT_EQ(symlink(qPrintable(folder("pc1")), qPrintable(folder("link"))), 0);

  const ClassOverview overview = ReadClass({folder("pc1"), folder("pc2"), folder("link")});
  EXPECT_EQ(overview.folders, (QStringList{folder("pc1"), folder("pc2")}));
  ASSERT_EQ(overview.pupils.size(), 3u);
  const Pupil& ona = overview.pupils[0];
  const Pupil& jonas = overview.pupils[1];
  const Pupil& other = overview.pupils[2];
  EXPECT_EQ(ona.folder, folder("pc1"));
  EXPECT_EQ(jonas.folder, folder("pc1"));
  EXPECT_EQ(other.folder, folder("pc2"));
  EXPECT_EQ(other.surname, QString("Kitas"));
  // Task 2-3: 3 of 5 in pc1 and 1 of 2 in pc2, never 4 of 7.
  EXPECT_EQ(jonas.cell({2, 3}).counts, (ResultCounts{3, 5}));
  EXPECT_EQ(other.cell({2, 3}).counts, (ResultCounts{1, 2}));

  const QStringList notes = ExportNotes(overview, PupilsOf(overview, {}));
  ASSERT_EQ(notes.size(), 1);
  EXPECT_EQ(notes[0], QString("Vartotojo vardas „jonas“ yra keliuose aplankuose (%1, %2): tai skirtingi "
                              "mokiniai, kiekvienas rodomas atskirai su savo aplanku.")
                          .arg(folder("pc1"), folder("pc2")));
  const QList<QByteArray> lines = ClassCsv(overview, PupilsOf(overview, {})).split('\n');
  EXPECT_TRUE(lines[2].startsWith("Jonas;Jonaitis;8a;jonas;" + folder("pc1").toUtf8() + ";15;20;75,0;"));
  EXPECT_TRUE(lines[3].startsWith("Jonas;Kitas;8c;jonas;" + folder("pc2").toUtf8() + ";0;0;;5;10;50,0;"));
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
  ExportClass(path("out.csv"), overview, PupilsOf(overview, {}), overview.folders);
  ExportClass(path("out.xlsx"), overview, PupilsOf(overview, {}), overview.folders);
  EXPECT_EQ(Snapshot(a), before);

  ASSERT_EQ(overview.pupils.size(), 1u);
  const Pupil& jonas = overview.pupils[0];
  EXPECT_EQ(jonas.cell({1, 1}).problem, QString("Invalid numeric input"));
  EXPECT_EQ(jonas.cell({1, 2}).problem, QString("File access denied"));
  EXPECT_EQ(jonas.cell({1, 3}).problem, QString("File too large"));
  EXPECT_EQ(CellProblem(jonas, TaskIndex({1, 3})), a + "/jonas_1-3.dat: File too large");
  EXPECT_EQ(jonas.cell({2, 1}).counts, (ResultCounts{7, 9}));
  EXPECT_EQ(jonas.cell({2, 2}).problem, QString("File not found"));
  EXPECT_EQ(jonas.cell({2, 3}).problem, QString("File access denied"));
  // Topic 1 over its two readable files, 1-4 and 1-5, marked as partial.
  EXPECT_EQ(TopicTotals(jonas, 1), (Totals{{9, 11}, 2, 3}));
  EXPECT_EQ(CountsText(TopicTotals(jonas, 1)), QString("9 / 11 *"));
  EXPECT_EQ(TopicTotals(jonas, 3), (Totals{{15, 30}, 5, 0}));
  const QStringList notes = overview.notes.Lines();
  ASSERT_EQ(notes.size(), 3);
  EXPECT_TRUE(notes[1].contains("„../b“ netinkamas"));
  EXPECT_TRUE(notes[2].contains("„x\\x09y“"));
}

TEST_F(ClassOverviewTest, countsThatCannotBeAreShownAsDamagedNeverAsAShare) {
  const QString a = folder("a");
  AddPupil(a, "jonas", {"Jonas", "Jonaitis", "8a"}, [](TaskId) { return ResultCounts{2, 2}; });
  const struct {
    TaskId task;
    QByteArray bytes;
    bool damaged;
  } rows[] = {
      {{1, 1}, "4712\r\n2\r\n", true}, {{1, 2}, "-1\r\n-1\r\n", true}, {{1, 3}, "0\r\n-5\r\n", true},
      {{1, 4}, "-2147483648\r\n0\r\n", true}, {{1, 5}, "3\r\n3\r\n", false},  // all right is fine
  };
  for (const auto& row : rows) WriteFile(a + "/" + ResultFileName("jonas", row.task), row.bytes);
  const ClassOverview overview = ReadClass({a});
  ASSERT_EQ(overview.pupils.size(), 1u);
  const Pupil& jonas = overview.pupils[0];
  for (const auto& row : rows) EXPECT_EQ(!jonas.cell(row.task).readable(), row.damaged) << row.bytes.constData();
  EXPECT_EQ(TopicTotals(jonas, 1), (Totals{{3, 3}, 1, 4}));
  EXPECT_EQ(ShareText(TopicTotals(jonas, 1)), QString("100,0 %"));
  EXPECT_EQ(CellProblem(jonas, 0),
            a + "/jonas_1-1.dat: pažeistas failas: tokių skaičių būti negali (teisingai 4712, tikrinta 2)");
  const QByteArray csv = ClassCsv(overview, PupilsOf(overview, {}));
  EXPECT_TRUE(csv.contains(";3;3;100,0*;")) << csv.constData();
  EXPECT_FALSE(csv.contains("235600"));
}

TEST_F(ClassOverviewTest, notesStopAtSomeTwentyPerFolderAndKind) {
  // 1 MiB of user names registration refuses, and a user.dat that lists
  // thirty pupils without files and one name three times.
  QByteArray refused;
  for (int i = 0; refused.size() < kMaxUserListBytes - 16; ++i) refused += "../" + QByteArray::number(i) + "\r\n";
  QDir().mkpath(folder("a"));
  WriteFile(folder("a") + "/user.dat", refused);
  QByteArray listed = "jonas\r\n";
  for (int i = 0; i < 30; ++i) listed += "p" + QByteArray::number(i) + "\r\n";
  AddPupil(folder("b"), "jonas", {"Jonas", "J", "8a"}, JonasCounts);
  WriteFile(folder("b") + "/user.dat", listed + "jonas\r\njonas\r\n");

  const ClassOverview overview = ReadClass({folder("a"), folder("b")});
  ASSERT_EQ(overview.pupils.size(), 31u);
  // Jonas is read once, not doubled.
  EXPECT_EQ(PupilTotals(overview.pupils[0]), (Totals{{270, 1125}, 90, 0}));
  const qint64 refusedCount = refused.count('\n');
  const QStringList notes = ExportNotes(overview, PupilsOf(overview, {}));
  const QStringList expectedTails{
      QString("… ir dar %1").arg(refusedCount - kNotesPerGroup),  // refused names in a
      QString("… ir dar 10"),                                     // profiles missing in b
      QString("… ir dar %1").arg(30 * 90 - kNotesPerGroup),       // result files missing in b
  };
  QStringList tails;
  for (const QString& note : notes) {
    if (note.startsWith("… ir dar")) tails << note;
  }
  EXPECT_EQ(tails, expectedTails);
  // The star note, 21 + 1 + 21 + 21 lines.
  EXPECT_EQ(notes.size(), 1 + 21 + 1 + 21 + 21) << notes.join('\n').toStdString();
  EXPECT_EQ(notes.filter("įrašytas kelis kartus").size(), 1);
}

TEST_F(ClassOverviewTest, aFolderOfExactlyTheMostPupilsIsReadWholeAndOneMoreIsNoted) {
  for (const int listed : {kMaxPupilsPerFolder, kMaxPupilsPerFolder + 1}) {
    const QString a = folder(QString("a%1").arg(listed));
    QDir().mkpath(a);
    QByteArray names;
    for (int i = 0; i < listed; ++i) names += "p" + QByteArray::number(i) + "\r\n";
    WriteFile(a + "/user.dat", names);
    // Stopped at once: the count is all this needs, not 5000 pupils' files.
    std::atomic<bool> stop{false};
    int total = -1;
    const ClassOverview overview = ReadClass({a}, {[&](int, int all) {
                                                     if (total < 0) total = all;
                                                     stop = true;
                                                   },
                                                   &stop});
    EXPECT_EQ(total, kMaxPupilsPerFolder);
    EXPECT_EQ(overview.notes.Lines().filter("daugiau nei 5000 mokinių").size(), listed > kMaxPupilsPerFolder ? 1 : 0);
  }
}

TEST_F(ClassOverviewTest, csvHasItsMarkSeparatorsQuotingAndLithuanianLetters) {
  AddPupil(folder("a"), "jonas", {"Žydrūnas", "Šilas; \"Vyr.\"", "8ą"}, JonasCounts);
  WriteFile(folder("a") + "/jonas_18-5.dat", "x\r\n");
  const ClassOverview overview = ReadClass({folder("a")});
  ExportClass(path("class.csv"), overview, PupilsOf(overview, {}), overview.folders);
  const QByteArray bytes = readBytes("class.csv");
  ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBFVardas;Pavard\xC4\x97;Klas\xC4\x97;Vartotojo vardas;Aplankas;"
                               "1. Skai\xC4\x8Diai. Skai\xC4\x8Di\xC5\xB3 dalumas: teisingai;"));
  const QList<QByteArray> lines = bytes.split('\n');
  // Header, pupil, totals, average, empty, "Pastabos", two notes, end.
  ASSERT_EQ(lines.size(), 9);
  QByteArray pupil = "\xC5\xBD" "ydr\xC5\xAB" "nas;\"\xC5\xA0ilas; \"\"Vyr.\"\"\";8\xC4\x85;jonas;" +
                     path("a").toUtf8();
  for (int topic = 1; topic <= 17; ++topic) {
    const int checked = 5 * topic + 15;
    pupil += ";15;" + QByteArray::number(checked) + ";" +
             QByteArray::number(1500.0 / checked, 'f', 1).replace('.', ',');
  }
  // Topic 18 and the total over the readable files: 10 of 82, 265 of 1102.
  pupil += ";10;82;12,2*;265;1102;24,0*\r";
  EXPECT_EQ(lines[1], pupil);
  EXPECT_TRUE(lines[2].startsWith("I\xC5\xA1 viso (bendra vis\xC5\xB3 atsakym\xC5\xB3 dalis);;;;;15;20;75,0;15;25;60,0;"));
  EXPECT_TRUE(lines[3].startsWith("Klas\xC4\x97s vidurkis (mokini\xC5\xB3 dali\xC5\xB3 vidurkis);;;;;;;75,0;;;60,0;"));
  EXPECT_TRUE(lines[3].endsWith(";;;12,2*;;;24,0*\r"));
  EXPECT_EQ(lines[4], "\r");
  EXPECT_EQ(lines[5], "Pastabos\r");
  EXPECT_TRUE(lines[6].startsWith("\xC5\xBDvaig\xC5\xBE" "dute (*)"));
  EXPECT_EQ(lines[7], (path("a") + "/jonas_18-5.dat: Invalid numeric input\r").toUtf8());

  // A name typed as a formula stays text in a spreadsheet program, and one
  // that would break a line or a field stays in its field.
  const struct {
    QString firstName;
    QByteArray field;
  } names[] = {
      {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
      {"+1", "'+1"},
      {"-1+2", "'-1+2"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"id>/home/teacher/X\nrm -rf ~", "id>/home/teacher/X\\x0arm -rf ~"},
      {"a;b", "\"a;b\""},
      {"\t=1", "\\x09=1"},
  };
  for (const auto& name : names) {
    ClassOverview planted;
    planted.pupils.emplace_back().firstName = name.firstName;
    const QByteArray csv = ClassCsv(planted, PupilsOf(planted, {}));
    EXPECT_TRUE(csv.contains("\n" + name.field + ";")) << name.field.constData();
  }
}

TEST_F(ClassOverviewTest, spreadsheetReadsBackCellByCell) {
  AddPupil(folder("a"), "jonas", {"Žydrūnas", "Šilas", "8a"}, JonasCounts);
  AddPupil(folder("a"), "ona", {"Ona", "Onaitė", "8b"}, OnaCounts);
  WriteFile(folder("a") + "/ona_2-1.dat", "x\r\n");
  const ClassOverview overview = ReadClass({folder("a")});
  ExportClass(path("class.xlsx"), overview, PupilsOf(overview, {}), overview.folders);

  // Debian's interpreter, which has the reader that scripts/setup.sh installs.
  QProcess python;
  python.start("/usr/bin/python3", {"-c", R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
print(book.sheetnames)
t = book['Temos']
for cell in ['A1', 'B1', 'E1', 'F1', 'A2', 'B2', 'F2', 'G2', 'H2', 'I2', 'J2', 'K2', 'BF2', 'BG2', 'BH2', 'BJ2',
             'A3', 'F3', 'G3', 'H3', 'K3', 'A4', 'F4', 'G4', 'H4', 'I4', 'A5', 'F5', 'H5', 'K5']:
    print(cell, repr(t[cell].value))
print('K2', t['K2'].number_format, 'K3', t['K3'].number_format)
u = book['Uždaviniai']
for cell in ['F1', 'G1', 'F2', 'G2', 'P2', 'Q2', 'P4', 'Q4']:
    print(cell, repr(u[cell].value))
print('Q4', u['Q4'].number_format)
print(repr(book['Pastabos']['A3'].value))
)", path("class.xlsx")});
  ASSERT_TRUE(python.waitForFinished(60000));
  ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  // Ona: 1 of 2 from topic 2 on, nothing checked in topic 1, 2-1 unreadable.
  const QString expected = QString(
      "['Temos', 'Uždaviniai', 'Pastabos']\n"
      "A1 'Vardas'\nB1 'Pavardė'\nE1 'Aplankas'\nF1 '1. Skaičiai. Skaičių dalumas: teisingai'\n"
      "A2 'Ona'\nB2 'Onaitė'\nF2 0\nG2 0\nH2 None\nI2 4\nJ2 8\nK2 50\n"
      "BF2 10\nBG2 50\nBH2 84\nBJ2 50\n"
      "A3 'Žydrūnas'\nF3 15\nG3 20\nH3 75\nK3 60\n"
      "A4 'Iš viso (bendra visų atsakymų dalis)'\nF4 15\nG4 20\nH4 75\nI4 19\n"
      "A5 'Klasės vidurkis (mokinių dalių vidurkis)'\nF5 None\nH5 75\nK5 55\n"
      "K2 0.0\"*\" K3 0.0\n"
      "F1 '1-1: teisingai'\nG1 '1-1: tikrinta'\nF2 0\nG2 0\nP2 '—'\nQ2 '—'\nP4 1\nQ4 3\n"
      "Q4 0\"*\"\n"
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
  // A folder named by bytes that are no UTF-8 text is refused, not decoded
  // into another name.
  QProcess shell;
  shell.setProcessEnvironment(environment);
  shell.start("/bin/sh", {"-c", "exec \"$0\" --export \"$1\" \"$(printf 'a\\377')\"", ROVA_TEACHER_PROGRAM,
                          path("bytes.csv")});
  ASSERT_TRUE(shell.waitForFinished(60000));
  EXPECT_EQ(shell.exitCode(), 2);
  EXPECT_TRUE(shell.readAllStandardError().contains("UTF-8"));
  EXPECT_FALSE(exists("bytes.csv"));
  const auto [code, message] = run({});
  EXPECT_EQ(code, 2);
  EXPECT_TRUE(message.contains("no display")) << message.toStdString();
}

}  // namespace
}  // namespace rova::teacher
