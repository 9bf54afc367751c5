// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <concepts>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "course/result_store.h"
#include "course/task_catalogue.h"
#include "stats/statistics_report.h"

namespace rova::teacher {

// Bounds on what one folder's files may make the reader do: a list or a file
// beyond them is marked, not read on.
constexpr qsizetype kMaxUserListBytes = 1 << 20;
constexpr int kMaxPupilsPerFolder = 5000;
constexpr qsizetype kMaxProfileBytes = 4096;
constexpr qsizetype kMaxResultFileBytes = 4096;
// Notes of one folder and kind listed before "… ir dar N" stands for the rest.
constexpr int kNotesPerGroup = 20;

// What a note is about; the notes are capped per folder and kind.
enum class NoteKind : std::uint8_t {
  Folder,            // the folder or its user.dat cannot be read, or lists too many
  RefusedName,       // a user name registration would refuse: its files are not opened
  RepeatedName,      // a user name listed more than once in user.dat: read once
  Profile,           // a pupil's profile cannot be read
  ResultFile,        // a result file cannot be read
  ImpossibleCounts,  // a result file whose counts cannot be (negative, more right than checked)
  SameName,          // one user name in several folders: separate pupils
  PartialSums,       // what the "*" of a partial sum means
};

// Notes grouped by folder and kind, each group listing kNotesPerGroup at
// most: a 1 MiB user.dat of refused names gives some twenty lines, not
// hundreds of thousands.
class Notes {
 public:
  // `text` is made only for a note that will be listed.
  template <std::invocable MakeText>
  void Add(const QString& folder, NoteKind kind, MakeText&& text) {
    Group& group = GroupOf(folder, kind);
    if (group.listed.size() < kNotesPerGroup) group.listed << text();
    else ++group.more;
  }
  void Add(const QString& folder, NoteKind kind, const QString& text) {
    Add(folder, kind, [&] { return text; });
  }
  void Append(const Notes& other);

  bool isEmpty() const { return groups_.empty(); }
  // Every note added, listed or not.
  qint64 count() const;
  // Group by group, in the order each was first added; "… ir dar N" after a
  // group that had more.
  QStringList Lines() const;

 private:
  struct Group {
    QString folder;
    NoteKind kind;
    QStringList listed;
    qint64 more = 0;
  };
  Group& GroupOf(const QString& folder, NoteKind kind);

  std::vector<Group> groups_;
  QHash<QString, int> index_;  // folder and kind, as one key
};

// One task of one pupil: the counts of the result file, or why they are left
// out of every sum (the file could not be read, or its counts cannot be).
struct TaskCell {
  ResultCounts counts;
  NoteKind problemKind = NoteKind::ResultFile;
  QString problem;  // empty when the counts were read and can be
  bool readable() const { return problem.isEmpty(); }
};

// A sum of cells. The cells left out (unreadable or damaged) are counted, so
// that a sum over the readable ones is shown as partial, never as whole.
struct Totals {
  ReportTotals counts;  // over the counted cells, in 64 bits
  int counted = 0;
  int unreadable = 0;
  bool partial() const { return unreadable > 0 && counted > 0; }
  bool nothingRead() const { return unreadable > 0 && counted == 0; }
  bool operator==(const Totals&) const = default;
};

// A pupil is a user name in one data folder: the same name in another folder
// is another pupil.
struct Pupil {
  QString folder;  // the data folder as it was named
  QString userName;
  QString firstName, surname, schoolClass;
  QString profileProblem;  // the profile file could not be read
  std::array<TaskCell, kTaskCount> tasks;  // in catalogue order

  const TaskCell& cell(TaskId id) const;
};

// What one or more data folders hold.
struct ClassOverview {
  QStringList folders;
  std::vector<Pupil> pupils;  // folder by folder, in the order of each user.dat
  Notes notes;                // about the folders and their user lists
};

// Index of a task in catalogue order (topic by topic, task by task).
int TaskIndex(TaskId id);

// Sums in 64 bits; one cell's as a sum of one.
Totals CellTotals(const TaskCell& cell);
Totals TopicTotals(const Pupil& pupil, int topic);
Totals PupilTotals(const Pupil& pupil);
Totals ClassTopicTotals(const std::vector<const Pupil*>& pupils, int topic);
Totals ClassTaskTotals(const std::vector<const Pupil*>& pupils, TaskId id);
Totals ClassTotals(const std::vector<const Pupil*>& pupils);

// The share of right answers in per cent; no value when nothing was checked.
std::optional<double> SharePercent(const ReportTotals& counts);

// The class average: the mean of the shares of the pupils who checked
// anything in the topic (0: in all topics), each share over the pupil's
// readable files. Partial when a file of a pupil counted could not be read.
struct MeanShare {
  std::optional<double> percent;
  int pupils = 0;
  bool partial = false;
};
MeanShare MeanOfShares(const std::vector<const Pupil*>& pupils, int topic = 0);

// Every sum the tables, charts and exports show of a set of pupils, made in
// one pass over their cells: ten thousand pupils' cells take some 36 MB, too
// many to walk again for each topic and each figure.
struct ClassSums {
  static constexpr int kAllTopics = kTopicCount;  // the index of the sums over every topic
  using Row = std::array<Totals, kTopicCount + 1>;  // topics 1 to 18, then every topic
  std::vector<Row> pupils;                          // in the order of the pupils given
  Row classTotals{};
  std::array<MeanShare, kTopicCount + 1> means{};
};
ClassSums SumClass(const std::vector<const Pupil*>& pupils);

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

// How many threads read the pupils' files.
int ReaderThreadCount();

// Reads the folders as rova2004 reads them, without changing, creating or
// locking anything in them: user.dat, then each pupil's profile and 90 result
// files, a few pupils at a time. A folder named twice is read once.
ClassOverview ReadClass(const QStringList& folders, const ReadProgress& progress = {});

// A name or text from a file, made safe to show: control characters as \xNN.
QString Printable(const QString& text);

}  // namespace rova::teacher
