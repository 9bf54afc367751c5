// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/ui/settings_messages.h"

#include <QLabel>

#include "controls/art_panel.h"
#include "controls/lb_speed_button.h"
#include "window/window_frame.h"

namespace rova {

TForm127* Form127 = nullptr;
TChoiceMissingWindow* ChoiceMissingWindow = nullptr;

namespace {

constexpr int kWidth = 275;
constexpr int kHeight = 107;

// Puts a one-line label in the middle of the panel's width.
void CentreLabel(QLabel* label, int y) {
  label->adjustSize();
  label->move((label->parentWidget()->width() - label->width()) / 2, y);
}

}  // namespace

SettingsMessageWindow::SettingsMessageWindow() : ProgramWindow(Kind::Message) {
  SetClientSize(kWidth, kHeight);
}

void SettingsMessageWindow::BuildContents() {
  ArtPanel1 = BuildSmallWindowFrame(this, kWidth, kHeight);
  Label1 = AddLabel(ArtPanel1, 12, 20, QString());
  Label2 = AddLabel(ArtPanel1, 12, 36, QString());
  LbSpeedButton2 = AddSpeedButton(ArtPanel1, QRect(90, 64, 95, 25), QStringLiteral("Gerai"));
  connect(LbSpeedButton2, &TLbSpeedButton::OnClick, this, &SettingsMessageWindow::LbSpeedButton2Click);
  SetAnswerButton(LbSpeedButton2);
  PlaceLines();
}

void SettingsMessageWindow::LbSpeedButton2Click() { Close(); }

void TForm127::PlaceLines() {
  Label1->setText(QStringLiteral("Temų įvedimo klaida: pirmoji tema turi būti mažesnė"));
  Label1->adjustSize();
  Label2->setText(QStringLiteral("už antrąją temą."));
  Label2->move(102, 36);
  Label2->adjustSize();
}

void TChoiceMissingWindow::PlaceLines() {
  Label2->setText(QStringLiteral("Pasirinkite ją sąraše ir patvirtinkite dar kartą."));
  CentreLabel(Label2, 36);
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
  EnsureContents();
  Label1->setText(MessageFor(problem));
  CentreLabel(Label1, 20);
  ShowModal();
}

}  // namespace rova
