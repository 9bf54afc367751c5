// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a task window until it has been painted: the first time (its
// controls are made then) and again later.
//
//   build/default/benchmarks/tasks/task_window_benchmark
//
// Uses the display it is given, and the offscreen platform when there is none.
#include <benchmark/benchmark.h>


#include "app/startup.h"
#include "open_until_painted.h"
#include "controls/program_fonts.h"
#include "course/task_catalogue.h"
#include "tasks/ui/task_window.h"
#include "window/window_registry.h"

namespace {

using rova::bench::OpenUntilPainted;

void BM_OpenTaskWindowFirstTime(benchmark::State& state) {
  rova::CreateWindows();
  int index = 0;
  for (auto _ : state) {
    if (index == rova::kTaskCount) {
      rova::DestroyRegisteredWindows();
      rova::CreateWindows();
      index = 0;
    }
    const rova::TaskId id = rova::TaskCatalogue()[index++].id;
    state.SetIterationTime(OpenUntilPainted(rova::TaskForm(id)));
  }
  rova::DestroyRegisteredWindows();
}
BENCHMARK(BM_OpenTaskWindowFirstTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(180);

void BM_OpenTaskWindowAgain(benchmark::State& state) {
  rova::bench::TimeReopening(state, [] { return rova::TaskForm({9, 1}); });
}
BENCHMARK(BM_OpenTaskWindowAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return rova::bench::RunWindowBenchmarks(argc, argv); }
