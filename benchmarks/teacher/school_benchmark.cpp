// SPDX-License-Identifier: GPL-3.0-or-later
// A made-up district: 10 000 pupils in 40 class folders (910 040 files),
// made once in a folder kept outside the checkout
// (${ROVA_BENCHMARK_DATA:-${XDG_CACHE_HOME:-~/.cache}/rova2004-benchmarks}).
//
// - SchoolAgainstBareLoop: ReadClass warm against a bare loop that opens,
//   reads and closes the same files with as many threads, in turns in one
//   run; the medians, their ratio, and the peak memory of a process that
//   does nothing but one ReadClass.
// - SchoolCold: the same with the caches dropped before each read, twice,
//   one first and then the other (root only, and only with
//   ROVA_BENCHMARK_COLD=1: it empties the caches of every program on the
//   machine).
// - ExportDistrict: the CSV and the XLSX of the 10 000 rows.
// - WindowWhileReading: the teacher's window reading the district: the
//   longest the event loop went without turning (a timer asks every 10 ms),
//   the progress bar's updates, the time to show the table, peak memory.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "accounts/user_store.h"
#include "course/result_store.h"
#include "teacher/class_export.h"
#include "teacher/class_overview.h"
#include "teacher/ui/teacher_window.h"
#include "textio/baltic_codec.h"
#include "textio/text_file.h"

namespace {

constexpr int kFolders = 40;
constexpr int kPupilsPerFolder = 250;

QString DataRoot() {
  const QString chosen = qEnvironmentVariable("ROVA_BENCHMARK_DATA");
  if (!chosen.isEmpty()) return chosen;
  const QString cache = qEnvironmentVariable("XDG_CACHE_HOME", QDir::homePath() + QStringLiteral("/.cache"));
  return cache + QStringLiteral("/rova2004-benchmarks");
}

void WriteAll(const std::string& path, const QByteArray& bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0 || write(fd, bytes.constData(), bytes.size()) != bytes.size() || close(fd) != 0) {
    qFatal("cannot write %s", path.c_str());
  }
}

// The district, made on first use and kept: a file ".complete" marks it whole.
struct District {
  QString root = DataRoot() + QStringLiteral("/district-%1x%2").arg(kFolders).arg(kPupilsPerFolder);
  QStringList folders;
  std::vector<std::pair<std::string, std::string>> pupils;  // folder, user name: for the bare loop

  District() {
    for (int f = 0; f < kFolders; ++f) folders << root + QStringLiteral("/klase%1").arg(f + 1, 2, 10, QLatin1Char('0'));
    for (int f = 0; f < kFolders; ++f) {
      for (int p = 0; p < kPupilsPerFolder; ++p) {
        pupils.emplace_back(folders[f].toStdString(), QStringLiteral("mokinys%1").arg(f * kPupilsPerFolder + p).toStdString());
      }
    }
    if (QFile::exists(root + QStringLiteral("/.complete"))) return;
    for (int f = 0; f < kFolders; ++f) {
      QDir().mkpath(folders[f]);
      QByteArray users;
      for (int p = kPupilsPerFolder - 1; p >= 0; --p) {
        const auto& [folder, name] = pupils[f * kPupilsPerFolder + p];
        const int i = f * kPupilsPerFolder + p;
        users += QByteArray::fromStdString(name) + "\r\n";
        WriteAll(folder + "/user_" + name + ".dat",
                 rova::JoinLines({"Vardas" + QByteArray::number(i), rova::ToBaltic(QStringLiteral("Pavardė")),
                                  QByteArray::number(7 + f % 4) + char('a' + f % 3)}));
        for (const rova::TaskRow& row : rova::TaskCatalogue()) {
          const int checked = 3 + (i + row.id.topic) % 9;
          WriteAll(folder + "/" + name + row.resultFileSuffix.toStdString(),
                   rova::CountsFileBytes({(i * 7 + row.id.task) % (checked + 1), checked}));
        }
      }
      WriteAll(folders[f].toStdString() + "/user.dat", users);
    }
    WriteAll((root + QStringLiteral("/.complete")).toStdString(), "complete\n");
  }

  qsizetype fileCount() const { return kFolders + qsizetype(pupils.size()) * (1 + rova::kTaskCount); }
};

const District& TheDistrict() {
  static const District district;
  return district;
}

// Opens, reads to the end and closes every file ReadClass reads, the pupils
// shared by as many threads as ReadClass uses.
std::size_t BareLoop(const District& district) {
  std::atomic<std::size_t> total{0};
  std::atomic<std::size_t> next{0};
  std::vector<std::string> suffixes;
  for (const rova::TaskRow& row : rova::TaskCatalogue()) suffixes.push_back(row.resultFileSuffix.toStdString());
  const auto readFile = [](const std::string& path) {
    char buffer[4096];
    std::size_t got = 0;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) std::abort();
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) got += static_cast<std::size_t>(n);
    close(fd);
    return got;
  };
  const auto work = [&] {
    std::size_t mine = 0;
    for (std::size_t i; (i = next++) < district.pupils.size();) {
      const auto& [folder, name] = district.pupils[i];
      mine += readFile(folder + "/user_" + name + ".dat");
      for (const std::string& suffix : suffixes) mine += readFile(folder + "/" + name + suffix);
    }
    total += mine;
  };
  for (const QString& folder : district.folders) total += readFile(folder.toStdString() + "/user.dat");
  std::vector<std::thread> threads;
  for (int t = 1; t < rova::teacher::ReaderThreadCount(); ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  return total;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Processor time of the whole process (every thread, user and system), in ms.
double ProcessorMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double PeakMegabytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

// The peak memory of a fresh process that does nothing but read the district
// once: this program started again with --reading-peak.
double ReadingPeakMegabytes() {
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--reading-peak")});
  if (!child.waitForFinished(600000) || child.exitCode() != 0) return -1;
  return child.readAllStandardOutput().trimmed().toDouble();
}

void SchoolAgainstBareLoop(benchmark::State& state) {
  const District& district = TheDistrict();
  BareLoop(district);  // warm the caches
  std::vector<double> program, bare, programCpu, bareCpu;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    double cpu = ProcessorMs();
    benchmark::DoNotOptimize(BareLoop(district));
    bare.push_back(timer.nsecsElapsed() / 1e6);
    bareCpu.push_back(ProcessorMs() - cpu);
    timer.restart();
    cpu = ProcessorMs();
    const rova::teacher::ClassOverview overview = rova::teacher::ReadClass(district.folders);
    program.push_back(timer.nsecsElapsed() / 1e6);
    programCpu.push_back(ProcessorMs() - cpu);
    if (overview.pupils.size() != district.pupils.size()) state.SkipWithError("pupils missing");
  }
  state.counters["files"] = static_cast<double>(district.fileCount());
  state.counters["threads"] = rova::teacher::ReaderThreadCount();
  state.counters["program_ms"] = Median(program);
  state.counters["bare_ms"] = Median(bare);
  state.counters["ratio"] = Median(program) / Median(bare);
  state.counters["cpu_ratio"] = Median(programCpu) / Median(bareCpu);
  state.counters["reading_peak_MB"] = ReadingPeakMegabytes();
}
BENCHMARK(SchoolAgainstBareLoop)->Unit(benchmark::kMillisecond)->Iterations(7);

bool DropCaches() {
  sync();
  std::ofstream drop("/proc/sys/vm/drop_caches");
  drop << "3\n";
  drop.flush();
  return drop.good();
}

void SchoolCold(benchmark::State& state) {
  const District& district = TheDistrict();
  if (qEnvironmentVariable("ROVA_BENCHMARK_COLD") != QLatin1String("1")) {
    state.SkipWithError("set ROVA_BENCHMARK_COLD=1 (as root) to drop the caches of the whole machine");
    return;
  }
  // Each read from a cold cache; the program first, then the bare loop
  // first, as whatever else the disk serves changes over a run.
  std::vector<double> program, bare;
  const auto cold = [&](auto read) {
    if (!DropCaches()) return -1.0;
    QElapsedTimer timer;
    timer.start();
    read();
    return timer.nsecsElapsed() / 1e6;
  };
  const auto readProgram = [&] { return cold([&] { rova::teacher::ReadClass(district.folders); }); };
  const auto readBare = [&] { return cold([&] { benchmark::DoNotOptimize(BareLoop(district)); }); };
  bool programFirst = true;
  for (auto _ : state) {
    if (programFirst) {
      program.push_back(readProgram());
      bare.push_back(readBare());
    } else {
      bare.push_back(readBare());
      program.push_back(readProgram());
    }
    programFirst = !programFirst;
    if (program.back() < 0 || bare.back() < 0) {
      state.SkipWithError("cannot drop the caches (root only)");
      return;
    }
  }
  const auto mean = [](const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0) / v.size(); };
  state.counters["program_ms"] = mean(program);
  state.counters["bare_ms"] = mean(bare);
  state.counters["ratio"] = mean(program) / mean(bare);
}
BENCHMARK(SchoolCold)->Unit(benchmark::kMillisecond)->Iterations(2);

void ExportDistrict(benchmark::State& state) {
  const District& district = TheDistrict();
  const auto overview = rova::teacher::ReadClass(district.folders);
  const auto pupils = rova::teacher::PupilsOf(overview, {});
  QTemporaryDir out;
  std::vector<double> csv, xlsx;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    rova::teacher::ExportClass(out.filePath(QStringLiteral("rajonas.csv")), overview, pupils, overview.folders);
    csv.push_back(timer.nsecsElapsed() / 1e6);
    timer.restart();
    rova::teacher::ExportClass(out.filePath(QStringLiteral("rajonas.xlsx")), overview, pupils, overview.folders);
    xlsx.push_back(timer.nsecsElapsed() / 1e6);
  }
  state.counters["rows"] = static_cast<double>(pupils.size());
  state.counters["csv_ms"] = Median(csv);
  state.counters["xlsx_ms"] = Median(xlsx);
  state.counters["csv_MB"] = QFileInfo(out.filePath(QStringLiteral("rajonas.csv"))).size() / 1e6;
  state.counters["xlsx_MB"] = QFileInfo(out.filePath(QStringLiteral("rajonas.xlsx"))).size() / 1e6;
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(ExportDistrict)->Unit(benchmark::kMillisecond)->Iterations(3);

void WindowWhileReading(benchmark::State& state) {
  const District& district = TheDistrict();
  BareLoop(district);
  for (auto _ : state) {
    rova::teacher::TeacherWindow window;
    window.resize(1100, 700);
    window.show();
    QApplication::processEvents();
    // The longest the event loop went without turning, while reading and
    // while the table was being shown.
    QElapsedTimer sinceTick;
    qint64 longestReading = 0;
    qint64 longestShowing = 0;
    bool reading = true;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      qint64& longest = reading ? longestReading : longestShowing;
      longest = std::max(longest, sinceTick.restart());
    });
    int progressUpdates = 0;
    QObject::connect(window.Progress(), &QProgressBar::valueChanged, [&] { ++progressUpdates; });
    QSignalSpy read(&window, &rova::teacher::TeacherWindow::ClassRead);
    QElapsedTimer total;
    total.start();
    sinceTick.start();
    ticker.start();
    window.OpenFolders(district.folders);
    // The last progress report comes before the table is shown: from then
    // on the gaps are the showing's.
    QObject::connect(window.Progress(), &QProgressBar::valueChanged, [&](int value) {
      if (value == window.Progress()->maximum()) reading = false;
    });
    if (!read.wait(600000)) state.SkipWithError("the window did not finish reading");
    QTest::qWait(50);
    state.counters["total_ms"] = total.elapsed();
    state.counters["longest_gap_reading_ms"] = longestReading;
    state.counters["longest_gap_showing_ms"] = longestShowing;
    state.counters["progress_updates"] = progressUpdates;
    state.counters["rows"] = window.ClassTable()->model()->rowCount();
  }
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(WindowWhileReading)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--reading-peak") {
    const District& district = TheDistrict();
    const auto overview = rova::teacher::ReadClass(district.folders);
    if (overview.pupils.size() != district.pupils.size()) return 1;
    std::printf("%.1f\n", PeakMegabytes());
    return 0;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
