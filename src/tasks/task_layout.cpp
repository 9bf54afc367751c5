// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/task_layout.h"

#include <QtGlobal>

#include "tasks/topics/topic_layouts.h"

namespace rova {

namespace {

constexpr int kInfinityStep = 5;

constexpr int kRaisedMark = -3;
constexpr int kLoweredMark = 6;

}  // namespace

TextPiece Text(int x, int y, const QString& text) { return {x, y, text, PieceFace::Sans}; }
TextPiece Bold(int x, int y, const QString& text) { return {x, y, text, PieceFace::SansBold}; }
TextPiece Mark(int x, int y, const QString& text) { return {x, y, text, PieceFace::Mark}; }
TextPiece Large(int x, int y, const QString& text) { return {x, y, text, PieceFace::Large}; }

QList<TextPiece> Infinity(int x, int y) {
  return {Text(x, y, QStringLiteral("o")), Text(x + kInfinityStep, y, QStringLiteral("o"))};
}

PicturePiece Picture(int x, int y, const QString& name) { return {x, y, name}; }

TextPiece Raised(int x, const QString& text) { return Mark(x, kRaisedMark, text); }
TextPiece Lowered(int x, const QString& text) { return Mark(x, kLoweredMark, text); }

StatementLayout Statement(int top, const QList<StatementLine>& lines) {
  // Every line's text first, then the pieces line by line, so that a piece
  // lies over the text it marks.
  StatementLayout statement;
  int y = top;
  for (const StatementLine& line : lines) {
    if (!line.text.isEmpty()) statement.pieces.texts.append(Text(kStatementLeft, y, line.text));
    y += kLineSpacing;
  }
  y = top;
  for (const StatementLine& line : lines) {
    for (TextPiece piece : line.pieces) {
      piece.y += y;
      statement.pieces.texts.append(piece);
    }
    for (PicturePiece picture : line.pictures) {
      picture.y += y;
      statement.pieces.pictures.append(picture);
    }
    y += kLineSpacing;
  }
  return statement;
}

StatementLayout NarrowStatement(int top, const QList<StatementLine>& lines) {
  StatementLayout statement = Statement(top, lines);
  statement.groupWidth = kNarrowStatementGroupWidth;
  return statement;
}

AnswerField Field(int x, int y, int width, int height) {
  return {QRect(x, y, width, height), QRect(4, 4, width - 5, height - 6)};
}

AnswerField ExponentField(int x, int y) { return {QRect(x, y, 12, 15), QRect(2, 1, 9, 12)}; }

AnswerLayout StandardField(const QString& unit) { return StandardField(unit, {}); }

AnswerLayout StandardField(const QString& unit, const QList<TextPiece>& extra) {
  QList<TextPiece> labels{Text(264, 21, QStringLiteral("Atsakymas:"))};
  if (!unit.isEmpty()) labels.append(Text(384, 21, unit));
  return Answer(labels + extra, {Field(327, 17)});
}

AnswerLayout Answer(const QList<TextPiece>& labels, const QList<AnswerField>& fields, QRect checkButton,
                    const QList<PicturePiece>& pictures) {
  AnswerLayout answer;
  answer.pieces.texts = labels;
  answer.pieces.pictures = pictures;
  answer.fields = fields;
  answer.checkButton = checkButton;
  return answer;
}

AnswerLayout Choices(const QList<ChoiceButton>& buttons, const QList<TextPiece>& labels,
                     const QList<PicturePiece>& pictures, QRect checkButton) {
  AnswerLayout answer = Answer(labels, {}, checkButton, pictures);
  answer.choices = buttons;
  return answer;
}

QList<TextPiece> Join(std::initializer_list<QList<TextPiece>> parts) {
  QList<TextPiece> all;
  for (const QList<TextPiece>& part : parts) all += part;
  return all;
}

const TaskLayout& LayoutOf(TaskId id) {
  using TopicFunction = const TopicLayout& (*)();
  static constexpr TopicFunction kTopics[kTopicCount] = {
      Topic1Layout,  Topic2Layout,  Topic3Layout,  Topic4Layout,  Topic5Layout,  Topic6Layout,
      Topic7Layout,  Topic8Layout,  Topic9Layout,  Topic10Layout, Topic11Layout, Topic12Layout,
      Topic13Layout, Topic14Layout, Topic15Layout, Topic16Layout, Topic17Layout, Topic18Layout,
  };
  if (id.topic < 1 || id.topic > kTopicCount || id.task < 1 || id.task > kTasksPerTopic) {
    qFatal("LayoutOf: there is no task %d-%d", id.topic, id.task);
  }
  return kTopics[id.topic - 1]()[id.task - 1];
}

}  // namespace rova
