// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_window.h"

#include <QLabel>

#include "controls/art_panel.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "window/window_frame.h"
#include "window/window_look.h"

namespace rova {

TForm118* Form118 = nullptr;

namespace {

constexpr int kWidth = 348;
constexpr int kHeight = 203;

}  // namespace

// The controls are made when the window first appears, not at start-up.
TForm118::TForm118() = default;

void TForm118::BuildContents() {
  setWindowTitle(QStringLiteral("ROVA 2004 - Apie programą"));
  SetClientSize(kWidth, kHeight);
  SetWindowColor(this, kFrameColor);
  const TitleBar bar = AddTitleBar(this, kWidth, QStringLiteral("ROVA 2004 - Apie programą"));
  ArtPanel1 = bar.panel;
  LbButton1 = bar.closeButton;
  ArtPanel2 = AddPanel(this, QRect(2, 24, 343, 177), kPanelColor);

  Label1 = AddLabel(ArtPanel2, 10, 24, QStringLiteral("Programą sukūrė ROVA 2004 autorių grupė"),
                    SansFont(11, true));
  Label2 = AddLabel(ArtPanel2, 10, 40, QStringLiteral("Versija: v1.42"));
  Label3 = AddLabel(ArtPanel2, 10, 56, QStringLiteral("Versijos data: 2003.09.01"));
  Label4 = AddLabel(ArtPanel2, 10, 80, QStringLiteral("Uždaviniai ir formulės parengti pagal pagrindinės"));
  Label5 = AddLabel(ArtPanel2, 10, 96, QStringLiteral("mokyklos matematikos vadovėlius ir uždavinynus."));
  LbSpeedButton1 = AddSpeedButton(ArtPanel2, QRect(114, 144, 109, 25), QStringLiteral("Grįžti"));

  connect(LbSpeedButton1, &TLbSpeedButton::OnClick, this, &TForm118::LbSpeedButton5Click);
  SetAnswerButton(LbSpeedButton1);
  connect(LbButton1, &TLbButton::OnClick, this, &TForm118::LbButton1Click);
}

void TForm118::LbSpeedButton5Click() { Close(); }

// Closes the page only: leaving it is not leaving the program.
void TForm118::LbButton1Click() { Close(); }

}  // namespace rova
