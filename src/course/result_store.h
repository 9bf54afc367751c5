// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "course/task_catalogue.h"
#include "textio/data_file.h"

namespace rova {

// A task's counts as its result file keeps them.
struct ResultCounts {
  int correct = 0;  // line 1: checks that found the answer right
  int checked = 0;  // line 2: all checks
  bool operator==(const ResultCounts&) const = default;
};

// The longest ending the program gives a user name for a file name
// ("_checkbox.dat").
constexpr int kLongestUserFileSuffix = 13;

// prefix + user name + suffix. Every file name built from a user name comes
// from here, so that a name that registration would refuse (a path
// separator, "." or "..", a control character, a character outside the code
// page, too long), typed at log-in or written into the session file by hand,
// fails with "Invalid filename" before any file is opened.
QString UserFileName(const QString& prefix, const QString& userName, const QString& suffix);

// user name + "_" + topic + "-" + task + ".dat", in the working directory.
QString ResultFileName(const QString& userName, TaskId id);
// All 90 of them in catalogue order, the name checked once: a reader of a
// whole class opens some 90,000 files.
std::vector<QString> ResultFileNames(const QString& userName);

// "3" CR LF "7" CR LF
QByteArray CountsFileBytes(ResultCounts counts);
// What registration writes: "0" and "0" for task 1 of a topic, "0" alone for
// tasks 2 to 5; both read as no checks yet.
QByteArray InitialResultFileBytes(TaskId id);

// Throw ProgramError ("File not found", "Invalid numeric input", ...),
// naming the file. A file larger than `byteLimit` is "File too large".
ResultCounts ReadCounts(const QString& fileName, qsizetype byteLimit = kSmallFileLimit);
void WriteCounts(const QString& fileName, ResultCounts counts);

}  // namespace rova
