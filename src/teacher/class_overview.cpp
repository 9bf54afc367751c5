// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/class_overview.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <thread>

#include "accounts/user_store.h"
#include "textio/baltic_codec.h"
#include "textio/count_reader.h"
#include "textio/program_error.h"
#include "textio/text_file.h"

namespace rova::teacher {

namespace {

// The files of one data folder. Every one of them is opened here, by its name
// in the folder, and read no further than its bound.
class FolderFiles {
 public:
  explicit FolderFiles(const QString& folder) : prefix_(folder + QLatin1Char('/')) {}

  QString PathOf(const QString& name) const { return prefix_ + name; }

  QByteArray ReadAll(const QString& name, qsizetype limit) {
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    bytes.truncate(Read(name, bytes.data(), limit));
    return bytes;
  }

  ResultCounts ReadCounts(const QString& name) {
    CountReader reader(QByteArray::fromRawData(buffer_, Read(name, buffer_, kMaxResultFileBytes)));
    ResultCounts counts;
    counts.correct = reader.Next();
    counts.checked = reader.Next();
    return counts;
  }

 private:
  // The whole file into `buffer`, which has room for `limit` + 1 bytes: "File
  // too large" past the limit. A regular file (InputFile opens no other)
  // gives all it has up to what was asked in one read, so one read does.
  qsizetype Read(const QString& name, char* buffer, qsizetype limit) {
    // One path kept for a pupil's 91 files, its room made once.
    path_.truncate(0);
    path_ += prefix_;
    path_ += name;
    InputFile file(path_);
    file.LimitTo(limit);
    return file.Read(buffer, limit + 1);
  }

  QString prefix_;
  QString path_;
  char buffer_[kMaxResultFileBytes + 1];
};

// The few reasons a result file fails for, each kept once: a folder whose
// pupils' files are all missing holds thousands of cells with a reason.
QString SharedReason(const QString& reason) {
  thread_local QHash<QString, QString> reasons;
  if (const auto found = reasons.constFind(reason); found != reasons.cend()) return *found;
  if (reasons.size() < 64) reasons.insert(reason, reason);
  return reason;
}

bool CountsCanBe(ResultCounts counts) {
  return counts.correct >= 0 && counts.checked >= 0 && counts.correct <= counts.checked;
}

void Add(ReportTotals& sum, const ReportTotals& part) {
  sum.correct += part.correct;
  sum.checked += part.checked;
}

void AddCell(Totals& sum, const TaskCell& cell) {
  if (cell.readable()) {
    sum.counts.correct += cell.counts.correct;
    sum.counts.checked += cell.counts.checked;
    ++sum.counted;
  } else {
    ++sum.unreadable;
  }
}

void AddTotals(Totals& sum, const Totals& part) {
  Add(sum.counts, part.counts);
  sum.counted += part.counted;
  sum.unreadable += part.unreadable;
}

// The class average, a pupil at a time.
class MeanSum {
 public:
  void Add(const Totals& totals) {
    const std::optional<double> share = SharePercent(totals.counts);
    if (!share) return;
    sum_ += *share;
    ++mean_.pupils;
    if (totals.unreadable > 0) mean_.partial = true;
  }
  MeanShare Result() const {
    MeanShare mean = mean_;
    if (mean.pupils > 0) mean.percent = sum_ / mean.pupils;
    return mean;
  }

 private:
  double sum_ = 0;
  MeanShare mean_;
};

struct Listed {
  QString folder;
  QString userName;
};

// The usable user names of one folder's user.dat, each once.
void ListPupils(const QString& folder, std::vector<Listed>& listed, Notes& notes) {
  if (!QFileInfo(folder).isDir()) {
    notes.Add(folder, NoteKind::Folder, QStringLiteral("Aplankas %1 nerastas").arg(Printable(folder)));
    return;
  }
  FolderFiles files(folder);
  const QString listName = Printable(files.PathOf(kUserFileName));
  QByteArray bytes;
  try {
    bytes = files.ReadAll(kUserFileName, kMaxUserListBytes);
  } catch (const ProgramError& error) {
    notes.Add(folder, NoteKind::Folder, QStringLiteral("%1: %2").arg(listName, error.message()));
    return;
  }
  // Per name: whether a repetition was noted already.
  QHash<QString, bool> seen;
  int count = 0;
  for (const QByteArray& line : SplitLines(bytes)) {
    if (line.isEmpty()) continue;
    const QString name = FromBaltic(line);
    if (const auto found = seen.find(name); found != seen.end()) {
      if (!*found) {
        notes.Add(folder, NoteKind::RepeatedName, [&] {
          return QStringLiteral("%1: vartotojo vardas „%2“ įrašytas kelis kartus, skaitomas vieną kartą")
              .arg(listName, Printable(name));
        });
        *found = true;
      }
      continue;
    }
    seen.insert(name, false);
    if (!IsUsableUserName(name)) {
      notes.Add(folder, NoteKind::RefusedName, [&] {
        return QStringLiteral("%1: vartotojo vardas „%2“ netinkamas, jo failai neatverti")
            .arg(listName, Printable(name));
      });
      continue;
    }
    if (++count > kMaxPupilsPerFolder) {
      notes.Add(folder, NoteKind::Folder, QStringLiteral("%1: daugiau nei %2 mokinių, likusieji neskaityti")
                                              .arg(listName)
                                              .arg(kMaxPupilsPerFolder));
      return;
    }
    listed.push_back({folder, name});
  }
}

// One pupil's files; the name has passed IsUsableUserName.
void ReadPupilFiles(FolderFiles& files, Pupil& pupil) {
  const QString profileName = ProfileFileName(pupil.userName);
  try {
    const QList<QByteArray> lines = SplitLines(files.ReadAll(profileName, kMaxProfileBytes));
    pupil.firstName = FromBaltic(lines.value(0));
    pupil.surname = FromBaltic(lines.value(1));
    pupil.schoolClass = FromBaltic(lines.value(2));
  } catch (const ProgramError& error) {
    pupil.profileProblem = QStringLiteral("%1: %2").arg(Printable(files.PathOf(profileName)), error.message());
  }
  const std::vector<QString> names = ResultFileNames(pupil.userName);
  for (int i = 0; i < kTaskCount; ++i) {
    TaskCell& cell = pupil.tasks[i];
    try {
      cell.counts = files.ReadCounts(names[i]);
      if (!CountsCanBe(cell.counts)) {
        cell.problemKind = NoteKind::ImpossibleCounts;
        cell.problem = SharedReason(QStringLiteral("pažeistas failas: tokių skaičių būti negali"));
      }
    } catch (const ProgramError& error) {
      cell.counts = {};
      cell.problem = SharedReason(error.message());
    }
  }
}

}  // namespace

Notes::Group& Notes::GroupOf(const QString& folder, NoteKind kind) {
  const QString key = QChar(static_cast<char16_t>(kind)) + folder;
  const auto found = index_.constFind(key);
  if (found != index_.cend()) return groups_[*found];
  index_.insert(key, static_cast<int>(groups_.size()));
  return groups_.emplace_back(Group{folder, kind, {}, 0});
}

void Notes::Append(const Notes& other) {
  for (const Group& group : other.groups_) {
    Group& mine = GroupOf(group.folder, group.kind);
    for (const QString& line : group.listed) {
      if (mine.listed.size() < kNotesPerGroup) mine.listed << line;
      else ++mine.more;
    }
    mine.more += group.more;
  }
}

qint64 Notes::count() const {
  qint64 all = 0;
  for (const Group& group : groups_) all += group.listed.size() + group.more;
  return all;
}

QStringList Notes::Lines() const {
  QStringList lines;
  for (const Group& group : groups_) {
    lines << group.listed;
    if (group.more > 0) lines << QStringLiteral("… ir dar %1").arg(group.more);
  }
  return lines;
}

int TaskIndex(TaskId id) { return (id.topic - 1) * kTasksPerTopic + (id.task - 1); }

const TaskCell& Pupil::cell(TaskId id) const { return tasks[TaskIndex(id)]; }

Totals CellTotals(const TaskCell& cell) {
  Totals sum;
  AddCell(sum, cell);
  return sum;
}

Totals TopicTotals(const Pupil& pupil, int topic) {
  Totals sum;
  for (int task = 1; task <= kTasksPerTopic; ++task) AddCell(sum, pupil.cell({topic, task}));
  return sum;
}

Totals PupilTotals(const Pupil& pupil) {
  Totals sum;
  for (const TaskCell& cell : pupil.tasks) AddCell(sum, cell);
  return sum;
}

Totals ClassTopicTotals(const std::vector<const Pupil*>& pupils, int topic) {
  Totals sum;
  for (const Pupil* pupil : pupils) AddTotals(sum, TopicTotals(*pupil, topic));
  return sum;
}

Totals ClassTaskTotals(const std::vector<const Pupil*>& pupils, TaskId id) {
  Totals sum;
  for (const Pupil* pupil : pupils) AddCell(sum, pupil->cell(id));
  return sum;
}

Totals ClassTotals(const std::vector<const Pupil*>& pupils) {
  Totals sum;
  for (const Pupil* pupil : pupils) AddTotals(sum, PupilTotals(*pupil));
  return sum;
}

std::optional<double> SharePercent(const ReportTotals& counts) {
  if (counts.checked <= 0) return std::nullopt;
  return 100.0 * static_cast<double>(counts.correct) / static_cast<double>(counts.checked);
}

MeanShare MeanOfShares(const std::vector<const Pupil*>& pupils, int topic) {
  MeanSum mean;
  for (const Pupil* pupil : pupils) mean.Add(topic > 0 ? TopicTotals(*pupil, topic) : PupilTotals(*pupil));
  return mean.Result();
}

ClassSums SumClass(const std::vector<const Pupil*>& pupils) {
  ClassSums sums;
  sums.pupils.resize(pupils.size());
  std::array<MeanSum, kTopicCount + 1> means;
  for (size_t p = 0; p < pupils.size(); ++p) {
    ClassSums::Row& row = sums.pupils[p];
    for (int i = 0; i < kTaskCount; ++i) AddCell(row[i / kTasksPerTopic], pupils[p]->tasks[i]);
    for (int topic = 0; topic < kTopicCount; ++topic) AddTotals(row[ClassSums::kAllTopics], row[topic]);
    for (int k = 0; k <= kTopicCount; ++k) {
      AddTotals(sums.classTotals[k], row[k]);
      means[k].Add(row[k]);
    }
  }
  for (int k = 0; k <= kTopicCount; ++k) sums.means[k] = means[k].Result();
  return sums;
}

QStringList Classes(const ClassOverview& overview) {
  QSet<QString> found;
  for (const Pupil& pupil : overview.pupils) {
    if (!pupil.schoolClass.isEmpty()) found.insert(pupil.schoolClass);
  }
  QStringList classes(found.begin(), found.end());
  classes.sort(Qt::CaseInsensitive);
  return classes;
}

std::vector<const Pupil*> PupilsOf(const ClassOverview& overview, const QString& schoolClass) {
  std::vector<const Pupil*> chosen;
  for (const Pupil& pupil : overview.pupils) {
    if (schoolClass.isEmpty() || pupil.schoolClass == schoolClass) chosen.push_back(&pupil);
  }
  return chosen;
}

// Opening files costs waiting on the system more than work, so a few
// threads share the pupils.
int ReaderThreadCount() { return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u)); }

ClassOverview ReadClass(const QStringList& folders, const ReadProgress& progress) {
  ClassOverview overview;
  // One folder named twice (or through a link) is read once, or its pupils
  // would be listed twice.
  QSet<QString> seenFolders;
  std::vector<Listed> listed;
  for (const QString& folder : folders) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (!canonical.isEmpty()) {
      if (seenFolders.contains(canonical)) continue;
      seenFolders.insert(canonical);
    }
    overview.folders << folder;
    ListPupils(folder, listed, overview.notes);
  }

  const int total = static_cast<int>(listed.size());
  std::vector<Pupil>& pupils = overview.pupils;
  pupils.resize(listed.size());
  std::vector<char> read(listed.size(), 0);
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  const auto work = [&] {
    for (int i; (i = next++) < total;) {
      if (progress.stop && progress.stop->load()) return;
      Pupil& pupil = pupils[i];
      pupil.folder = listed[i].folder;
      pupil.userName = listed[i].userName;
      try {
        FolderFiles files(pupil.folder);
        ReadPupilFiles(files, pupil);
        read[i] = 1;
      } catch (const std::exception& error) {  // out of memory, say: the pupil is left out
        pupil.profileProblem = QString::fromLocal8Bit(error.what());
      }
      if (progress.report) progress.report(++done, total);
    }
  };
  if (progress.report) progress.report(0, total);
  std::vector<std::thread> threads;
  for (int t = 1; t < std::min(ReaderThreadCount(), total); ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();

  // The pupils left unread (stopped, or out of memory) leave no row.
  int kept = 0;
  for (int i = 0; i < total; ++i) {
    if (read[i]) {
      if (kept != i) pupils[kept] = std::move(pupils[i]);
      ++kept;
    } else if (!pupils[i].profileProblem.isEmpty()) {
      overview.notes.Add(listed[i].folder, NoteKind::Profile,
                         QStringLiteral("%1: %2").arg(Printable(listed[i].userName), pupils[i].profileProblem));
    }
  }
  pupils.resize(kept);
  return overview;
}

QString Printable(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (const QChar c : text) {
    if (c.category() == QChar::Other_Control) {
      shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace rova::teacher
