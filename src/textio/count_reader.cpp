#include "textio/count_reader.h"

#include <cstdint>
#include <limits>

#include "textio/program_error.h"

namespace rova {

namespace {

constexpr qsizetype kMaxTokenLength = 32;

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ParseCount(const char* text, qsizetype length, int* value) {
  qsizetype i = 0;
  bool negative = false;
  if (i < length && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < length && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < length && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == length) return false;
  // The magnitude may reach 2^31 only for a negative value.
  const std::uint64_t limit =
      static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) + (negative ? 1 : 0);
  std::uint64_t magnitude = 0;
  for (; i < length; ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0 || digit >= base) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  *value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude))
                    : static_cast<int>(magnitude);
  return true;
}

int CountReader::Next() {
  const qsizetype size = bytes_.size();
  const char* data = bytes_.constData();
  while (pos_ < size && IsSeparator(data[pos_])) ++pos_;
  if (pos_ == size) return 0;

  const qsizetype start = pos_;
  while (pos_ < size && pos_ - start < kMaxTokenLength && !IsSeparator(data[pos_])) ++pos_;
  int value = 0;
  if (!ParseCount(data + start, pos_ - start, &value)) throw ProgramError::InvalidNumericInput();

  while (pos_ < size && data[pos_] != '\n' && data[pos_] != '\r') ++pos_;
  if (pos_ < size && data[pos_] == '\r') ++pos_;
  if (pos_ < size && data[pos_] == '\n') ++pos_;
  return value;
}

}  // namespace rova
