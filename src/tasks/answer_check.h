// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include "course/task_catalogue.h"

namespace rova {

enum class Verdict { Right, Wrong };

// What the pupil has entered in a task window.
struct TaskEntry {
  QString field1;        // the only field, the first field, or the numerator
  QString field2;        // the second field or the denominator
  QString checkedRadio;  // name of the checked radio button, empty when none
};

// Judges an entry by the task's check kind. Texts are compared whole and
// exactly. Fraction throws ProgramError for a field that is not a number and
// for a zero denominator; nothing else throws.
Verdict JudgeEntry(const TaskRow& row, const TaskEntry& entry, const QLocale& locale = QLocale());

// What the pupil must write when the entry would be right with its decimal
// points written as commas: the fields that hold a point, rewritten ("2,9"
// for "2.9"). Such an entry is neither judged nor counted: the window says
// how decimal fractions are written instead. Empty for every other entry,
// which is judged as it stands.
QString DecimalCommaCorrection(const TaskRow& row, const TaskEntry& entry);

// A number in the usual decimal notation of the locale: blanks around it,
// an optional sign, digits with the locale's decimal separator, an optional
// exponent. Throws "'<text>' is not a valid floating point value".
long double ParseFloatingPoint(const QString& text, const QLocale& locale = QLocale());

}  // namespace rova
