// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/class_overview.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <thread>

#include "accounts/user_store.h"
#include "course/result_store.h"
#include "textio/baltic_codec.h"
#include "textio/program_error.h"
#include "textio/text_file.h"

namespace rova::teacher {

namespace {

// A whole small file, no more than `limit` bytes of it ("File too large").
QByteArray ReadBounded(const QString& path, qsizetype limit) {
  InputFile file(path);
  file.LimitTo(limit);
  QByteArray bytes;
  char buffer[4096];
  while (const qsizetype got = file.Read(buffer, sizeof buffer)) bytes.append(buffer, got);
  return bytes;
}

QString InFolder(const QString& folder, const QString& name) {
  return folder + QLatin1Char('/') + name;
}

void Add(ReportTotals& sum, const ReportTotals& part) {
  sum.correct += part.correct;
  sum.checked += part.checked;
}

void AddCell(Totals& sum, const TaskCell& cell) {
  if (cell.readable()) Add(sum.counts, cell.counts);
  else ++sum.unreadable;
}

void AddProblem(QString& problems, const QString& problem) {
  if (!problems.isEmpty()) problems += QLatin1Char('\n');
  problems += problem;
}

struct Listed {
  QString folder;
  QString userName;
};

// The usable user names of one folder's user.dat, each once.
void ListPupils(const QString& folder, std::vector<Listed>& listed, QStringList& problems) {
  if (!QFileInfo(folder).isDir()) {
    problems << QStringLiteral("Aplankas %1 nerastas").arg(Printable(folder));
    return;
  }
  const QString listName = InFolder(folder, kUserFileName);
  QByteArray bytes;
  try {
    bytes = ReadBounded(listName, kMaxUserListBytes);
  } catch (const ProgramError& error) {
    problems << QStringLiteral("%1: %2").arg(Printable(listName), error.message());
    return;
  }
  QSet<QString> seen;
  int count = 0;
  for (const QByteArray& line : SplitLines(bytes)) {
    if (line.isEmpty()) continue;
    const QString name = FromBaltic(line);
    if (seen.contains(name)) continue;
    seen.insert(name);
    if (!IsUsableUserName(name)) {
      problems << QStringLiteral("%1: vartotojo vardas „%2“ netinkamas, jo failai neatverti")
                      .arg(Printable(listName), Printable(name));
      continue;
    }
    if (++count > kMaxPupilsPerFolder) {
      problems << QStringLiteral("%1: daugiau nei %2 mokinių, likusieji neskaityti")
                      .arg(Printable(listName))
                      .arg(kMaxPupilsPerFolder);
      return;
    }
    listed.push_back({folder, name});
  }
}

// One pupil's files in one folder; the name has passed IsUsableUserName.
void ReadPupilFiles(const QString& folder, Pupil& pupil) {
  pupil.folders << folder;
  const QString profileName = InFolder(folder, ProfileFileName(pupil.userName));
  try {
    const QList<QByteArray> lines = SplitLines(ReadBounded(profileName, kMaxProfileBytes));
    pupil.firstName = FromBaltic(lines.value(0));
    pupil.surname = FromBaltic(lines.value(1));
    pupil.schoolClass = FromBaltic(lines.value(2));
  } catch (const ProgramError& error) {
    AddProblem(pupil.profileProblem,
               QStringLiteral("%1: %2").arg(Printable(profileName), error.message()));
  }
  const std::vector<QString> names = ResultFileNames(pupil.userName);
  const QString prefix = folder + QLatin1Char('/');
  for (int i = 0; i < kTaskCount; ++i) {
    TaskCell& cell = pupil.tasks[i];
    const QString fileName = prefix + names[i];
    try {
      const ResultCounts counts = ReadCounts(fileName, kMaxResultFileBytes);
      Add(cell.counts, {counts.correct, counts.checked});
    } catch (const ProgramError& error) {
      AddProblem(cell.problem, QStringLiteral("%1: %2").arg(Printable(fileName), error.message()));
    }
  }
}

// What another folder holds of the same pupil: the counts added, the first
// folder that has a name gives it.
void MergeInto(Pupil& pupil, const Pupil& part) {
  pupil.folders << part.folders;
  if (pupil.firstName.isEmpty() && pupil.surname.isEmpty()) {
    pupil.firstName = part.firstName;
    pupil.surname = part.surname;
    pupil.schoolClass = part.schoolClass;
  }
  if (!part.profileProblem.isEmpty()) AddProblem(pupil.profileProblem, part.profileProblem);
  for (int i = 0; i < kTaskCount; ++i) {
    Add(pupil.tasks[i].counts, part.tasks[i].counts);
    if (!part.tasks[i].readable()) AddProblem(pupil.tasks[i].problem, part.tasks[i].problem);
  }
}

// Opening files costs waiting on the system more than work, so a few
// threads share the pupils.
int ReaderThreads() {
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
}

}  // namespace

int TaskIndex(TaskId id) { return (id.topic - 1) * kTasksPerTopic + (id.task - 1); }

const TaskCell& Pupil::cell(TaskId id) const { return tasks[TaskIndex(id)]; }

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
  for (const Pupil* pupil : pupils) {
    const Totals part = TopicTotals(*pupil, topic);
    Add(sum.counts, part.counts);
    sum.unreadable += part.unreadable;
  }
  return sum;
}

Totals ClassTaskTotals(const std::vector<const Pupil*>& pupils, TaskId id) {
  Totals sum;
  for (const Pupil* pupil : pupils) AddCell(sum, pupil->cell(id));
  return sum;
}

Totals ClassTotals(const std::vector<const Pupil*>& pupils) {
  Totals sum;
  for (const Pupil* pupil : pupils) {
    const Totals part = PupilTotals(*pupil);
    Add(sum.counts, part.counts);
    sum.unreadable += part.unreadable;
  }
  return sum;
}

std::optional<double> SharePercent(const ReportTotals& counts) {
  if (counts.checked <= 0) return std::nullopt;
  return 100.0 * static_cast<double>(counts.correct) / static_cast<double>(counts.checked);
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

ClassOverview ReadClass(const QStringList& folders, const ReadProgress& progress) {
  ClassOverview overview;
  // One folder named twice (or through a link) is read once, or its pupils
  // would count double.
  QSet<QString> seenFolders;
  std::vector<Listed> listed;
  for (const QString& folder : folders) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (!canonical.isEmpty()) {
      if (seenFolders.contains(canonical)) continue;
      seenFolders.insert(canonical);
    }
    overview.folders << folder;
    ListPupils(folder, listed, overview.problems);
  }

  const int total = static_cast<int>(listed.size());
  std::vector<Pupil> parts(listed.size());
  std::vector<char> read(listed.size(), 0);
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  const auto work = [&] {
    for (int i; (i = next++) < total;) {
      if (progress.stop && progress.stop->load()) return;
      parts[i].userName = listed[i].userName;
      try {
        ReadPupilFiles(listed[i].folder, parts[i]);
        read[i] = 1;
      } catch (const std::exception& error) {  // out of memory, say: the pupil is left out
        parts[i].profileProblem = QString::fromLocal8Bit(error.what());
      }
      if (progress.report) progress.report(++done, total);
    }
  };
  if (progress.report) progress.report(0, total);
  std::vector<std::thread> threads;
  for (int t = 1; t < std::min(ReaderThreads(), total); ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();

  QHash<QString, qsizetype> byName;
  overview.pupils.reserve(listed.size());
  for (int i = 0; i < total; ++i) {
    if (!read[i]) {
      if (!parts[i].profileProblem.isEmpty()) overview.problems << parts[i].profileProblem;
      continue;
    }
    const auto found = byName.constFind(parts[i].userName);
    if (found == byName.cend()) {
      byName.insert(parts[i].userName, static_cast<qsizetype>(overview.pupils.size()));
      overview.pupils.push_back(std::move(parts[i]));
    } else {
      MergeInto(overview.pupils[*found], parts[i]);
    }
  }
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
