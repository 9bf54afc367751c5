// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace rova {

// The face a piece of a statement or a handbook page is drawn in.
enum class PieceFace {
  Sans,      // the 11-pixel text of every line
  SansBold,  // bold 11-pixel text ("10" before an exponent field, headings)
  Mark,      // the 8-pixel serif marks: exponents, indices, degree signs, cube-root "3"
  Large,     // the 16-pixel parentheses that enclose a formula
  Tall,      // a brace before two lines, parentheses round a fraction: a scalable face, 24 pixels
};

// One label laid over a text block, at its place in the parent (a group box).
// Formulas are made of such pieces: a line leaves blanks, and a raised or
// lowered mark, a fraction's bar of underscores, a root's "V" and its
// overline, or an "o" of the infinity sign stands in the gap.
struct TextPiece {
  int x = 0;
  int y = 0;
  QString text;
  PieceFace face = PieceFace::Sans;
};

// A picture (a figure or a symbol such as "sym_brace") at its natural size.
struct PicturePiece {
  int x = 0;
  int y = 0;
  QString pictureName;
};

// The labels and pictures of one statement or page group.
struct PieceBlock {
  QList<TextPiece> texts;
  QList<PicturePiece> pictures;
};

// Makes one plain black label per text piece and one picture label per
// picture inside `parent`, in the order given (a picture placed over a gap
// lies above the text). A picture that cannot be loaded leaves its place
// empty; the rest of the block still shows.
struct PlacedPieces {
  QList<QLabel*> labels;
  QList<QLabel*> pictures;
};
// Each label is read by a screen reader as SpeakPieces says.
PlacedPieces PlacePieces(QWidget* parent, const PieceBlock& block);

// What a screen reader reads for a label of a block: nothing for a piece of a
// formula another label reads.
QString SpokenText(const QLabel& label);

// The face of PieceFace::Tall, for measuring the gap a tall piece needs.
QFont TallFont();
// The face a piece of `face` is drawn in.
QFont PieceFont(PieceFace face);

}  // namespace rova
