#pragma once

#include <QByteArray>
#include <QString>

#include "tasks/task_catalogue.h"

namespace rova {

// A task's counts as its result file keeps them.
struct ResultCounts {
  int correct = 0;  // line 1: checks that found the answer right
  int checked = 0;  // line 2: all checks
  bool operator==(const ResultCounts&) const = default;
};

// user name + "_" + topic + "-" + task + ".dat", in the working directory.
QString ResultFileName(const QString& userName, TaskId id);

// The two counts of a result file's bytes; a missing count reads as 0.
ResultCounts ParseCounts(const QByteArray& bytes);
// "3" CR LF "7" CR LF
QByteArray CountsFileBytes(ResultCounts counts);
// What registration writes: "0" and "0" for task 1 of a topic, "0" alone for
// tasks 2 to 5; both read as no checks yet.
QByteArray InitialResultFileBytes(TaskId id);

// Throw ProgramError ("File not found", "Invalid numeric input", ...).
ResultCounts ReadCounts(const QString& fileName);
void WriteCounts(const QString& fileName, ResultCounts counts);

}  // namespace rova
