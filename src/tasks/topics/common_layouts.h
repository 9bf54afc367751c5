// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/task_layout.h"

namespace rova {

// Layout pieces that several topics write alike: option rows of Choice tasks,
// the degree field, the square-unit field, the fraction entry and a system of
// two lines under a brace. They only produce the values of task_layout.h.

// One option of a Choice task: its radio button at `at` in the answer group,
// and what stands beside it (labels, marks, the ∈ picture), placed relative
// to the radio button's top-left corner.
struct Option {
  QString name;  // "AMRadioButton2"
  QPoint at;
  QList<TextPiece> pieces;
  QList<PicturePiece> pictures;
};

// The option row's y: the radio buttons stand 2 pixels below their labels.
inline constexpr int kOptionRowY = 32;

// An option that is one label beside its radio button, 14 pixels to its
// right, or 11 where the text begins with a blank; `marks` are relative to
// that label's top-left corner.
Option TextOption(const QString& name, int x, const QString& text, const QList<TextPiece>& marks = {},
                  int y = kOptionRowY);

// "Atsakymo variantai:" at `heading` and the options, left to right as they
// stand.
AnswerLayout OptionArea(QPoint heading, const QList<Option>& options, QRect checkButton = kStandardCheckButton);

// The options of topics 17 and 18, left to right: AMRadioButton2 "Taip",
// AMRadioButton1 "Ne", AMRadioButton3 "Per mažai duomenų".
AnswerLayout YesNoNotEnoughOptions();

// The standard field with a degree mark: " o" at 376, 13 or, lower, "o" at
// 380, 16.
AnswerLayout DegreeField();
AnswerLayout LowDegreeField();

// The standard field with "cm  ." after it and the exponent "2" over its
// blanks: cm².
AnswerLayout SquareCentimetreField();

// The fraction entry of tasks 1-1, 3-1, 4-1 and 18-5: the two hint lines, the
// numerator panel above the bar above the denominator panel, all `width`
// wide at `x`, and the tall check button beside them.
AnswerLayout FractionAnswer(int x, int width, const QString& bar, int barX);

// A statement line with, right of it, a brace at `brace` and two lines (an
// equation or inequality each) 8 pixels right of the brace. The word before
// the system stands on its own line at `top`.
StatementLayout BracedSystem(int top, const QString& word, QPoint brace, const QString& first,
                             const QString& second);

}  // namespace rova
