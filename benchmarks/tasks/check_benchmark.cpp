// SPDX-License-Identifier: GPL-3.0-or-later
// One complete check and one registration, each in a folder of its own.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "in_data_folder.h"
#include "accounts/user_store.h"
#include "tasks/check_procedure.h"

namespace {

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(bytes);
}

// The working directory and data folder is a fresh folder while the object lives.
class WorkingFolder {
 private:
  QTemporaryDir dir_;
  rova::benchmarking::InDataFolder inFolder_{dir_.path()};
};

// Session read, counts read under the lock, entry judged, counts rewritten.
void CompleteCheck(benchmark::State& state) {
  WorkingFolder folder;
  WriteFile("temp.dat", "jonas\r\n");
  WriteFile("jonas_1-1.dat", "0\r\n0\r\n");
  const rova::TaskRow& row = rova::CatalogueRow({1, 1});
  const rova::TaskEntry entry{"2", "8", {}};
  const QLocale locale(QLocale::Lithuanian, QLocale::Lithuania);
  for (auto _ : state) benchmark::DoNotOptimize(rova::CheckAnswer(row, entry, locale));
}
BENCHMARK(CompleteCheck)->Unit(benchmark::kMicrosecond);

// A registration into a store that already lists 100 users: the two list
// files, the session, the profile, 90 result files and the settings file.
void Registration(benchmark::State& state) {
  int serial = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      WorkingFolder folder;
      QByteArray users;
      for (int i = 0; i < 100; ++i) users += "pupil" + QByteArray::number(i) + "\r\n";
      WriteFile("user.dat", users);
      WriteFile("password.dat", users);
      const rova::RegistrationData data{QStringLiteral("naujas%1").arg(serial++), "slaptas",
                                        "Jonas", "Jonaitis", "8b", "j@m.lt"};
      state.ResumeTiming();
      benchmark::DoNotOptimize(rova::RegisterUser(data));
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}
BENCHMARK(Registration)->Unit(benchmark::kMillisecond)->UseRealTime();

// The judging alone, without files.
void JudgeFraction(benchmark::State& state) {
  const rova::TaskRow& row = rova::CatalogueRow({4, 1});
  const rova::TaskEntry entry{"18", "50", {}};
  const QLocale locale(QLocale::Lithuanian, QLocale::Lithuania);
  for (auto _ : state) benchmark::DoNotOptimize(rova::JudgeEntry(row, entry, locale));
}
BENCHMARK(JudgeFraction);

}  // namespace

BENCHMARK_MAIN();
