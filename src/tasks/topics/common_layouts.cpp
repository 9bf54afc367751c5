// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"

namespace rova {

namespace {

constexpr int kOptionTextGap = 14;
constexpr int kBlankOptionTextGap = 11;
constexpr int kOptionTextRise = 2;  // labels stand a little higher than their radio buttons
constexpr int kBraceToLines = 8;

QList<TextPiece> Shifted(const QList<TextPiece>& pieces, int dx, int dy) {
  QList<TextPiece> moved = pieces;
  for (TextPiece& piece : moved) {
    piece.x += dx;
    piece.y += dy;
  }
  return moved;
}

}  // namespace

Option TextOption(const QString& name, int x, const QString& text, const QList<TextPiece>& marks, int y) {
  const int gap = text.startsWith(QLatin1Char(' ')) ? kBlankOptionTextGap : kOptionTextGap;
  return {name, QPoint(x, y), QList<TextPiece>{Text(gap, -kOptionTextRise, text)} + Shifted(marks, gap, -kOptionTextRise), {}};
}

AnswerLayout OptionArea(QPoint heading, const QList<Option>& options, QRect checkButton) {
  QList<ChoiceButton> buttons;
  QList<TextPiece> labels{Text(heading.x(), heading.y(), QStringLiteral("Atsakymo variantai:"))};
  QList<PicturePiece> pictures;
  for (const Option& option : options) {
    buttons.append({option.name, option.at});
    labels += Shifted(option.pieces, option.at.x(), option.at.y());
    for (PicturePiece picture : option.pictures) {
      picture.x += option.at.x();
      picture.y += option.at.y();
      pictures.append(picture);
    }
  }
  return Choices(buttons, labels, pictures, checkButton);
}

AnswerLayout YesNoNotEnoughOptions() {
  return OptionArea({275, 13}, {TextOption(QStringLiteral("AMRadioButton2"), 206, QStringLiteral("Taip")),
                                TextOption(QStringLiteral("AMRadioButton1"), 271, QStringLiteral("Ne")),
                                TextOption(QStringLiteral("AMRadioButton3"), 329, QStringLiteral("Per mažai duomenų"))});
}

AnswerLayout DegreeField() { return StandardField({}, {Mark(376, 13, QStringLiteral(" o"))}); }

AnswerLayout LowDegreeField() { return StandardField({}, {Mark(380, 16, QStringLiteral("o"))}); }

AnswerLayout SquareCentimetreField() {
  return StandardField(QStringLiteral("cm  ."), {Mark(398, 18, QStringLiteral("2"))});
}

StatementLayout BracedSystem(int top, const QString& word, QPoint brace, const QString& first,
                             const QString& second) {
  const int x = brace.x() + kBraceToLines;
  const int dy = brace.y() - top;
  return Statement(top, {{word,
                          {Text(x, dy, first), Text(x, dy + kLineSpacing, second)},
                          {Picture(brace.x(), dy, QStringLiteral("sym_brace"))}}});
}

AnswerLayout FractionAnswer(int x, int width, const QString& bar, int barX) {
  AnswerField numerator = Field(x, 20, width);
  AnswerField denominator = Field(x, 48, width);
  // A 16-wide panel's edit would be 11 wide, too narrow for two bold digits:
  // it starts 3 pixels further left.
  for (AnswerField* field : {&numerator, &denominator}) {
    if (field->edit.width() < 2 * 7) field->edit.adjust(-3, 0, 0, 0);
  }
  return Answer({Text(184, 28, QStringLiteral("Atsakymą parašykite")),
                 Text(184, 44, QStringLiteral("paprastąja trupmena:")), Text(barX, 32, bar)},
                {numerator, denominator}, kTallCheckButton);
}

}  // namespace rova
