// Start-up costs: from process start to the splash on the screen, with the
// peak memory of the process, and the creation of the windows on their own.
//
//   build/default/benchmarks/app/startup_benchmark
//
// Each iteration of BM_ProcessStartToSplash starts this program again as a
// child that runs the real start-up and reports when the splash picture has
// been painted. BM_BareQtWindow does the same with a child that only shows
// one frameless window: the yardstick start-up is held to (1.5 times its
// time and its peak memory). The child uses the display it is given (DISPLAY, or
// QT_QPA_PLATFORM), and the offscreen platform when there is none.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "window/window_registry.h"
#include "controls/program_fonts.h"

namespace {

constexpr const char* kProbeArgument = "--splash-probe";
constexpr const char* kBareProbeArgument = "--bare-probe";

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

// Reports the moment the watched widget is first painted, then ends the program.
class SplashWatch : public QObject {
 public:
  explicit SplashWatch(std::function<void()> end = [] { rova::Form2->Close(); }) : end_(std::move(end)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // After this paint the frame goes to the screen; report from the next turn.
      QTimer::singleShot(0, [this] {
        std::printf("%lld\n", static_cast<long long>(MonotonicNanoseconds()));
        std::fflush(stdout);
        end_();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
  std::function<void()> end_;
};

int RunProbe(int argc, char** argv) {
  UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  rova::RegisterProgramFonts();
  QApplication::setQuitOnLastWindowClosed(false);
  rova::CreateWindows();
  SplashWatch watch;
  rova::Form1->Image1->installEventFilter(&watch);
  rova::StartMainWindow();
  const int code = QApplication::exec();
  rova::DestroyRegisteredWindows();
  return code;
}

// A bare Qt program: one frameless window with nothing in it.
int RunBareProbe(int argc, char** argv) {
  UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.resize(402, 302);
  SplashWatch watch([] { QCoreApplication::quit(); });
  window.installEventFilter(&watch);
  window.show();
  return QApplication::exec();
}

std::string SelfPath() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  return std::string(buffer, static_cast<std::size_t>(n));
}

// One run of this program as a child with `probe`: the time from the start
// to its first paint, and its peak memory. False when it never painted.
struct ChildRun {
  double seconds = 0;
  double peakKiB = 0;
};
bool RunChild(const std::string& self, const char* probe, ChildRun& run) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return false;
  const std::int64_t started = MonotonicNanoseconds();
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    close(pipeFds[0]);
    close(pipeFds[1]);
    execl(self.c_str(), self.c_str(), probe, static_cast<char*>(nullptr));
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
  if (used == 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  run.seconds = static_cast<double>(std::strtoll(line, nullptr, 10) - started) / 1e9;
  run.peakKiB = static_cast<double>(usage.ru_maxrss);
  return true;
}

// Starts the child once per iteration; the time to its first paint and the
// peak memory.
void MeasureChild(benchmark::State& state, const char* probe) {
  const std::string self = SelfPath();
  double peakKiB = 0;
  for (auto _ : state) {
    ChildRun run;
    if (!RunChild(self, probe, run)) {
      state.SkipWithError("the program did not paint");
      return;
    }
    state.SetIterationTime(run.seconds);
    peakKiB = std::max(peakKiB, run.peakKiB);
  }
  state.counters["peak_KiB"] = peakKiB;
}

void BM_BareQtWindow(benchmark::State& state) { MeasureChild(state, kBareProbeArgument); }
BENCHMARK(BM_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ProcessStartToSplash(benchmark::State& state) { MeasureChild(state, kProbeArgument); }
BENCHMARK(BM_ProcessStartToSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The program against the bare window, run in turns so that both meet the
// same load on a shared machine; the fastest run of each and the ratios
// (start-up is held to 1.5 in both).
void BM_StartupAgainstBareQt(benchmark::State& state) {
  const std::string self = SelfPath();
  double bestBare = 1e9, bestProgram = 1e9, bareKiB = 0, programKiB = 0;
  for (auto _ : state) {
    ChildRun bare, program;
    if (!RunChild(self, kBareProbeArgument, bare) || !RunChild(self, kProbeArgument, program)) {
      state.SkipWithError("a child did not paint");
      return;
    }
    bestBare = std::min(bestBare, bare.seconds);
    bestProgram = std::min(bestProgram, program.seconds);
    bareKiB = std::max(bareKiB, bare.peakKiB);
    programKiB = std::max(programKiB, program.peakKiB);
    state.SetIterationTime(bare.seconds + program.seconds);
  }
  state.counters["bare_ms"] = bestBare * 1e3;
  state.counters["program_ms"] = bestProgram * 1e3;
  state.counters["time_ratio"] = bestProgram / bestBare;
  state.counters["memory_ratio"] = programKiB / bareKiB;
}
BENCHMARK(BM_StartupAgainstBareQt)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

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
  UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  rova::RegisterProgramFonts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
