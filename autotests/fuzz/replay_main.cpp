// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a fuzz target's corpus as a regression test, without libFuzzer:
// every file of the folders (or the files) given on the command line is one
// input. An empty corpus fails, so that a lost corpus is not a pass.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
    std::exit(2);
  }
  const QByteArray bytes = f.readAll();
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                         static_cast<std::size_t>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  // Every name is made absolute first: the targets change the working directory.
  QStringList files;
  for (int i = 1; i < argc; ++i) {
    const QFileInfo arg(QString::fromLocal8Bit(argv[i]));
    if (arg.isDir()) {
      QDirIterator it(arg.absoluteFilePath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
      while (it.hasNext()) files.append(it.next());
    } else {
      files.append(arg.absoluteFilePath());
    }
  }
  files.sort();
  for (const QString& file : files) Replay(file);
  std::printf("replayed %lld inputs\n", static_cast<long long>(files.size()));
  return files.isEmpty() ? 1 : 0;
}
