// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/ui/report_window.h"

#include <QLabel>
#include <optional>

#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "stats/statistics_report.h"
#include "stats/ui/settings_window.h"
#include "textio/program_error.h"
#include "window/error_box.h"
#include "window/window_frame.h"
#include "window/window_look.h"

namespace rova {

TForm117* Form117 = nullptr;

namespace {

constexpr int kWidth = 211;
constexpr int kHeight = 307;

QLabel* AddBoldLabel(QWidget* parent, int x, int y, const QString& text) {
  return AddLabel(parent, x, y, text, SansFont(11, true));
}

void SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

}  // namespace

// The controls are made when the window first appears, not at start-up.
TForm117::TForm117() = default;

void TForm117::BuildContents() {
  SetClientSize(kWidth, kHeight);
  SetWindowColor(this, kFrameColor);

  ArtPanel1 = AddPanel(this, QRect(2, 2, 207, kTitleBarHeight), kFrameColor);
  ArtPanel1->setFont(SansFont(11, true));
  ArtPanel1->SetFontColor(kClBlack);
  // The trailing blanks move the centred title left of the "X".
  ArtPanel1->SetCaption(QStringLiteral("ROVA 2004 - Statistika") + QString(13, QLatin1Char(' ')));
  LbButton1 = AddTitleBarButton(ArtPanel1, 188, QStringLiteral("X"));
  SetCloseButton(LbButton1);

  ArtPanel2 = AddPanel(this, QRect(2, 24, 207, 281), kPanelColor);
  ColoredGroupBox2 = AddGroupBox(ArtPanel2, QRect(12, 8, 181, 257), QStringLiteral(" Statistika: "));
  ColoredGroupBox2->SetBorderColor(kClBlack);
  ColoredGroupBox2->SetFontColor(kClBlack);
  Label17 = AddBoldLabel(ColoredGroupBox2, 8, 32, QStringLiteral("Vartotojas:"));
  Label1 = AddBoldLabel(ColoredGroupBox2, 8, 48, QStringLiteral("_vartotojas_"));
  Label2 = AddLabel(ColoredGroupBox2, 8, 80, QStringLiteral("Rūšiavimas:"));
  Label3 = AddLabel(ColoredGroupBox2, 8, 96, QStringLiteral("pagal visas užduotis."));
  Label4 = AddLabel(ColoredGroupBox2, 8, 128, QStringLiteral("Duomenys:"));
  Label5 = AddLabel(ColoredGroupBox2, 8, 144, QStringLiteral("Teisingų atsakymų - teis_ ."));
  Label6 = AddLabel(ColoredGroupBox2, 8, 160, QStringLiteral("Neteisingų atsakymų - viso_ - teis_."));
  Label7 = AddLabel(ColoredGroupBox2, 8, 176, QStringLiteral("Iš viso spręsta viso_ uždavinių."));
  LbSpeedButton3 = AddSpeedButton(ColoredGroupBox2, QRect(10, 216, 79, 25), QStringLiteral("Nustatymai..."));
  LbSpeedButton1 = AddSpeedButton(ColoredGroupBox2, QRect(92, 216, 79, 25), QStringLiteral("Grįžti"));

  connect(LbButton1, &TLbButton::OnClick, this, &TForm117::LbButton1Click);
  connect(LbSpeedButton3, &TLbSpeedButton::OnClick, this, &TForm117::LbSpeedButton3Click);
  connect(LbSpeedButton1, &TLbSpeedButton::OnClick, this, &TForm117::LbSpeedButton5Click);
}

void TForm117::FormActivate() { Recompute(); }

void TForm117::Recompute() {
  const auto showName = [this](const QString& name) { SetLabelText(Label1, name); };
  const std::optional<std::optional<ReportTexts>> texts =
      RunShowingErrors(this, [&] { return ComputeReport(showName); });
  // Failed, or a mode the program does not know: only the name has changed.
  if (!texts || !*texts) return;
  const ReportTexts& report = **texts;
  SetLabelText(Label5, report.correct);
  SetLabelText(Label6, report.incorrect);
  SetLabelText(Label7, report.checks);
  SetLabelText(Label3, report.description);
}

void TForm117::LbSpeedButton3Click() { Form126->ShowModal(); }

void TForm117::LbSpeedButton5Click() { Close(); }

void TForm117::LbButton1Click() { Close(); }

}  // namespace rova
