// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up costs: from process start to the splash on the screen, with the
// peak memory of the process, and the creation of the windows on their own.
//
//   build/default/benchmarks/app/startup_benchmark
//
// Each iteration of BM_ProcessStartToSplash starts this program again as a
// child that runs the start-up of the windows and reports when the splash
// picture has been painted; BM_WholeProgramAgainstBareWindow's child does all
// that main() does before as well (window icon, data folder). BM_BareWindow does the same for the yardstick the program is
// held to: a bare Qt program that shows one frameless window; both run side
// by side in one run, so their ratio is what to read. The child uses the display it is given (DISPLAY, or
// QT_QPA_PLATFORM), and the offscreen platform when there is none.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>
#include <string>

#include "app/data_folder_option.h"
#include "app/main_window.h"
#include "app/program_identity.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "window/window_registry.h"
#include "controls/program_fonts.h"
#include "window/program_start.h"

namespace {

constexpr const char* kProbeArgument = "--splash-probe";
constexpr const char* kBareProbeArgument = "--bare-probe";
constexpr const char* kProgramProbeArgument = "--program-probe";

std::int64_t MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void UseOffscreenWithoutDisplay() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
}

// Reports the moment the splash picture is first painted, then ends the program.
class SplashWatch : public QObject {
 public:
  explicit SplashWatch(std::function<void()> end) : end_(std::move(end)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // After this paint the frame goes to the screen; report from the next turn.
      QTimer::singleShot(0, this, [this] {
        std::printf("%lld\n", static_cast<long long>(MonotonicNanoseconds()));
        std::fflush(stdout);
        end_();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> end_;
  bool reported_ = false;
};

int RunProbe(int argc, char** argv) {
  UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  rova::RegisterProgramFonts();
  QApplication::setQuitOnLastWindowClosed(false);
  rova::CreateWindows();
  SplashWatch watch([] { rova::Form2->Close(); });
  rova::Form1->Image1->installEventFilter(&watch);
  rova::StartMainWindow();
  const int code = QApplication::exec();
  rova::DestroyRegisteredWindows();
  return code;
}

// What main() does, in a data folder the benchmark gives (ROVA2004_DATA_FOLDER),
// up to the splash painted.
int RunProgramProbe(int argc, char** argv) {
  UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  rova::IdentifyProgram(rova::MainProgramIdentity());
  rova::RegisterProgramFonts();
  if (const int code = rova::EnterDataFolderOrExplain(rova::ArgumentBytes(argc, argv)); code != 0) return code;
  SplashWatch watch([] { rova::Form2->Close(); });
  // Posted before the main window's start, so it runs once the windows exist
  // and before the splash opens.
  QTimer::singleShot(0, [&watch] { rova::Form1->Image1->installEventFilter(&watch); });
  return rova::RunProgram();
}

// The yardstick: one frameless window with one label, shown at once.
int RunBareProbe(int argc, char** argv) {
  UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.resize(402, 302);
  QLabel label(QStringLiteral("ROVA 2004"), &window);
  SplashWatch watch([] { QCoreApplication::quit(); });
  label.installEventFilter(&watch);
  window.show();
  return QApplication::exec();
}

std::string SelfPath() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  return std::string(buffer, static_cast<std::size_t>(n));
}

// One start of this program as a child with `argument`: the time from the
// fork to the first paint it reports, and its peak memory. Empty when the
// child did not paint.
struct ChildStart {
  double seconds = 0;
  double peakKiB = 0;
};

std::optional<ChildStart> StartChild(const std::string& self, const char* argument) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return std::nullopt;
  const std::int64_t started = MonotonicNanoseconds();
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    close(pipeFds[0]);
    close(pipeFds[1]);
    execl(self.c_str(), self.c_str(), argument, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFds[1]);
  char line[64] = {};
  std::size_t used = 0;
  ssize_t n = 0;
  while (used + 1 < sizeof line && (n = read(pipeFds[0], line + used, sizeof line - 1 - used)) > 0) {
    used += static_cast<std::size_t>(n);
    if (std::memchr(line, '\n', used)) break;
  }
  close(pipeFds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (used == 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  const std::int64_t painted = std::strtoll(line, nullptr, 10);
  return ChildStart{static_cast<double>(painted - started) / 1e9, static_cast<double>(usage.ru_maxrss)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

void TimeChildToFirstPaint(benchmark::State& state, const char* argument) {
  const std::string self = SelfPath();
  double peakKiB = 0;
  for (auto _ : state) {
    const std::optional<ChildStart> start = StartChild(self, argument);
    if (!start) {
      state.SkipWithError("the program did not paint its first window");
      return;
    }
    state.SetIterationTime(start->seconds);
    peakKiB = std::max(peakKiB, start->peakKiB);
  }
  state.counters["peak_KiB"] = peakKiB;
}

void BM_ProcessStartToSplash(benchmark::State& state) { TimeChildToFirstPaint(state, kProbeArgument); }
BENCHMARK(BM_ProcessStartToSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_BareWindow(benchmark::State& state) { TimeChildToFirstPaint(state, kBareProbeArgument); }
BENCHMARK(BM_BareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// A probe against the bare window, started in turns so that both meet the
// same load: medians of each and their ratios.
void AgainstBareWindow(benchmark::State& state, const char* probeArgument) {
  const std::string self = SelfPath();
  std::vector<double> program, bare, programKiB, bareKiB;
  for (auto _ : state) {
    const bool bareFirst = program.size() % 2 == 1;
    std::optional<ChildStart> first = StartChild(self, bareFirst ? kBareProbeArgument : probeArgument);
    std::optional<ChildStart> second = StartChild(self, bareFirst ? probeArgument : kBareProbeArgument);
    if (!first || !second) {
      state.SkipWithError("a child did not paint its first window");
      return;
    }
    if (bareFirst) std::swap(first, second);
    program.push_back(first->seconds);
    programKiB.push_back(first->peakKiB);
    bare.push_back(second->seconds);
    bareKiB.push_back(second->peakKiB);
    state.SetIterationTime(first->seconds);
  }
  state.counters["program_ms"] = Median(program) * 1e3;
  state.counters["bare_ms"] = Median(bare) * 1e3;
  state.counters["time_ratio"] = Median(program) / Median(bare);
  state.counters["program_KiB"] = Median(programKiB);
  state.counters["bare_KiB"] = Median(bareKiB);
  state.counters["memory_ratio"] = Median(programKiB) / Median(bareKiB);
}

// The start-up of the windows to the splash (the goal is at most 1.2 in time, 1.1 in memory).
void BM_StartupAgainstBareWindow(benchmark::State& state) { AgainstBareWindow(state, kProbeArgument); }
BENCHMARK(BM_StartupAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Everything main() does before the splash.
void BM_WholeProgramAgainstBareWindow(benchmark::State& state) { AgainstBareWindow(state, kProgramProbeArgument); }
BENCHMARK(BM_WholeProgramAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The windows alone, without the process and the platform around them.
void BM_CreateWindows(benchmark::State& state) {
  for (auto _ : state) {
    rova::CreateWindows();
    state.PauseTiming();
    rova::DestroyRegisteredWindows();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CreateWindows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], kProbeArgument) == 0) return RunProbe(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], kBareProbeArgument) == 0) return RunBareProbe(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], kProgramProbeArgument) == 0) return RunProgramProbe(argc, argv);
  UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  rova::RegisterProgramFonts();
  // The whole program's children work in a folder of their own, left empty.
  const QTemporaryDir dataFolder;
  if (qEnvironmentVariableIsEmpty("ROVA2004_DATA_FOLDER")) qputenv("ROVA2004_DATA_FOLDER", dataFolder.path().toLocal8Bit());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
