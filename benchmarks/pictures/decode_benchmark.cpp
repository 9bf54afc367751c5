// SPDX-License-Identifier: GPL-3.0-or-later
// How long the program spends turning its JPEG resources into images, which
// it does for every picture while it builds its windows at start-up.
#include <QFile>
#include <benchmark/benchmark.h>
#include <vector>

#include "pictures/picture_library.h"
#include "pictures/picture_list.h"

namespace {

struct Encoded {
  QString name;
  QByteArray bytes;
};

std::vector<Encoded> ReadAll() {
  std::vector<Encoded> all;
  for (const rova::PictureInfo& info : rova::AllPictures()) {
    const QString name = QLatin1String(info.name);
    rova::LoadPicture(name);  // registers the resources
    QFile file(rova::PictureResourcePath(name));
    file.open(QIODevice::ReadOnly);
    all.push_back({name, file.readAll()});
  }
  return all;
}

// libjpeg alone, the bytes already in memory.
void BM_DecodeEveryPicture(benchmark::State& state) {
  const std::vector<Encoded> all = ReadAll();
  for (auto _ : state) {
    for (const Encoded& e : all) benchmark::DoNotOptimize(rova::DecodeJpeg(e.bytes, e.name));
  }
  state.counters["pictures"] = static_cast<double>(all.size());
}
BENCHMARK(BM_DecodeEveryPicture)->Unit(benchmark::kMillisecond);

// What start-up pays: resource lookup, size check and decode.
void BM_LoadEveryPicture(benchmark::State& state) {
  for (auto _ : state) {
    for (const rova::PictureInfo& info : rova::AllPictures()) {
      benchmark::DoNotOptimize(rova::LoadPicture(QLatin1String(info.name)));
    }
  }
}
BENCHMARK(BM_LoadEveryPicture)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
