#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

namespace {

AnswerLayout PlaceholderAnswer(const TaskRow& row) {
  switch (row.kind) {
    case CheckKind::SingleText:
      return StandardField();
    case CheckKind::TextPair:
      return Answer({Text(232, 21, QStringLiteral("Atsakymas:"))}, {Field(295, 17, 26), Field(359, 17, 26)});
    case CheckKind::Fraction:
      return FractionAnswer(314, 16, QStringLiteral("___"), 313);
    case CheckKind::Choice: {
      const int count = qMax(3, row.rightRadio.right(1).toInt());
      QList<ChoiceButton> buttons;
      QList<TextPiece> labels{Text(272, 13, QStringLiteral("Atsakymo variantai:"))};
      for (int i = 1; i <= count; ++i) {
        const int x = 146 + (i - 1) * 128;
        buttons.append({QStringLiteral("AMRadioButton%1").arg(i), QPoint(x, 32)});
        labels.append(Text(x + 15, 30, QString::number(i)));
      }
      return Choices(buttons, labels);
    }
  }
  return StandardField();
}

}  // namespace

TopicLayout PlaceholderTopic(int topic) {
  TopicLayout layouts;
  for (int task = 1; task <= kTasksPerTopic; ++task) {
    const TaskRow& row = CatalogueRow({topic, task});
    TaskLayout& layout = layouts[task - 1];
    layout.answer = PlaceholderAnswer(row);
    if (row.kind == CheckKind::Fraction) layout.statement.groupWidth = kNarrowStatementGroupWidth;
  }
  return layouts;
}

}  // namespace rova
