// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <compare>
#include <vector>

namespace rova {

constexpr int kTopicCount = 18;
constexpr int kTasksPerTopic = 5;
constexpr int kTaskCount = kTopicCount * kTasksPerTopic;

// A task by its place in the course: topic 1 to 18, task 1 to 5.
struct TaskId {
  int topic = 0;
  int task = 0;
  auto operator<=>(const TaskId&) const = default;
};

// How a task's entry is judged.
enum class CheckKind { SingleText, TextPair, Fraction, Choice };

// One row of the catalogue: what the check and the result files need of a
// task. What the task window shows (its statement, figures and answer area)
// is in the topic layouts (src/tasks/topics/), so that this one stays the data
// the check rests on.
struct TaskRow {
  TaskId id;
  int windowNumber = 0;      // 5, 8 to 11, then 5t + k + 1: the window Form39 is 39
  QString resultFileSuffix;  // "_1-1.dat"
  CheckKind kind = CheckKind::SingleText;
  // SingleText: expected[0]; TextPair: expected[0] and expected[1]. A whole
  // number is kept as its decimal text, which is what the check compares.
  QList<QString> expected;
  // SingleText: other texts of the same value that are right as well, such
  // as "20,0" beside "20" when the statement asks for tenths.
  QList<QString> alsoRight;
  long double fractionValue = 0.0L;  // Fraction: numerator / denominator
  QString rightRadio;                // Choice: "AMRadioButton2"
  // Maximum length of each answer field, in the order of the fields (the
  // numerator first for Fraction); empty for Choice.
  QList<int> fieldMaxLength;
};

// A topic of the course as its menu button and its task windows show it.
struct TopicInfo {
  int topic = 0;
  QString title;           // "Skaičiai. Skaičių dalumas"
  int trailingBlanks = 0;  // blanks after the title in the task windows' title bar
};

// The 90 rows, topic by topic, task by task.
const std::vector<TaskRow>& TaskCatalogue();
// The row of one task. Only the program's own ids come here, never a number
// read from a file, so a task that does not exist is a programmer's error: the
// program stops, naming it.
const TaskRow& CatalogueRow(TaskId id);
// The 18 topics in order.
const std::vector<TopicInfo>& Topics();
// "1. Skaičiai. Skaičių dalumas"
QString TopicMenuText(int topic);
// "ROVA 2004 - Testai - " + title + the topic's trailing blanks
QString TaskWindowTitle(int topic);

}  // namespace rova
