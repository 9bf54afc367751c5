#pragma once

#include <QByteArray>
#include <utility>

namespace rova {

// Reads whitespace-delimited 32-bit counts from a file's bytes: blanks, tabs
// and line breaks before a count are skipped, the end of the file reads as 0,
// a count is at most 32 characters up to the next blank or control character
// (optional sign, decimal, or hexadecimal after "$", "x", "X", "0x", "0X"),
// and the rest of its line is skipped. Anything else is "Invalid numeric
// input".
class CountReader {
 public:
  explicit CountReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

  int Next();

 private:
  QByteArray bytes_;
  qsizetype pos_ = 0;
};

// One count token converted on its own; false when it is not a valid count.
bool ParseCount(const char* text, qsizetype length, int* value);

}  // namespace rova
