// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <initializer_list>

#include "course/task_catalogue.h"
#include "window/text_pieces.h"

namespace rova {

// What a task window shows besides the frame every task window shares. The
// window builder turns these values into widgets and nothing else; the check
// reads the catalogue row, never a layout. All positions are pixels relative
// to the group they stand in: the statement group for a statement, the answer
// group for an answer area.
//
// Taken from elsewhere, so that one list drives each thing once:
// - the maximum length of each answer field comes from the task's catalogue
//   row (the fields in the row's order);
// - a picture's size is the picture list's (src/pictures/picture_list.cpp);
// - "Buvęs uždavinys" stands in tasks 2 to 5, "Sekantis uždavinys" in tasks
//   1 to 4, and the statement group's caption is " Užduotis nr. k ".

inline constexpr int kStatementGroupWidth = 321;
inline constexpr int kNarrowStatementGroupWidth = 313;  // beside a fraction's tall check button
inline constexpr int kStatementLeft = 8;
inline constexpr int kLineSpacing = 16;

// The statement: its lines (black 11-pixel text, one label per line), the
// marks and formula pieces laid over the blanks the lines leave, and the
// symbol pictures (sym_element_of, sym_brace, sym_pi, sym_triangle,
// sym_similar) placed in such blanks.
struct StatementLayout {
  int groupWidth = kStatementGroupWidth;
  PieceBlock pieces;
};

// One line of a statement and what stands over the blanks it leaves: its
// marks, fraction parts and symbol pictures, each at its x in the group and
// its y from the line's top. They go wherever the line goes, so a line added
// or taken out above moves them with it. A line of formula pieces alone has
// no text.
struct StatementLine {
  StatementLine(const QString& text, const QList<TextPiece>& pieces = {}, const QList<PicturePiece>& pictures = {})
      : text(text), pieces(pieces), pictures(pictures) {}

  QString text;
  QList<TextPiece> pieces;
  QList<PicturePiece> pictures;
};

// One answer field: a white bevelled panel holding a borderless edit with
// bold black text.
struct AnswerField {
  QRect panel;
  QRect edit;  // inside the panel
};

// One radio button of a Choice task, 12 x 12, named as the check names it.
// Its option (labels, the ∈ picture, the "o"s of ∞) is in the answer area's
// pieces, placed in the answer group like every other label.
struct ChoiceButton {
  QString name;  // "AMRadioButton2"
  QPoint at;
};

inline constexpr QRect kStandardCheckButton{266, 46, 111, 25};
inline constexpr QRect kLowCheckButton{266, 48, 111, 25};
inline constexpr QRect kTallCheckButton{354, 20, 111, 49};    // beside a fraction
inline constexpr QRect kWideTallCheckButton{378, 21, 111, 46};

// The answer group's contents apart from "Buvęs uždavinys" and "Sekantis
// uždavinys".
struct AnswerLayout {
  PieceBlock pieces;             // hints, units, fraction bars, "*", marks, option labels
  QList<AnswerField> fields;     // in the order the check reads them (the numerator first)
  QList<ChoiceButton> choices;   // left to right as they stand
  QRect checkButton = kStandardCheckButton;
};

struct TaskLayout {
  StatementLayout statement;
  AnswerLayout answer;
  // The task's own pictures ("fig_1_1"; the four of task 9-3 are "fig_9_3a"
  // to "fig_9_3d") at their places in the statement group, under its lines.
  // Its initializer lets a task without figures leave it out unwarned.
  QList<PicturePiece> figures = {};
};

using TopicLayout = std::array<TaskLayout, kTasksPerTopic>;

// The layout of one task; a task that does not exist stops the program, as in
// CatalogueRow.
const TaskLayout& LayoutOf(TaskId id);

// ---- Helpers the topic files write their tasks with ----------------------

// A label of the 11-pixel face, a bold one, a small serif mark (exponent,
// index, degree "o", the cube root's "3"), a 16-pixel parenthesis.
TextPiece Text(int x, int y, const QString& text);
TextPiece Bold(int x, int y, const QString& text);
TextPiece Mark(int x, int y, const QString& text);
TextPiece Large(int x, int y, const QString& text);
// The ∞ sign: two "o" labels 5 pixels apart with the left one at x.
QList<TextPiece> Infinity(int x, int y);
PicturePiece Picture(int x, int y, const QString& name);

// An exponent or an index over the gap a line leaves at `x`: the small serif
// mark 3 pixels above the line's top, or 6 below it.
TextPiece Raised(int x, const QString& text);
TextPiece Lowered(int x, const QString& text);

// Statement lines at the statement's left edge, the first at `top`, each
// next one a line height below, with their pieces.
StatementLayout Statement(int top, const QList<StatementLine>& lines);
// The same in the narrow statement group.
StatementLayout NarrowStatement(int top, const QList<StatementLine>& lines);

// A field panel with its edit at 4, 4, 5 pixels narrower and 6 less tall.
AnswerField Field(int x, int y, int width = 50, int height = 21);
// The small exponent field: a 12 x 15 panel with its 9 x 12 edit at 2, 1.
AnswerField ExponentField(int x, int y);

// "Atsakymas:" at 264, 21 and the field panel 50 x 21 at 327, 17, and a unit
// label at 384, 21 when `unit` is given ("cm.", "Lt.").
AnswerLayout StandardField(const QString& unit = {});
// StandardField with extra pieces (a unit's raised "2", a degree "o").
AnswerLayout StandardField(const QString& unit, const QList<TextPiece>& extra);

// Any other answer area, spelt out.
AnswerLayout Answer(const QList<TextPiece>& labels, const QList<AnswerField>& fields,
                    QRect checkButton = kStandardCheckButton, const QList<PicturePiece>& pictures = {});
// A Choice area: "Atsakymo variantai:" (or another heading) and its options.
AnswerLayout Choices(const QList<ChoiceButton>& buttons, const QList<TextPiece>& labels,
                     const QList<PicturePiece>& pictures = {}, QRect checkButton = kStandardCheckButton);

// A whole list built from several parts ({a, b} + Infinity(...)).
QList<TextPiece> Join(std::initializer_list<QList<TextPiece>> parts);

}  // namespace rova
