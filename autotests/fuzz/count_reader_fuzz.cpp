// SPDX-License-Identifier: GPL-3.0-or-later
// The count reader on hostile result files: read from the bytes at once and
// from a file in blocks, it gives the same counts and the same errors, and a
// decimal count is the number the C library reads.
#include <QList>
#include <cerrno>
#include <cstdlib>

#include "fuzz_support.h"
#include "textio/count_reader.h"
#include "textio/text_file.h"

namespace {

using namespace rova;

QList<QString> ThreeCounts(CountReader& reader) {
  QList<QString> out;
  for (int i = 0; i < 3; ++i) {
    try {
      out.append(QString::number(reader.Next()));
    } catch (const ProgramError& error) {
      out.append(error.message());
      break;
    }
  }
  return out;
}

// Sign and decimal digits only, as strtol reads them.
bool IsPlainDecimal(const QByteArray& token) {
  qsizetype i = token.startsWith('+') || token.startsWith('-') ? 1 : 0;
  if (i == token.size()) return false;
  for (; i < token.size(); ++i) {
    if (token[i] < '0' || token[i] > '9') return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = fuzz::Bytes(data, size);
  CountReader whole(bytes);
  const QList<QString> fromBytes = ThreeCounts(whole);

  const fuzz::InFolder scratch(fuzz::ScratchFolder());
  fuzz::WriteFile(QStringLiteral("counts.dat"), bytes);
  {
    InputFile file(QStringLiteral("counts.dat"));
    CountReader blocks(file);
    if (ThreeCounts(blocks) != fromBytes) fuzz::Broken("a file read in blocks reads other counts");
  }

  // The input as one token: a plain decimal is what strtoll makes of it, when it fits.
  int value = 0;
  const bool parsed = ParseCount(bytes.constData(), bytes.size(), &value);
  if (IsPlainDecimal(bytes) && bytes.size() < 64) {
    errno = 0;
    const long long expected = std::strtoll(QByteArray(bytes.constData(), bytes.size()).constData(), nullptr, 10);
    const bool fits = errno == 0 && expected >= INT32_MIN && expected <= INT32_MAX;
    if (parsed != fits || (fits && value != expected)) fuzz::Broken("a decimal count is read wrong");
  }
  return 0;
}
