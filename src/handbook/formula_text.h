// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "window/text_pieces.h"

namespace rova {

// A block of handbook text at its place in a group: one label for the lines,
// which may be several, with the small parts of its formulas written inline
// and laid over the gaps the lines leave for them:
//
//   a^{2}            a raised mark (exponent)
//   a_{n}            a lowered mark (index); a_{1}^{2} puts both in one gap
//   \frac{a + b}{2}  a numerator over a bar of underscores over a denominator
//   \sqrt{ab}        a "V" and an overline of underscores over the radicand
//   \sqrt[3]{a}      the same with a small root index before the "V"
//   {\ge}            a sign of its own in a small label ({\le}, {\ne}, ...)
//   \( and \)        tall parentheses round a fraction
//   \{               a tall brace before the two lines of a system; the next
//                    line of the block begins where the text after it does
//   ## Heading       a line in bold; the headings of a block share one label
//
// A fraction reaches half a line above and below its line, a raised mark or
// an overline a third of a line above: such lines are written with a blank
// line around them.
struct FormulaText {
  int x = 0;
  int y = 0;
  QString text;
  PieceFace face = PieceFace::Sans;
};

// Appends the labels of `text` to `block`: the lines first, then the pieces
// over them. Throws std::invalid_argument for a formula that is not closed.
void LayOutFormulaText(const FormulaText& text, PieceBlock& block);

}  // namespace rova
