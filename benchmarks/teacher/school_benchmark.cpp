// SPDX-License-Identifier: GPL-3.0-or-later
// A made-up school of 1000 pupils in four class folders (about 92,000 files),
// read warm by ReadClass and by a bare loop that only opens and reads the same
// files, in turns within one run. Counters: the medians of both, their ratio,
// and the peak memory of the process.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "made_up_class.h"
#include "teacher/class_overview.h"

namespace {

constexpr int kPupils = 1000;
constexpr int kFolders = 4;

struct School {
  QTemporaryDir dir;
  QStringList folders;
  std::vector<QByteArray> files;  // every file the program reads, for the bare loop

  School() {
    for (int f = 0; f < kFolders; ++f) folders << dir.filePath(QStringLiteral("pc%1").arg(f + 1));
    for (int i = 0; i < kPupils; ++i) {
      const QString folder = folders[i % kFolders];
      const QString name = QStringLiteral("mokinys%1").arg(i);
      rova::teacher::testing::AddPupil(
          folder, name, {QStringLiteral("Vardas%1").arg(i), QStringLiteral("Pavardė"), QStringLiteral("8a")},
          [i](rova::TaskId id) { return rova::ResultCounts{(i + id.topic) % 7, 7 + id.task}; });
      files.push_back((folder + QLatin1Char('/') + rova::ProfileFileName(name)).toUtf8());
      for (const rova::TaskRow& row : rova::TaskCatalogue()) {
        files.push_back((folder + QLatin1Char('/') + rova::ResultFileName(name, row.id)).toUtf8());
      }
    }
    for (const QString& folder : folders) files.push_back((folder + QStringLiteral("/user.dat")).toUtf8());
  }
};

std::size_t BareLoop(const std::vector<QByteArray>& files) {
  std::size_t total = 0;
  char buffer[4096];
  for (const QByteArray& name : files) {
    const int fd = open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) std::abort();
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) total += static_cast<std::size_t>(got);
    close(fd);
  }
  return total;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void LoadSchoolAgainstBareLoop(benchmark::State& state) {
  School school;
  BareLoop(school.files);  // warm the cache
  std::vector<double> program, bare;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    benchmark::DoNotOptimize(BareLoop(school.files));
    bare.push_back(timer.nsecsElapsed() / 1e6);
    timer.restart();
    const rova::teacher::ClassOverview overview = rova::teacher::ReadClass(school.folders);
    program.push_back(timer.nsecsElapsed() / 1e6);
    if (overview.pupils.size() != kPupils) state.SkipWithError("pupils missing");
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["files"] = static_cast<double>(school.files.size());
  state.counters["program_ms"] = Median(program);
  state.counters["bare_ms"] = Median(bare);
  state.counters["ratio"] = Median(program) / Median(bare);
  state.counters["peak_MB"] = usage.ru_maxrss / 1024.0;
}
BENCHMARK(LoadSchoolAgainstBareLoop)->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace

BENCHMARK_MAIN();
