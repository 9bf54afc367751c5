// Opening a task window until it has been painted: the first time (its
// controls are made then) and again later.
//
//   build/default/benchmarks/tasks/task_window_benchmark
//
// Uses the display it is given, and the offscreen platform when there is none.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <chrono>

#include "app/startup.h"
#include "controls/program_fonts.h"
#include "tasks/task_catalogue.h"
#include "tasks/ui/task_window.h"
#include "window/window_registry.h"

namespace {

using Clock = std::chrono::steady_clock;

// Closes the window at its first paint and notes when that was.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(rova::ProgramWindow* window) : window_(window) { window->installEventFilter(this); }
  Clock::time_point paintedAt;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && window_->IsOpen() && !window_->IsCloseMarked()) {
      paintedAt = Clock::now();
      window_->Close();
    }
    return false;
  }

 private:
  rova::ProgramWindow* window_;
};

double OpenUntilPainted(rova::TTaskForm* window) {
  FirstPaint paint(window);
  const Clock::time_point start = Clock::now();
  window->ShowModal();
  return std::chrono::duration<double>(paint.paintedAt - start).count();
}

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
  rova::CreateWindows();
  rova::TTaskForm* window = rova::TaskForm({9, 1});
  OpenUntilPainted(window);
  for (auto _ : state) state.SetIterationTime(OpenUntilPainted(window));
  rova::DestroyRegisteredWindows();
}
BENCHMARK(BM_OpenTaskWindowAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  rova::RegisterProgramFonts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
