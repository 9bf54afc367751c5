// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a handbook page until it has been painted: the first time (its
// labels and pictures are made then) and again later.
//
//   build/default/benchmarks/handbook/page_benchmark
//
// Uses the display it is given, and the offscreen platform when there is none.
#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "controls/program_fonts.h"
#include "handbook/handbook_page_window.h"
#include "open_until_painted.h"
#include "window/window_registry.h"

namespace {

using rova::bench::OpenUntilPainted;

constexpr int kPageCount = 18;

void BM_OpenHandbookPageFirstTime(benchmark::State& state) {
  rova::CreateWindows();
  int topic = 0;
  for (auto _ : state) {
    if (topic == kPageCount) {
      rova::DestroyRegisteredWindows();
      rova::CreateWindows();
      topic = 0;
    }
    state.SetIterationTime(OpenUntilPainted(rova::HandbookPageForm(++topic)));
  }
  rova::DestroyRegisteredWindows();
}
BENCHMARK(BM_OpenHandbookPageFirstTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(72);

void BM_OpenHandbookPageAgain(benchmark::State& state) {
  rova::bench::TimeReopening(state, [] { return rova::HandbookPageForm(15); });  // the fullest page
}
BENCHMARK(BM_OpenHandbookPageAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return rova::bench::RunWindowBenchmarks(argc, argv); }
