// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/count_reader.h"

#include <cstdint>
#include <limits>

#include "textio/program_error.h"

namespace rova {

namespace {

constexpr qsizetype kMaxTokenLength = 32;

// What is skipped before a count: blanks, tabs and line breaks, nothing else,
// so that a file of NUL bytes fails at its first byte instead of being read
// to its end.
bool IsSkipped(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// What ends a count: a blank or a control character (DEL included).
bool EndsCount(int c) { return c <= ' ' || c == 0x7F; }

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

int CountReader::Peek() {
  if (pos_ < bytes_.size()) return static_cast<unsigned char>(bytes_[pos_]);
  if (!file_) return -1;
  constexpr qsizetype kBlock = 4096;
  bytes_.resize(kBlock);
  bytes_.resize(file_->Read(bytes_.data(), kBlock));
  pos_ = 0;
  if (bytes_.isEmpty()) {
    file_ = nullptr;
    return -1;
  }
  return static_cast<unsigned char>(bytes_[0]);
}

int CountReader::Next() {
  // The rest of the previous count's line is skipped only now, so that
  // reading the last count needed stops right after it.
  if (midLine_) {
    int c;
    while ((c = Peek()) >= 0 && c != '\n' && c != '\r') ++pos_;
    if (c == '\r') {
      ++pos_;
      c = Peek();
    }
    if (c == '\n') ++pos_;
    midLine_ = false;
  }
  int c;
  while ((c = Peek()) >= 0 && IsSkipped(c)) ++pos_;
  if (c < 0) return 0;

  char token[kMaxTokenLength];
  qsizetype length = 0;
  while (length < kMaxTokenLength && (c = Peek()) >= 0 && !EndsCount(c)) {
    token[length++] = char(c);
    ++pos_;
  }
  int value = 0;
  if (!ParseCount(token, length, &value)) throw ProgramError::InvalidNumericInput();
  midLine_ = true;
  return value;
}

}  // namespace rova
