// SPDX-License-Identifier: GPL-3.0-or-later
// One statistics report from the files: session, settings, profile and the
// 90 result files opened and read, as the report window does on each opening.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "in_data_folder.h"
#include "stats/statistics_report.h"
#include "course/result_store.h"
#include "course/task_catalogue.h"

namespace {

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(bytes);
}

void ReportOverAllTasks(benchmark::State& state) {
  QTemporaryDir dir;
  const rova::benchmarking::InDataFolder inFolder(dir.path());
  WriteFile("temp.dat", "jonas\r\n");
  WriteFile("user_jonas.dat", "Jonas\r\nJonaitis\r\n8b\r\n");
  WriteFile("jonas_checkbox.dat", "1\r\n");
  for (const rova::TaskRow& row : rova::TaskCatalogue())
    WriteFile(rova::ResultFileName("jonas", row.id), "12\r\n34\r\n");
  for (auto _ : state) benchmark::DoNotOptimize(rova::ComputeReport([](const QString&) {}));
}
BENCHMARK(ReportOverAllTasks)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
