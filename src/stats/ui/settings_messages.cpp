// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/ui/settings_messages.h"

namespace rova {

TForm127* Form127 = nullptr;
TChoiceMissingWindow* ChoiceMissingWindow = nullptr;

namespace {

MessageLayout TwoLines(const MessageLine& first, const MessageLine& second) {
  return {275, 107, {first, second}, {{2, QStringLiteral("Gerai"), QRect(90, 64, 95, 25)}}};
}

}  // namespace

TForm127::TForm127()
    : MessageWindow(TwoLines({QStringLiteral("Temų įvedimo klaida: pirmoji tema turi būti mažesnė"), 12, 20},
                             {QStringLiteral("už antrąją temą."), 102, 36})) {}

// The first line names the missing choice when the message is shown.
TChoiceMissingWindow::TChoiceMissingWindow()
    : MessageWindow(TwoLines({QString(), kCentredLine, 20},
                             {QStringLiteral("Pasirinkite ją sąraše ir patvirtinkite dar kartą."), kCentredLine, 36})) {
}

QString TChoiceMissingWindow::MessageFor(ChoiceProblem problem) {
  switch (problem) {
    case ChoiceProblem::NoFirstTopic:
      return QStringLiteral("Nustatymų klaida: nepasirinkta pirmoji tema.");
    case ChoiceProblem::NoLastTopic:
      return QStringLiteral("Nustatymų klaida: nepasirinkta paskutinė tema.");
    case ChoiceProblem::NoTopic:
      return QStringLiteral("Nustatymų klaida: nepasirinkta tema.");
    case ChoiceProblem::NoTask:
      return QStringLiteral("Nustatymų klaida: nepasirinkta užduotis.");
    case ChoiceProblem::None:
    case ChoiceProblem::RangeNotIncreasing:
      break;
  }
  return QString();
}

void TChoiceMissingWindow::ShowFor(ChoiceProblem problem) {
  SetLineText(0, MessageFor(problem));
  ShowModal();
}

}  // namespace rova
