// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/ui/verdict_window.h"

#include "controls/program_fonts.h"

namespace rova {

TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TDecimalCommaNotice* DecimalCommaNotice = nullptr;

namespace {

MessageLayout VerdictLayout(const QString& verdict) {
  MessageLayout layout{
      291, 115, {{verdict, 1, 24, QSize(284, 25)}}, {{1, QStringLiteral("Grįžti"), QRect(82, 64, 119, 25)}}};
  // The sans face offers only its 11-pixel strike at every size, so the large
  // verdict line is drawn in Tahoma at the label's 19 pixels.
  layout.font = [] { return TahomaFont(19, false); };
  layout.announce = true;
  return layout;
}

QString CorrectionLine(const QString& number) {
  return QStringLiteral("parašykite %1 ir patikrinkite dar kartą.").arg(number);
}

MessageLayout DecimalCommaLayout() {
  MessageLayout layout{291,
                       115,
                       {{QStringLiteral("Dešimtainės trupmenos rašomos su kableliu:"), kCentredLine, 12},
                        {CorrectionLine(QStringLiteral("2,9")), kCentredLine, 28},
                        {QStringLiteral("Šis patikrinimas statistikoje neskaičiuojamas."), kCentredLine, 48}},
                       {{1, QStringLiteral("Grįžti"), QRect(82, 76, 119, 25)}}};
  layout.announce = true;
  return layout;
}

}  // namespace

TForm6::TForm6() : MessageWindow(VerdictLayout(kRightVerdict)) {}

TForm7::TForm7() : MessageWindow(VerdictLayout(kWrongVerdict)) {}

TDecimalCommaNotice::TDecimalCommaNotice() : MessageWindow(DecimalCommaLayout()) {}

void TDecimalCommaNotice::ShowFor(const QString& number) {
  SetLineText(1, CorrectionLine(number));
  ShowModal();
}

}  // namespace rova
