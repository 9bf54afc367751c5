// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics report over a hostile settings file (and the same bytes as
// the first result file): it ends in figures, no mode or one of the
// program's errors, having opened no more files than the session, the
// settings, the profile, the 90 result files and one missing one.
#include "fuzz_support.h"
#include "stats/statistics_report.h"
#include "course/result_store.h"
#include "course/task_catalogue.h"
#include "textio/fault_injection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rova;
  const fuzz::InFolder scratch(fuzz::ScratchFolder());
  static const bool made = [] {
    fuzz::WriteFile(QStringLiteral("temp.dat"), "jonas\r\n");
    fuzz::WriteFile(QStringLiteral("user_jonas.dat"), "Jonas\r\nJonaitis\r\n8b\r\n");
    for (const TaskRow& row : TaskCatalogue()) {
      fuzz::WriteFile(ResultFileName(QStringLiteral("jonas"), row.id), InitialResultFileBytes(row.id));
    }
    return true;
  }();
  (void)made;
  const QByteArray bytes = fuzz::Bytes(data, size);
  fuzz::WriteFile(QStringLiteral("jonas_checkbox.dat"), bytes);
  fuzz::WriteFile(QStringLiteral("jonas_1-1.dat"), bytes);

  ScopedFault opens(QStringLiteral("*"), FaultOp::Open, 0);
  try {
    ComputeReport([](const QString&) {});
  } catch (const ProgramError&) {
  }
  if (opens.hits() > 3 + kTopicCount * kTasksPerTopic + 1) fuzz::Broken("the report opened too many files");
  return 0;
}
