// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

#include "window/text_pieces.h"

namespace rova {

// What a screen reader reads for the pieces of one block. A formula is drawn
// from several labels (a line with blanks, the marks, bars and signs laid
// over them); it is read as one plain line: x² - 6x + 9 = 0, 27/64, √(ab),
// ∛(49 * 25 * 45 * 21), aₙ, 90°, x ∈ (-∞; 2). Words that stand together on a
// row are read by the first label of the row (in the block's order), the
// others by nothing; words far apart on a row (a hint and a unit with an
// answer field between them) stay apart.
struct SpokenBlock {
  // Per text piece: what its label reads, its rows joined by line breaks; an
  // empty text for a piece read with another.
  QStringList texts;
  // Per picture piece: whether it is a sign read with the text (∈, π, the
  // brace of a system) rather than a figure of its own.
  QList<bool> picturesReadWithText;
};

SpokenBlock SpeakPieces(const PieceBlock& block);

// The characters written raised or lowered, as far as Unicode has them
// ("2" → "²", "mn" → "ᵐⁿ", "o" → "°"); otherwise "^(…)" or "_(…)".
QString RaisedText(const QString& text);
QString LoweredText(const QString& text);

}  // namespace rova
