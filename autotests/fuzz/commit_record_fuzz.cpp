// SPDX-License-Identifier: GPL-3.0-or-later
// A commit record planted in the data folder: whatever it says, the next
// taker of the store lock touches no file outside the data folder. The data
// folder lies two folders deep in the scratch folder, with a victim and the
// copies a record would put over it beside it at every level.
#include <QDirIterator>
#include <map>
#include <optional>

#include "fuzz_support.h"
#include "textio/store_transaction.h"

namespace {

using namespace rova;

// Every file outside the data folder, with its bytes.
std::map<QString, QByteArray> Outside(const QString& root, const QString& data) {
  std::map<QString, QByteArray> files;
  QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    if (!file.startsWith(data + QLatin1Char('/'))) files[file] = fuzz::ReadFile(file);
  }
  return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString root = fuzz::ScratchFolder();
  const QString dataFolder = root + QStringLiteral("/a/b/data");
  static const bool made = [&] {
    QDir(dataFolder).removeRecursively();
    if (!QDir().mkpath(dataFolder)) std::abort();
    for (const QString& level : {root, root + QStringLiteral("/a"), root + QStringLiteral("/a/b")}) {
      fuzz::WriteFile(level + QStringLiteral("/victim.txt"), "mine\n");
      fuzz::WriteFile(level + QStringLiteral("/.victim.txt.~abcdef"), "planted\n");
      fuzz::WriteFile(level + QStringLiteral("/.victim.txt.~abcdef~"), "planted second\n");
    }
    return true;
  }();
  (void)made;
  const std::map<QString, QByteArray> before = Outside(root, dataFolder);

  // The data folder starts each input with a few files of its own.
  QDir(dataFolder).removeRecursively();
  QDir().mkpath(dataFolder);
  std::optional<fuzz::InFolder> inData(std::in_place, dataFolder);
  fuzz::WriteFile(QStringLiteral("keep.dat"), "1\r\n");
  fuzz::WriteFile(QStringLiteral(".keep.dat.~abcdef"), "2\r\n");
  fuzz::WriteFile(QStringLiteral(".rova_commit"), fuzz::Bytes(data, size));
  try {
    StoreLock lock;
  } catch (const ProgramError&) {
    // A record that names the folder's own files may fail to finish; it stays.
  }
  inData.reset();
  if (Outside(root, dataFolder) != before) fuzz::Broken("a file outside the data folder changed");
  return 0;
}
