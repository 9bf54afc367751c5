// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/check_procedure.h"

#include <limits>

#include "accounts/session_file.h"
#include "course/result_store.h"
#include "textio/store_transaction.h"

namespace rova {

namespace {

int PlusOne(int count) { return count == std::numeric_limits<int>::max() ? count : count + 1; }

// The counts after one more check; a count at the largest value stays there.
ResultCounts AddCheck(ResultCounts counts, Verdict verdict) {
  if (verdict == Verdict::Right) counts.correct = PlusOne(counts.correct);
  counts.checked = PlusOne(counts.checked);
  return counts;
}

}  // namespace

Verdict CheckAnswer(const TaskRow& row, const TaskEntry& entry, const QLocale& locale) {
  // Held from the read to the rewrite, so two copies of the program checking
  // at once both count.
  // A step that finds its lock taken by another copy before its rewrite is
  // done again, from the read.
  return WithStoreLock([&] {
    const QString fileName = ReadSessionUser() + row.resultFileSuffix;
    const ResultCounts counts = ReadCounts(fileName);
    const Verdict verdict = JudgeEntry(row, entry, locale);
    WriteCounts(fileName, AddCheck(counts, verdict));
    return verdict;
  });
}

}  // namespace rova
