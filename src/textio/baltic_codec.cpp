// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/baltic_codec.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <stdexcept>
#include <unordered_map>

namespace rova {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

struct BalticTables {
  std::array<char16_t, 256> toUnicode{};
  std::unordered_map<char16_t, unsigned char> fromUnicode;
};

// Asks iconv for each of the 256 bytes in turn, so that an undefined byte
// costs only itself.
BalticTables BuildTables() {
  BalticTables tables;
  iconv_t cd = iconv_open("UTF-16LE", "WINDOWS-1257");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no WINDOWS-1257");
  for (int byte = 0; byte < 256; ++byte) {
    char in = static_cast<char>(byte);
    char out[4] = {};
    char* inPtr = &in;
    char* outPtr = out;
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    char16_t unit = kReplacement;
    if (done != static_cast<size_t>(-1) && outLeft == 2) {
      unit = static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                   (static_cast<unsigned char>(out[1]) << 8));
    }
    tables.toUnicode[byte] = unit;
    if (unit != kReplacement) tables.fromUnicode.emplace(unit, static_cast<unsigned char>(byte));
  }
  iconv_close(cd);
  return tables;
}

const BalticTables& Tables() {
  static const BalticTables tables = BuildTables();
  return tables;
}

}  // namespace

QString FromBaltic(const QByteArray& bytes) {
  const auto& table = Tables().toUnicode;
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    out[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
  }
  return text;
}

QByteArray ToBaltic(const QString& text) {
  const auto& map = Tables().fromUnicode;
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    const auto found = map.find(c.unicode());
    bytes.append(found != map.end() && !c.isSurrogate() ? static_cast<char>(found->second) : '?');
  }
  return bytes;
}

bool FitsBaltic(const QString& text) {
  const auto& map = Tables().fromUnicode;
  for (const QChar c : text) {
    if (c.isSurrogate() || map.find(c.unicode()) == map.end()) return false;
  }
  return true;
}

}  // namespace rova
