// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

#include "temp_dir.h"

namespace rova::testing {

// One task as the catalogue tables give it: its window, a right and a wrong
// entry (field texts, or the name of the radio button to click), and the
// maximum length of each field.
struct TaskCase {
  int topic;
  int task;
  const char* window;      // "Form8"
  QStringList right;       // texts of the fields, in order; or {"AMRadioButton2"}
  QStringList wrong;
  QList<int> maxLengths;   // empty for a choice task
};

inline void PrintTo(const TaskCase& c, std::ostream* os) { *os << c.topic << "-" << c.task; }

// Each topic range lists its tasks in a file of its own and instantiates
// TaskAnswersTest over them.
class TaskAnswersTest : public InTempDir, public ::testing::WithParamInterface<TaskCase> {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace rova::testing
