// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a window of the program until it has been painted, for the
// benchmarks of the windows; and the platform they run on.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <chrono>

#include "app/startup.h"
#include "controls/program_fonts.h"
#include "window/program_window.h"
#include "window/window_registry.h"

namespace rova::bench {

using Clock = std::chrono::steady_clock;

// Closes the window at its first paint and notes when that was.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(ProgramWindow* window) : window_(window) { window->installEventFilter(this); }
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
  ProgramWindow* window_;
};

// Seconds from the modal show to the first paint.
inline double OpenUntilPainted(ProgramWindow* window) {
  FirstPaint paint(window);
  const Clock::time_point start = Clock::now();
  window->ShowModal();
  return std::chrono::duration<double>(paint.paintedAt - start).count();
}

// The display the benchmark is given, or the offscreen platform without one.
inline void UseOffscreenWithoutDisplay() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
}

// Times reopening a window whose controls already exist: the windows are
// made, `window` picks one, it is opened once, then once per iteration.
template <class PickWindow>
void TimeReopening(benchmark::State& state, PickWindow window) {
  CreateWindows();
  ProgramWindow* picked = window();
  OpenUntilPainted(picked);
  for (auto _ : state) state.SetIterationTime(OpenUntilPainted(picked));
  DestroyRegisteredWindows();
}

// The main of a window benchmark: the platform, the program's fonts, the runs.
inline int RunWindowBenchmarks(int argc, char** argv) {
  UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  RegisterProgramFonts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace rova::bench
