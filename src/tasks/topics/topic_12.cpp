// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

namespace {

// An option of 12-4: "x", the ∈ picture and an interval, with the "o"s of
// ∞ at `infinities` within the interval label.
Option IntervalOption(const QString& name, int x, const QString& interval, const QList<int>& infinities) {
  constexpr int kIntervalLeft = 35;
  QList<TextPiece> pieces{Text(15, -2, QStringLiteral("x")), Text(kIntervalLeft, -2, interval)};
  for (int at : infinities) pieces += Infinity(kIntervalLeft + at, -2);
  return {name, QPoint(x, kOptionRowY), pieces, {Picture(24, 2, QStringLiteral("sym_element_of"))}};
}

}  // namespace

// Topic 12: "Nelygybės. Nelygybių sistemos".
const TopicLayout& Topic12Layout() {
  static const TopicLayout layouts = {{
      {Statement(136, {QStringLiteral("Išspręskite nelygybę:   2b - 3 < 7(1+b)")}),
       Answer({Text(264, 21, QStringLiteral("Atsakymas: b >"))}, {Field(340, 17, 37)})},

      {Statement(136, {{QStringLiteral("Išspręskite nelygybę:   x  + 12x + 35 < 0."), {Raised(120, QStringLiteral("2"))}}}),
       OptionArea({272, 13},
                  {TextOption(QStringLiteral("AMRadioButton1"), 212, QStringLiteral(" (-7; -5)")),
                   TextOption(QStringLiteral("AMRadioButton2"), 296, QStringLiteral(" (-5; 14)")),
                   TextOption(QStringLiteral("AMRadioButton3"), 383, QStringLiteral(" (-14; 7)"))},
                  kLowCheckButton)},

      {BracedSystem(136, QStringLiteral("Išspręskite nelygybių sistemą:"), {152, 128}, QStringLiteral("3x -1 > 5,"),
                    QStringLiteral("2x + 3 < 11")),
       OptionArea({272, 13},
                  {TextOption(QStringLiteral("AMRadioButton1"), 207, QStringLiteral(" (18; 4)")),
                   TextOption(QStringLiteral("AMRadioButton2"), 281, QStringLiteral(" sprendinių nėra")),
                   TextOption(QStringLiteral("AMRadioButton3"), 397, QStringLiteral(" (2; 4)"))},
                  kLowCheckButton)},

      // 4: (x - 1)(x - 3) > x - 1, answered as unions of intervals.
      {Statement(136, {QStringLiteral("Išspręskite nelygybę: (x - 1)(x - 3) > x - 1")}),
       OptionArea({272, 13},
                  {IntervalOption(QStringLiteral("AMRadioButton1"), 130, QStringLiteral("(-     ; 2) U (4; 8)"), {7}),
                   IntervalOption(QStringLiteral("AMRadioButton2"), 260, QStringLiteral("(-     ; 1) U (4; +    )"),
                                  {7, 72}),
                   IntervalOption(QStringLiteral("AMRadioButton3"), 404, QStringLiteral("(- 2; 0) U (0; 4)"), {})},
                  kLowCheckButton)},

      // 5: how many goods a week for the revenue to exceed the cost. R names
      // the revenue, so R = 2x is the revenue; the cost C = x + 600 is what
      // makes R > C mean x > 600.
      {Statement(96, {QStringLiteral("Kad verslas būtų pelningas, pajamos R, gautos pardavus"),
                      QStringLiteral("prekes, turi viršyti jų gamybos išlaidas C, t. y. R > C."),
                      QStringLiteral("Įmonės savaitės pajamos apskaičiuojamos pagal formulę R = 2x,"),
                      QStringLiteral("o išlaidos – pagal formulę C = x + 600; čia x – per savaitę"),
                      QStringLiteral("parduotų prekių skaičius. Kiek prekių reikia parduoti per"),
                      QStringLiteral("savaitę, kad pajamos viršytų išlaidas?")}),
       OptionArea({248, 10},
                  {TextOption(QStringLiteral("AMRadioButton1"), 226, QStringLiteral("Daugiau kaip 200 prekių"), {}, 26),
                   TextOption(QStringLiteral("AMRadioButton2"), 226, QStringLiteral("Daugiau kaip 400 prekių"), {}, 40),
                   TextOption(QStringLiteral("AMRadioButton3"), 226, QStringLiteral("Daugiau kaip 600 prekių"), {}, 54)},
                  kWideTallCheckButton)},
  }};
  return layouts;
}

}  // namespace rova
