// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/quadrilaterals_window.h"

#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "window/text_pieces.h"
#include "window/window_frame.h"
#include "window/window_look.h"

namespace rova {

TForm116* Form116 = nullptr;

namespace {

constexpr int kWidth = 478;
constexpr int kHeight = 453;

}  // namespace

TForm116::TForm116() = default;

void TForm116::BuildContents() {
  SetClientSize(kWidth, kHeight);
  SetWindowColor(this, kPanelColor);
  const TitleBar bar =
      AddTitleBar(this, kWidth, QStringLiteral("ROVA 2004 - Žinynas - Keturkampiai - Keturkampių skirstymas"));
  ArtPanel1 = bar.panel;
  LbButton1 = bar.closeButton;
  ArtPanel2 = AddPanel(this, QRect(2, 26, 473, 425), kPanelColor);
  ColoredGroupBox1 = AddGroupBox(ArtPanel2, QRect(16, 7, 449, 362), QStringLiteral(" Keturkampių skirstymas"));
  const PieceBlock classification{{}, {{4, 25, QStringLiteral("hb_quadrilaterals")}}};
  Image1 = PlacePieces(ColoredGroupBox1, classification).pictures.first();
  LbSpeedButton5 = AddSpeedButton(ArtPanel2, QRect(186, 384, 109, 25), QStringLiteral("Uždaryti"));
  connect(LbSpeedButton5, &TLbSpeedButton::OnClick, this, &TForm116::LbSpeedButton5Click);
  connect(LbButton1, &TLbButton::OnClick, this, &TForm116::LbButton1Click);
}

void TForm116::LbSpeedButton5Click() { Close(); }

// The sub-page's "X" only closes it: back to the page of topic 15.
void TForm116::LbButton1Click() { Close(); }

}  // namespace rova
