// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/ui/settings_window.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "accounts/session_file.h"
#include "controls/check_radio.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_speed_button.h"
#include "controls/widget_text.h"
#include "stats/ui/report_window.h"
#include "stats/ui/settings_messages.h"
#include "course/task_catalogue.h"
#include "textio/program_error.h"
#include "window/error_box.h"
#include "window/radio_host.h"
#include "window/window_frame.h"
#include "window/window_look.h"
#include "window/window_registry.h"

namespace rova {

TForm126* Form126 = nullptr;

namespace {

constexpr int kWidth = 219;
constexpr int kHeight = 293;
constexpr TColor kSilver = FromRgb(192, 192, 192);
const QColor kDisabledText(128, 128, 128);

// Black text, grey while its group is disabled.
QLabel* AddGroupLabel(QWidget* parent, int x, int y, const QString& text) {
  QLabel* label = AddLabel(parent, x, y, text);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledText);
  label->setPalette(palette);
  return label;
}

// A drop-down list of the numbers 1 to `count` that shows "--" until one is
// chosen; only the position of the chosen item counts.
QComboBox* AddNumberList(QWidget* parent, int x, int y, int count) {
  auto* list = new ScaledTextComboBox(parent);
  list->setGeometry(x, y, 41, 21);
  list->setFont(SansFont());
  for (int n = 1; n <= count; ++n) list->addItem(QString::number(n));
  list->setPlaceholderText(QStringLiteral("--"));
  list->setCurrentIndex(-1);
  list->setMaxVisibleItems(8);
  QPalette palette = list->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Button, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::ButtonText, Qt::black);
  palette.setColor(QPalette::Disabled, QPalette::Button, Resolve(kPanelColor));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledText);
  palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
  list->setPalette(palette);
  return list;
}

// A group box enabled with a black frame and caption, or disabled with silver
// ones; its labels and lists follow it and keep their choices.
void SetGroupEnabled(TColoredGroupBox* box, bool enabled) {
  box->setEnabled(enabled);
  box->SetBorderColor(enabled ? kClBlack : kSilver);
  box->SetFontColor(enabled ? kClBlack : kSilver);
}

}  // namespace

// The controls are made when the window first appears, not at start-up.
TForm126::TForm126() = default;

void TForm126::BuildContents() {
  ArtPanel2 = BuildSmallWindowFrame(this, kWidth, kHeight);
  ColoredGroupBox2 = AddGroupBox(ArtPanel2, QRect(12, 8, 189, 273), QStringLiteral(" Nustatymai: "));
  ColoredGroupBox2->SetBorderColor(kClBlack);
  ColoredGroupBox2->SetFontColor(kClBlack);

  const auto radio = [this](int y) {
    auto* button = new TAMRadioButton(ColoredGroupBox2);
    button->setGeometry(8, y, 12, 12);
    button->SetHost(SharedRadioHost());
    return button;
  };
  Label2 = AddLabel(ColoredGroupBox2, 8, 24, QStringLiteral("Rūšiavimas:"));
  AMRadioButton2 = radio(40);
  Label3 = AddLabel(ColoredGroupBox2, 24, 39, QStringLiteral("Visos užduotys"));
  AMRadioButton1 = radio(56);
  Label1 = AddLabel(ColoredGroupBox2, 24, 55, QStringLiteral("Atskiros temos"));
  AMRadioButton3 = radio(72);
  Label4 = AddLabel(ColoredGroupBox2, 24, 71, QStringLiteral("Atskiros užduotys"));
  AMRadioButton2->SetChecked(true);
  for (QLabel* caption : {Label3, Label1, Label4}) caption->installEventFilter(this);

  ColoredGroupBox1 = AddGroupBox(ColoredGroupBox2, QRect(8, 88, 172, 65), QStringLiteral(" Atskiros temos "));
  Label5 = AddGroupLabel(ColoredGroupBox1, 8, 28, QStringLiteral("Nuo"));
  ComboBox1 = AddNumberList(ColoredGroupBox1, 32, 24, kTopicCount);
  Label6 = AddGroupLabel(ColoredGroupBox1, 72, 28, QStringLiteral(" iki"));
  ComboBox2 = AddNumberList(ColoredGroupBox1, 88, 24, kTopicCount);
  Label7 = AddGroupLabel(ColoredGroupBox1, 128, 28, QStringLiteral(" temos."));

  ColoredGroupBox3 = AddGroupBox(ColoredGroupBox2, QRect(8, 160, 172, 65), QStringLiteral(" Atskiros užduotys "));
  Label8 = AddGroupLabel(ColoredGroupBox3, 32, 16, QStringLiteral("Tema:"));
  ComboBox3 = AddNumberList(ColoredGroupBox3, 32, 32, kTopicCount);
  Label9 = AddGroupLabel(ColoredGroupBox3, 88, 16, QStringLiteral("Užduotis:"));
  ComboBox4 = AddNumberList(ColoredGroupBox3, 88, 32, kTasksPerTopic);
  SetGroupEnabled(ColoredGroupBox1, false);
  SetGroupEnabled(ColoredGroupBox3, false);
  // A screen reader names each choice and list by the label beside it; a
  // choice's focus mark goes round its label.
  for (auto [radio, label] : {std::pair(AMRadioButton2, Label3), std::pair(AMRadioButton1, Label1),
                               std::pair(AMRadioButton3, Label4)}) {
    NameByLabel(radio, label->text());
    radio->SetCaptionLabels({label});
  }
  NameByLabel(ComboBox1, Label5->text());
  NameByLabel(ComboBox2, Label6->text());
  NameByLabel(ComboBox3, Label8->text());
  NameByLabel(ComboBox4, Label9->text());

  LbSpeedButton3 = AddSpeedButton(ColoredGroupBox2, QRect(12, 235, 79, 25), QStringLiteral("Patvirtinti"));
  LbSpeedButton1 = AddSpeedButton(ColoredGroupBox2, QRect(96, 235, 79, 25), QStringLiteral("Grįžti"));

  connect(AMRadioButton2, &TAMRadioButton::OnClick, this, &TForm126::AMRadioButton2Click);
  connect(AMRadioButton1, &TAMRadioButton::OnClick, this, &TForm126::AMRadioButton1Click);
  connect(AMRadioButton3, &TAMRadioButton::OnClick, this, &TForm126::AMRadioButton3Click);
  connect(LbSpeedButton3, &TLbSpeedButton::OnClick, this, &TForm126::LbSpeedButton3Click);
  connect(LbSpeedButton1, &TLbSpeedButton::OnClick, this, &TForm126::LbSpeedButton1Click);
}

bool TForm126::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == Label3) AMRadioButton2->Click();
    if (watched == Label1) AMRadioButton1->Click();
    if (watched == Label4) AMRadioButton3->Click();
  }
  return ProgramWindow::eventFilter(watched, event);
}

// The window has no "X": Escape goes back as "Grįžti" does.
void TForm126::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    LbSpeedButton1->Click();
    return;
  }
  ProgramWindow::keyPressEvent(event);
}

void TForm126::AMRadioButton2Click() {
  SetGroupEnabled(ColoredGroupBox1, false);
  SetGroupEnabled(ColoredGroupBox3, false);
}

void TForm126::AMRadioButton1Click() {
  SetGroupEnabled(ColoredGroupBox1, true);
  SetGroupEnabled(ColoredGroupBox3, false);
}

void TForm126::AMRadioButton3Click() {
  SetGroupEnabled(ColoredGroupBox3, true);
  SetGroupEnabled(ColoredGroupBox1, false);
}

StatisticsSettings TForm126::Choice() const {
  if (AMRadioButton2->Checked()) return StoredChoice(StatisticsMode::AllTasks, 0, 0);
  if (AMRadioButton1->Checked())
    return StoredChoice(StatisticsMode::TopicRange, ComboBox1->currentIndex(), ComboBox2->currentIndex());
  return StoredChoice(StatisticsMode::SingleTask, ComboBox3->currentIndex(), ComboBox4->currentIndex());
}

void TForm126::LbSpeedButton3Click() {
  const std::optional<bool> stored = RunShowingErrors(this, [this] {
    const QString userName = ReadSessionUser();
    const StatisticsSettings choice = Choice();
    const ChoiceProblem problem = CheckChoice(choice);
    if (problem == ChoiceProblem::RangeNotIncreasing) {
      Form127->ShowModal();
      return false;
    }
    if (problem != ChoiceProblem::None) {
      ChoiceMissingWindow->ShowFor(problem);
      return false;
    }
    WriteSettings(userName, choice);
    return true;
  });
  if (!stored.value_or(false)) return;
  Close();
  Form117->Recompute();
}

void TForm126::LbSpeedButton1Click() { Close(); }

}  // namespace rova
