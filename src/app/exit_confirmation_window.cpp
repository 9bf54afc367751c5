// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exit_confirmation_window.h"

#include "app/main_window.h"
#include "window/window_frame.h"
#include "window/window_registry.h"
#include "controls/art_panel.h"
#include "controls/lb_speed_button.h"

namespace rova {

TForm4* Form4 = nullptr;

TForm4::TForm4() : ProgramWindow(Kind::Message) {
  SetClientSize(275, 107);
}

void TForm4::BuildContents() {
  ArtPanel1 = BuildSmallWindowFrame(this, 275, 107);
  Label1 = AddLabel(ArtPanel1, 10, 24, QStringLiteral("Ar norite uždaryti programą, ar grįžti į ankstesnį langą?"));
  LbSpeedButton1 = AddSpeedButton(ArtPanel1, QRect(14, 56, 119, 25), QStringLiteral("Grįžti į ankstesnį langą"));
  LbSpeedButton2 = AddSpeedButton(ArtPanel1, QRect(138, 56, 119, 25), QStringLiteral("Išeiti iš programos"));
  connect(LbSpeedButton1, &TLbSpeedButton::OnClick, this, &TForm4::LbSpeedButton1Click);
  connect(LbSpeedButton2, &TLbSpeedButton::OnClick, this, &TForm4::LbSpeedButton2Click);
}

void TForm4::LbSpeedButton1Click() { Close(); }

void TForm4::LbSpeedButton2Click() {
  Close();
  Form2->Close();
}

}  // namespace rova
