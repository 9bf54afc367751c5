// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory of a pupil's session: at the main window after logging in, and
// after every task window and handbook page has been shown once.
//
//   Xvfb :90 & DISPLAY=:90 build/default/benchmarks/app/window_memory_benchmark
//
// Each iteration starts this program again as a child that runs the real
// start-up (splash, login of a pupil registered in a fresh folder), reads its
// peak resident size at the main window, opens each of the 90 task windows,
// the 18 handbook pages and the sub-page until painted, and reads it again.
// The goal: after the visits at most 1.5 times the peak at the main window.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "accounts/ui/login_window.h"
#include "accounts/user_store.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "handbook/handbook_page_window.h"
#include "handbook/quadrilaterals_window.h"
#include "open_until_painted.h"
#include "course/task_catalogue.h"
#include "tasks/ui/task_window.h"
#include "window/window_registry.h"

namespace {

constexpr const char* kVisitArgument = "--visit-every-window";

// The process's peak resident size so far, from /proc.
long PeakKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
  }
  return 0;
}

// Waits for the main window's first paint at its working size.
class MainWindowPainted : public QObject {
 public:
  explicit MainWindowPainted(std::function<void()> then) : then_(std::move(then)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && rova::Form2->Width() > 0 && then_) {
      QTimer::singleShot(0, std::exchange(then_, nullptr));
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

void VisitEveryWindow(long mainKiB) {
  for (const rova::TaskRow& row : rova::TaskCatalogue()) rova::bench::OpenUntilPainted(rova::TaskForm(row.id));
  for (int topic = 1; topic <= 18; ++topic) rova::bench::OpenUntilPainted(rova::HandbookPageForm(topic));
  rova::bench::OpenUntilPainted(rova::Form116);
  std::printf("%ld %ld\n", mainKiB, PeakKiB());
  std::fflush(stdout);
  rova::Form2->Close();
}

int RunVisits(int argc, char** argv) {
  rova::bench::UseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  QTemporaryDir folder;
  if (!folder.isValid() || !QDir::setCurrent(folder.path())) return 1;
  QFile(QStringLiteral("user.dat")).open(QIODevice::WriteOnly);
  QFile(QStringLiteral("password.dat")).open(QIODevice::WriteOnly);
  rova::RegisterUser({"jonas", "slaptas", "Jonas", "Jonaitis", "9a", "jonas@example.com"});
  rova::RegisterProgramFonts();
  rova::SetProgramTitle();
  QApplication::setQuitOnLastWindowClosed(false);
  rova::CreateWindows();
  QObject::connect(rova::Form1, &rova::ProgramWindow::Opened,
                   [] { QTimer::singleShot(0, [] { rova::Form1->Timer1Timer(); }); });
  QObject::connect(rova::Form120, &rova::ProgramWindow::Opened, [] {
    QTimer::singleShot(0, [] {
      rova::Form120->Edit1->setText(QStringLiteral("jonas"));
      rova::Form120->Edit2->setText(QStringLiteral("slaptas"));
      rova::Form120->LbSpeedButton1Click();
    });
  });
  MainWindowPainted painted([] { VisitEveryWindow(PeakKiB()); });
  rova::Form2->installEventFilter(&painted);
  rova::StartMainWindow();
  const int code = QApplication::exec();
  rova::DestroyRegisteredWindows();
  return code;
}

std::string SelfPath() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n <= 0 ? std::string() : std::string(buffer, static_cast<std::size_t>(n));
}

struct Peaks {
  double mainKiB = 0;
  double visitedKiB = 0;
};

std::optional<Peaks> RunChild(const std::string& self) {
  int fds[2];
  if (pipe(fds) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    execl(self.c_str(), self.c_str(), kVisitArgument, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string out;
  char buffer[256];
  ssize_t n = 0;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<std::size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  Peaks peaks;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(out.c_str(), "%lf %lf", &peaks.mainKiB, &peaks.visitedKiB) != 2) {
    return std::nullopt;
  }
  return peaks;
}

void BM_PeakMemoryAfterEveryWindow(benchmark::State& state) {
  const std::string self = SelfPath();
  Peaks last;
  for (auto _ : state) {
    const std::optional<Peaks> peaks = RunChild(self);
    if (!peaks) {
      state.SkipWithError("the child did not visit every window");
      return;
    }
    last = *peaks;
  }
  state.counters["main_KiB"] = last.mainKiB;
  state.counters["visited_KiB"] = last.visitedKiB;
  state.counters["ratio"] = last.visitedKiB / last.mainKiB;
}
BENCHMARK(BM_PeakMemoryAfterEveryWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], kVisitArgument) == 0) return RunVisits(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
