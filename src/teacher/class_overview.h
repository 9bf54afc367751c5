// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "stats/statistics_report.h"
#include "course/task_catalogue.h"

namespace rova::teacher {

// Bounds on what one folder's files may make the reader do: a list or a file
// beyond them is marked, not read on.
constexpr qsizetype kMaxUserListBytes = 1 << 20;
constexpr int kMaxPupilsPerFolder = 5000;
constexpr qsizetype kMaxProfileBytes = 4096;
constexpr qsizetype kMaxResultFileBytes = 4096;

// One task of one pupil: the counts of the result file (added up over the
// folders the pupil was found in), or why a file could not be read.
struct TaskCell {
  ReportTotals counts;
  QString problem;  // empty when every file of the cell was read
  bool readable() const { return problem.isEmpty(); }
};

// A sum of cells; `unreadable` counts the cells left out because their file
// could not be read, so that a partial sum is never shown as a whole one.
struct Totals {
  ReportTotals counts;
  int unreadable = 0;
  bool operator==(const Totals&) const = default;
};

struct Pupil {
  QString userName;
  QString firstName, surname, schoolClass;
  QString profileProblem;  // the profile file could not be read
  QStringList folders;     // where the pupil was found; more than one: merged
  std::array<TaskCell, kTaskCount> tasks;  // in catalogue order

  bool merged() const { return folders.size() > 1; }
  const TaskCell& cell(TaskId id) const;
};

// What one or more data folders hold.
struct ClassOverview {
  QStringList folders;
  std::vector<Pupil> pupils;  // in the order first found
  QStringList problems;       // a folder or user name that could not be opened
};

// Index of a task in catalogue order (topic by topic, task by task).
int TaskIndex(TaskId id);

// Sums in 64 bits.
Totals TopicTotals(const Pupil& pupil, int topic);
Totals PupilTotals(const Pupil& pupil);
Totals ClassTopicTotals(const std::vector<const Pupil*>& pupils, int topic);
Totals ClassTaskTotals(const std::vector<const Pupil*>& pupils, TaskId id);
Totals ClassTotals(const std::vector<const Pupil*>& pupils);

// The share of right answers in per cent; no value when nothing was checked.
std::optional<double> SharePercent(const ReportTotals& counts);

// The classes found, sorted; pupils without a class are left out.
QStringList Classes(const ClassOverview& overview);
// The pupils of one class, or all of them for an empty class name.
std::vector<const Pupil*> PupilsOf(const ClassOverview& overview, const QString& schoolClass);

// Reading is told how far it is (from the reading threads, in any order) and
// may be stopped between pupils.
struct ReadProgress {
  std::function<void(int done, int total)> report;
  const std::atomic<bool>* stop = nullptr;
};

// Reads the folders as rova2004 reads them, without changing, creating or
// locking anything in them: user.dat, then each pupil's profile and 90 result
// files, a few pupils at a time. A pupil found in several folders is one pupil
// with the counts added, in the order first listed.
ClassOverview ReadClass(const QStringList& folders, const ReadProgress& progress = {});

// A name or text from a file, made safe to show: control characters as \xNN.
QString Printable(const QString& text);

}  // namespace rova::teacher
