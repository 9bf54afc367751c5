// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/ui/verdict_window.h"

#include <QAccessible>
#include <QLabel>

#include "controls/art_panel.h"
#include "controls/lb_speed_button.h"
#include "window/window_frame.h"

namespace rova {

TVerdictForm* Form6 = nullptr;
TVerdictForm* Form7 = nullptr;

namespace {

constexpr int kWidth = 291;
constexpr int kHeight = 115;
// The sans face offers only its 11-pixel strike at every size, so the large
// verdict line is drawn in Tahoma at the label's 19 pixels.
constexpr int kVerdictPixelSize = 19;

}  // namespace

TVerdictForm::TVerdictForm(const QString& verdict) : ProgramWindow(Kind::Message), verdict_(verdict) {
  SetClientSize(kWidth, kHeight);
}

void TVerdictForm::BuildContents() {
  ArtPanel1 = BuildSmallWindowFrame(this, kWidth, kHeight);
  Label1 = AddLabel(ArtPanel1, 1, 24, verdict_, TahomaFont(kVerdictPixelSize, false));
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setGeometry(1, 24, 284, 25);
  Label1->setAccessibleName(verdict_.trimmed());
  LbSpeedButton1 = AddSpeedButton(ArtPanel1, QRect(82, 64, 119, 25), QStringLiteral("Grįžti"));
  connect(LbSpeedButton1, &TLbSpeedButton::OnClick, this, &TVerdictForm::LbSpeedButton1Click);
  SetAnswerButton(LbSpeedButton1);
}

void TVerdictForm::LbSpeedButton1Click() { Close(); }

void TVerdictForm::FormActivate() {
  QAccessibleEvent alert(Label1, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace rova
