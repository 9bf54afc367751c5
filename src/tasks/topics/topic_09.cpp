// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/topic_layouts.h"

namespace rova {

namespace {

const QString kChoiceHeading = QStringLiteral("Atsakymo variantai:");

// "x ∈ interval" after the radio button at `radioX`: the "x", the ∈ picture
// and the interval's label; the interval's gaps are filled by the caller.
QList<TextPiece> Element(int radioX, const QString& variable, const QString& interval) {
  return {Text(radioX + 15, 30, variable), Text(radioX + 35, 30, interval)};
}
PicturePiece ElementOf(int radioX) { return Picture(radioX + 24, 34, QStringLiteral("sym_element_of")); }

QList<ChoiceButton> ThreeButtons(int third) {
  return {{QStringLiteral("AMRadioButton1"), {146, 32}},
          {QStringLiteral("AMRadioButton2"), {274, 32}},
          {QStringLiteral("AMRadioButton3"), {third, 32}}};
}

const QString kFromGraph = QStringLiteral("Iš grafiko nustatykite, su kuriomis kintamojo x reikšmėmis");

}  // namespace

// Topic 9: "Funkcija".
const TopicLayout& Topic9Layout() {
  static const TopicLayout layouts = {{
      // 1: where f decreases: (1; +∞), (-∞; +∞), (0; +∞).
      {Statement(24, {kFromGraph, QStringLiteral("funkcija mažėja.")}),
       Choices(ThreeButtons(394),
               Join({{Text(272, 13, kChoiceHeading)},
                     Element(146, QStringLiteral("x"), QStringLiteral("( 1; +     )")), Infinity(206, 30),
                     Element(274, QStringLiteral("x"), QStringLiteral("( -     ; +     )")), Infinity(319, 30),
                     Infinity(346, 30),
                     Element(394, QStringLiteral("x"), QStringLiteral("(   ; +     )")),
                     {Text(433, 30, QStringLiteral("0"))}, Infinity(454, 30)}),
               {ElementOf(146), ElementOf(274), ElementOf(394)}),
       {Picture(96, 80, QStringLiteral("fig_9_1"))}},

      // 2: where g is negative: [-2; 0), [-2; +∞), [0; 2).
      {Statement(24, {kFromGraph, QStringLiteral("funkcija įgyja neigiamas reikšmes.")}),
       Choices(ThreeButtons(410),
               Join({{Text(272, 13, kChoiceHeading)},
                     Element(146, QStringLiteral("x"), QStringLiteral("[ -2; 0 )")),
                     Element(274, QStringLiteral("x"), QStringLiteral("[ -2;  +     )")), Infinity(340, 30),
                     Element(410, QStringLiteral("x"), QStringLiteral("[ 0; 2 )"))}),
               {ElementOf(146), ElementOf(274), ElementOf(410)}, kLowCheckButton),
       {Picture(88, 80, QStringLiteral("fig_9_2"))}},

      // 3: which curve is not the graph of a function.
      // The four pictures carry their bold letters A to D.
      {Statement(24, {QStringLiteral("Kuri kreivė NĖRA funkcijos grafikas?")}),
       Choices({{QStringLiteral("AMRadioButton1"), {250, 32}},
                {QStringLiteral("AMRadioButton2"), {290, 32}},
                {QStringLiteral("AMRadioButton3"), {330, 32}},
                {QStringLiteral("AMRadioButton4"), {370, 32}}},
               {Text(272, 13, kChoiceHeading), Text(264, 30, QStringLiteral("A")),
                Text(304, 30, QStringLiteral("B")), Text(344, 30, QStringLiteral("C")),
                Text(384, 30, QStringLiteral("D"))},
               {}, kLowCheckButton),
       {Picture(54, 48, QStringLiteral("fig_9_3a")), Picture(168, 48, QStringLiteral("fig_9_3b")),
        Picture(56, 144, QStringLiteral("fig_9_3c")), Picture(168, 146, QStringLiteral("fig_9_3d"))}},

      // 4: the range of f: [-1; 0), (-2; +∞), [-1; 1]. The values are y's.
      {Statement(24, {QStringLiteral("Nustatykite funkcijos y = f(x) reikšmių sritį.")}),
       Choices(ThreeButtons(410),
               Join({{Text(272, 13, kChoiceHeading)},
                     Element(146, QStringLiteral("y"), QStringLiteral("[ -1; 0 )")),
                     Element(274, QStringLiteral("y"), QStringLiteral("( -2;  +     )")), Infinity(340, 30),
                     Element(410, QStringLiteral("y"), QStringLiteral("[ -1; 1 ]"))}),
               {ElementOf(146), ElementOf(274), ElementOf(410)}, kLowCheckButton),
       {Picture(72, 80, QStringLiteral("fig_9_4"))}},

      // 5: f(0,5) when f(x) = 2 / (1 - x).
      {Statement(129, {{QStringLiteral("Apskaičiuokite f(0,5), kai f(x) ="),
                  {Text(158, -7, QStringLiteral(" 2")), Text(155, -4, QStringLiteral("____")),
                   Text(157, 8, QStringLiteral("1 - x"))}}}),
       StandardField()},
  }};
  return layouts;
}

}  // namespace rova
