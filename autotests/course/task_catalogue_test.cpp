// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include "course/task_catalogue.h"

namespace rova {
namespace {

QStringList TasksOfKind(CheckKind kind) {
  QStringList tasks;
  for (const TaskRow& row : TaskCatalogue()) {
    if (row.kind == kind) tasks << QStringLiteral("%1-%2").arg(row.id.topic).arg(row.id.task);
  }
  return tasks;
}

TEST(TaskCatalogue, kindListsAreExactlyTheCourseTasks) {
  EXPECT_EQ(TasksOfKind(CheckKind::SingleText).join(' '),
            "1-2 1-3 1-4 1-5 2-2 2-3 2-4 2-5 3-2 3-4 3-5 4-2 4-3 4-4 4-5 5-1 5-2 5-3 5-4 5-5 "
            "6-1 6-3 6-4 6-5 7-1 7-2 7-3 7-4 7-5 8-1 8-2 8-3 8-4 8-5 9-5 10-1 11-5 12-1 13-1 "
            "13-2 13-4 13-5 14-1 14-2 14-3 14-4 14-5 15-1 15-2 15-3 15-4 15-5 16-1 16-2 16-3 "
            "16-4 16-5 17-1 17-2 18-1 18-2 18-3");
  EXPECT_EQ(TasksOfKind(CheckKind::SingleText).size(), 62);
  EXPECT_EQ(TasksOfKind(CheckKind::TextPair).join(' '), "2-1 3-1 3-3 6-2 11-1 11-2 11-3 11-4");
  EXPECT_EQ(TasksOfKind(CheckKind::Fraction).join(' '), "1-1 4-1 18-5");
  EXPECT_EQ(TasksOfKind(CheckKind::Choice).join(' '),
            "9-1 9-2 9-3 9-4 10-2 10-3 10-4 10-5 12-2 12-3 12-4 12-5 13-3 17-3 17-4 17-5 18-4");
}

TEST(TaskCatalogue, rowsAreInCourseOrderWithWindowAndFileNames) {
  ASSERT_EQ(TaskCatalogue().size(), 90u);
  QSet<int> windows;
  for (int i = 0; i < 90; ++i) {
    const TaskRow& row = TaskCatalogue()[i];
    EXPECT_EQ(row.id, (TaskId{i / 5 + 1, i % 5 + 1}));
    EXPECT_EQ(&CatalogueRow(row.id), &row);
    EXPECT_EQ(row.resultFileSuffix, QStringLiteral("_%1-%2.dat").arg(row.id.topic).arg(row.id.task));
    windows.insert(row.windowNumber);
  }
  EXPECT_EQ(windows.size(), 90);
  const QList<int> topicOne = {5, 8, 9, 10, 11};
  for (int task = 1; task <= 5; ++task) EXPECT_EQ(CatalogueRow({1, task}).windowNumber, topicOne[task - 1]);
  EXPECT_EQ(CatalogueRow({2, 1}).windowNumber, 12);
  EXPECT_EQ(CatalogueRow({10, 1}).windowNumber, 52);
  EXPECT_EQ(CatalogueRow({18, 5}).windowNumber, 96);
  EXPECT_EQ(CatalogueRow({18, 5}).resultFileSuffix, "_18-5.dat");
}

// Every task's right answer: texts joined by "|", a fraction value, or a radio button.
TEST(TaskCatalogue, holdsTheRightAnswerOfEveryTask) {
  const char* expected[90] = {
      "0.25", "30", "108", "18", "12",                                     // 1
      "5|20", "16777216", "8", "11200", "15",                              // 2
      "3|4", "29", "3|8", "105", "2,9",                                    // 3
      "0.36", "1545", "256", "172,8", "88200",                             // 4
      "0,44", "0,01", "22", "46", "6",                                     // 5
      "2x", "2a|3", "2", "9", "2",                                         // 6
      "-4", "3", "2", "5", "108",                                          // 7
      "4950", "192", "1994", "903", "-3",                                  // 8
      "AMRadioButton2", "AMRadioButton1", "AMRadioButton4", "AMRadioButton3", "4",  // 9
      "2", "AMRadioButton3", "AMRadioButton2", "AMRadioButton1", "AMRadioButton1",  // 10
      "3|-1", "1|2", "5|-2", "2|18", "16",                                 // 11
      "-2", "AMRadioButton1", "AMRadioButton3", "AMRadioButton2", "AMRadioButton3",  // 12
      "40", "112", "AMRadioButton1", "76", "75",                           // 13
      "50", "20", "116", "2,8", "20",                                      // 14
      "24", "32", "1", "400", "50",                                        // 15
      "302", "60", "60", "10", "40",                                       // 16
      "2", "19", "AMRadioButton2", "AMRadioButton1", "AMRadioButton2",     // 17
      "3", "40", "120", "AMRadioButton2", "0.5",                           // 18
  };
  for (int i = 0; i < 90; ++i) {
    const TaskRow& row = TaskCatalogue()[i];
    QString answer;
    switch (row.kind) {
      case CheckKind::SingleText:
      case CheckKind::TextPair: answer = row.expected.join('|'); break;
      case CheckKind::Fraction: answer = QString::number(double(row.fractionValue)); break;
      case CheckKind::Choice: answer = row.rightRadio; break;
    }
    EXPECT_EQ(answer, QString::fromUtf8(expected[i])) << row.id.topic << "-" << row.id.task;
  }
  EXPECT_EQ(CatalogueRow({4, 1}).fractionValue, 0.36L) << "held as the nearest extended value";
}

TEST(TaskCatalogue, fieldLengthsFollowTheAnswerAreas) {
  for (const TaskRow& row : TaskCatalogue()) {
    const int fields = row.kind == CheckKind::Choice ? 0 : row.kind == CheckKind::SingleText ? 1 : 2;
    EXPECT_EQ(row.fieldMaxLength.size(), fields) << row.id.topic << "-" << row.id.task;
  }
  EXPECT_EQ(CatalogueRow({1, 2}).fieldMaxLength, QList<int>{6});
  EXPECT_EQ(CatalogueRow({2, 2}).fieldMaxLength, QList<int>{8});
  EXPECT_EQ(CatalogueRow({3, 5}).fieldMaxLength, QList<int>{3});
  EXPECT_EQ(CatalogueRow({10, 1}).fieldMaxLength, QList<int>{3});
  EXPECT_EQ(CatalogueRow({1, 1}).fieldMaxLength, (QList<int>{1, 2}));
  EXPECT_EQ(CatalogueRow({3, 1}).fieldMaxLength, (QList<int>{1, 2}));
  EXPECT_EQ(CatalogueRow({3, 3}).fieldMaxLength, (QList<int>{2, 1}));
  EXPECT_EQ(CatalogueRow({4, 1}).fieldMaxLength, (QList<int>{2, 3}));
  EXPECT_EQ(CatalogueRow({6, 2}).fieldMaxLength, (QList<int>{2, 1}));
  EXPECT_EQ(CatalogueRow({18, 5}).fieldMaxLength, (QList<int>{1, 2}));
}

TEST(TaskCatalogue, topicTitlesFeedMenuAndTitleBar) {
  EXPECT_EQ(TopicMenuText(1), QStringLiteral("1. Skaičiai. Skaičių dalumas"));
  EXPECT_EQ(TopicMenuText(12), QStringLiteral("12. Nelygybės. Nelygybių sistemos"));
  EXPECT_EQ(TaskWindowTitle(7), QStringLiteral("ROVA 2004 - Testai - Lygtys") + QString(124, ' '));
  EXPECT_EQ(Topics().size(), 18u);
  EXPECT_EQ(Topics()[17].title, QStringLiteral("Panašumas"));
  EXPECT_EQ(Topics()[17].trailingBlanks, 117);
}

}  // namespace
}  // namespace rova
