// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

#include "tasks/answer_check.h"
#include "course/task_catalogue.h"

namespace rova {

// One press of "Tikrinti atsakymą": reads the session user, reads the task's
// counts, judges the entry, writes the counts back with the check added, and
// gives the verdict for the window to show. The store stays locked from the
// read to the rewrite, so two copies of the program checking at once both
// count. A failure before the rewrite (session, counts, a bad fraction)
// changes no count. Throws ProgramError.
Verdict CheckAnswer(const TaskRow& row, const TaskEntry& entry, const QLocale& locale = QLocale());

}  // namespace rova
