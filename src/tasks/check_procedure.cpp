#include "tasks/check_procedure.h"

#include <limits>

#include "accounts/session_file.h"
#include "textio/text_file.h"

namespace rova {

namespace {

int PlusOne(int count) { return count == std::numeric_limits<int>::max() ? count : count + 1; }

}  // namespace

ResultCounts AddCheck(ResultCounts counts, Verdict verdict) {
  if (verdict == Verdict::Right) counts.correct = PlusOne(counts.correct);
  counts.checked = PlusOne(counts.checked);
  return counts;
}

Verdict CheckAnswer(const TaskRow& row, const TaskEntry& entry, const QLocale& locale) {
  const QString fileName = ReadSessionUser() + row.resultFileSuffix;
  FileLock lock(fileName);
  const ResultCounts counts = ParseCounts(lock.ReadAll());
  const Verdict verdict = JudgeEntry(row, entry, locale);
  WriteCounts(fileName, AddCheck(counts, verdict));
  return verdict;
}

}  // namespace rova
