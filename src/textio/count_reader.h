// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <utility>

#include "textio/text_file.h"

namespace rova {

// Reads whitespace-delimited 32-bit counts from a file's bytes: blanks, tabs
// and line breaks before a count are skipped, the end of the file reads as 0,
// a count is at most 32 characters up to the next blank or control character
// (DEL too; optional sign, decimal, or hexadecimal after "$", "x", "X", "0x",
// "0X"), and the rest of its line is skipped. Anything else, a NUL or another
// control character before a count included, is "Invalid numeric input".
//
// Read from a file, it takes the file in small blocks as far as the counts
// need it, so that a huge file costs no more memory than a small one.
class CountReader {
 public:
  explicit CountReader(QByteArray bytes) : bytes_(std::move(bytes)) {}
  explicit CountReader(InputFile& file) : file_(&file) {}

  int Next();

 private:
  int Peek();  // the next byte, or -1 at the end

  QByteArray bytes_;
  qsizetype pos_ = 0;
  InputFile* file_ = nullptr;  // null once it has reached its end
  bool midLine_ = false;       // the line of the last count is still to skip
};

// One count token converted on its own; false when it is not a valid count.
bool ParseCount(const char* text, qsizetype length, int* value);

}  // namespace rova
