// SPDX-License-Identifier: GPL-3.0-or-later
#include "course/task_catalogue.h"

#include <QtGlobal>

namespace rova {

namespace {

constexpr int kStandardMaxLength = 6;

struct AnswerData {
  TaskId id;
  CheckKind kind;
  const char* expected1 = nullptr;
  const char* expected2 = nullptr;
  const char* alsoRight = nullptr;
  long double fraction = 0.0L;
  const char* radio = nullptr;
  int maxLength1 = 0;
  int maxLength2 = 0;
};

constexpr AnswerData Text(int topic, int task, const char* expected,
                          int maxLength = kStandardMaxLength) {
  return {{topic, task}, CheckKind::SingleText, expected, nullptr, nullptr, 0.0L, nullptr, maxLength, 0};
}

// A SingleText task whose answer may also be written `alsoRight`.
constexpr AnswerData TextOr(int topic, int task, const char* expected, const char* alsoRight) {
  return {{topic, task}, CheckKind::SingleText, expected, nullptr, alsoRight, 0.0L, nullptr, kStandardMaxLength, 0};
}

constexpr AnswerData Pair(int topic, int task, const char* first, const char* second,
                          int maxLength1 = kStandardMaxLength, int maxLength2 = kStandardMaxLength) {
  return {{topic, task}, CheckKind::TextPair, first, second, nullptr, 0.0L, nullptr, maxLength1, maxLength2};
}

constexpr AnswerData Frac(int topic, int task, long double value, int numeratorMax,
                          int denominatorMax) {
  return {{topic, task}, CheckKind::Fraction, nullptr, nullptr, nullptr, value, nullptr, numeratorMax,
          denominatorMax};
}

constexpr AnswerData Pick(int topic, int task, const char* radio) {
  return {{topic, task}, CheckKind::Choice, nullptr, nullptr, nullptr, 0.0L, radio, 0, 0};
}

// The right answer of every task, topic by topic.
constexpr AnswerData kAnswers[] = {
    Frac(1, 1, 0.25L, 1, 2), Text(1, 2, "30"), Text(1, 3, "108"), Text(1, 4, "18"),
    Text(1, 5, "12"),
    Pair(2, 1, "5", "20"), Text(2, 2, "16777216", 8), Text(2, 3, "8"), Text(2, 4, "11200"),
    Text(2, 5, "15"),
    Pair(3, 1, "3", "4", 1, 2), Text(3, 2, "29"), Pair(3, 3, "3", "8", 2, 1), Text(3, 4, "105"),
    Text(3, 5, "2,9", 3),
    Frac(4, 1, 0.36L, 2, 3), Text(4, 2, "1545"), Text(4, 3, "256"), Text(4, 4, "172,8"),
    Text(4, 5, "88200"),
    Text(5, 1, "0,44"), Text(5, 2, "0,01"), Text(5, 3, "22"), Text(5, 4, "46"), Text(5, 5, "6"),
    Text(6, 1, "2x"), Pair(6, 2, "2a", "3", 2, 1), Text(6, 3, "2"), Text(6, 4, "9"),
    Text(6, 5, "2"),
    Text(7, 1, "-4"), Text(7, 2, "3"), Text(7, 3, "2"), Text(7, 4, "5"), Text(7, 5, "108"),
    Text(8, 1, "4950"), Text(8, 2, "192"), Text(8, 3, "1994"), Text(8, 4, "903"),
    Text(8, 5, "-3"),
    Pick(9, 1, "AMRadioButton2"), Pick(9, 2, "AMRadioButton1"), Pick(9, 3, "AMRadioButton4"),
    Pick(9, 4, "AMRadioButton3"), Text(9, 5, "4"),
    Text(10, 1, "2", 3),
    // 10-2: g(1) = -4, so the line through A(1; 4) cannot be the graph of
    // g(x) = -4x: "Negali" is the right choice.
    Pick(10, 2, "AMRadioButton3"), Pick(10, 3, "AMRadioButton2"),
    Pick(10, 4, "AMRadioButton1"), Pick(10, 5, "AMRadioButton1"),
    Pair(11, 1, "3", "-1"), Pair(11, 2, "1", "2"), Pair(11, 3, "5", "-2"), Pair(11, 4, "2", "18"),
    Text(11, 5, "16"),
    Text(12, 1, "-2"), Pick(12, 2, "AMRadioButton1"), Pick(12, 3, "AMRadioButton3"),
    Pick(12, 4, "AMRadioButton2"), Pick(12, 5, "AMRadioButton3"),
    Text(13, 1, "40"), Text(13, 2, "112"), Pick(13, 3, "AMRadioButton1"), Text(13, 4, "76"),
    Text(13, 5, "75"),
    Text(14, 1, "50"), Text(14, 2, "20"), Text(14, 3, "116"), Text(14, 4, "2,8"),
    // 14-5: 55 · tg 20° = 20,02 m, asked to 0,1 m: "20,0", or "20" without
    // the closing zero.
    TextOr(14, 5, "20", "20,0"),
    Text(15, 1, "24"), Text(15, 2, "32"), Text(15, 3, "1"), Text(15, 4, "400"),
    Text(15, 5, "50"),
    Text(16, 1, "302"), Text(16, 2, "60"), Text(16, 3, "60"), Text(16, 4, "10"),
    Text(16, 5, "40"),
    Text(17, 1, "2"), Text(17, 2, "19"), Pick(17, 3, "AMRadioButton2"),
    Pick(17, 4, "AMRadioButton1"), Pick(17, 5, "AMRadioButton2"),
    Text(18, 1, "3"), Text(18, 2, "40"), Text(18, 3, "120"), Pick(18, 4, "AMRadioButton2"),
    Frac(18, 5, 0.5L, 1, 2),
};
static_assert(std::size(kAnswers) == kTaskCount);

struct TopicData {
  const char* title;
  int trailingBlanks;
};

constexpr TopicData kTopics[] = {
    {"Skaičiai. Skaičių dalumas", 97},
    {"Veiksmai su skaičiais", 103},
    {"Laipsnis. Šaknis", 110},
    {"Procentai", 119},
    {"Skaičių apvalinimas. Paklaidos", 89},
    {"Algebriniai reiškiniai", 104},
    {"Lygtys", 124},
    {"Sekos. Progresijos", 107},
    {"Funkcija", 121},
    {"Funkcijų grafikai", 109},
    {"Lygčių sistemos", 111},
    {"Nelygybės. Nelygybių sistemos", 90},
    {"Tiesės. Kampai", 111},
    {"Trikampiai", 118},
    {"Keturkampiai", 115},
    {"Apskritimas. Skritulys", 103},
    {"Lygumas", 121},
    {"Panašumas", 117},
};
static_assert(std::size(kTopics) == kTopicCount);

// Topic 1's windows leave numbers 6 and 7 to the two verdict windows.
int WindowNumberFor(TaskId id) {
  if (id.topic == 1) return id.task == 1 ? 5 : id.task + 6;
  return 5 * id.topic + id.task + 1;
}

TaskRow BuildRow(const AnswerData& answer) {
  TaskRow row;
  row.id = answer.id;
  row.windowNumber = WindowNumberFor(answer.id);
  row.resultFileSuffix = QStringLiteral("_%1-%2.dat").arg(answer.id.topic).arg(answer.id.task);
  row.kind = answer.kind;
  if (answer.expected1) row.expected.append(QString::fromUtf8(answer.expected1));
  if (answer.expected2) row.expected.append(QString::fromUtf8(answer.expected2));
  if (answer.alsoRight) row.alsoRight.append(QString::fromUtf8(answer.alsoRight));
  row.fractionValue = answer.fraction;
  if (answer.radio) row.rightRadio = QString::fromLatin1(answer.radio);
  if (answer.maxLength1 > 0) row.fieldMaxLength.append(answer.maxLength1);
  if (answer.maxLength2 > 0) row.fieldMaxLength.append(answer.maxLength2);
  return row;
}

std::vector<TaskRow> BuildCatalogue() {
  std::vector<TaskRow> rows;
  rows.reserve(kTaskCount);
  for (const AnswerData& answer : kAnswers) rows.push_back(BuildRow(answer));
  return rows;
}

}  // namespace

const std::vector<TaskRow>& TaskCatalogue() {
  static const std::vector<TaskRow> rows = BuildCatalogue();
  return rows;
}

const TaskRow& CatalogueRow(TaskId id) {
  if (id.topic < 1 || id.topic > kTopicCount || id.task < 1 || id.task > kTasksPerTopic) {
    qFatal("CatalogueRow: there is no task %d-%d", id.topic, id.task);
  }
  return TaskCatalogue()[(id.topic - 1) * kTasksPerTopic + (id.task - 1)];
}

const std::vector<TopicInfo>& Topics() {
  static const std::vector<TopicInfo> topics = [] {
    std::vector<TopicInfo> list;
    for (int i = 0; i < kTopicCount; ++i) {
      list.push_back({i + 1, QString::fromUtf8(kTopics[i].title), kTopics[i].trailingBlanks});
    }
    return list;
  }();
  return topics;
}

QString TopicMenuText(int topic) {
  return QStringLiteral("%1. %2").arg(topic).arg(Topics().at(topic - 1).title);
}

QString TaskWindowTitle(int topic) {
  const TopicInfo& info = Topics().at(topic - 1);
  return QStringLiteral("ROVA 2004 - Testai - ") + info.title +
         QString(info.trailingBlanks, QLatin1Char(' '));
}

}  // namespace rova
