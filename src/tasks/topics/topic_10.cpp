// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 10: "Funkcijų grafikai".
const TopicLayout& Topic10Layout() {
  static const TopicLayout layouts = {{
      // 1: the slope k of a line through the origin, read from its graph.
      {Statement(24, {QStringLiteral("Parašykite grafike pavaizduotos tiesės lygtį pavidalu  y = kx.")}),
       Answer({Text(264, 21, QStringLiteral("Atsakymas: k ="))}, {Field(343, 17, 34)}),
       {Picture(120, 72, QStringLiteral("fig_10_1"))}},

      // 2: can a line through A(1; 4) be the graph of g(x) = -4x.
      {Statement(120, {QStringLiteral("Tiesė eina per tašką A(1; 4). Ar ši tiesė gali būti"),
                       QStringLiteral("funkcijos g(x) = -4x grafikas?")}),
       OptionArea({272, 13}, {TextOption(QStringLiteral("AMRadioButton2"), 268, QStringLiteral("Gali")),
                              TextOption(QStringLiteral("AMRadioButton3"), 334, QStringLiteral("Negali"))})},

      // 3: a car 120 km from the town drives on at 50 km/h; the "*" stand
      // 3 pixels lower than their line, as a multiplication sign.
      {Statement(112, {QStringLiteral("Automobilis išvažiavo iš miesto ir dabar yra už 120 km nuo jo."),
                       QStringLiteral("Toliau jis važiuoja ta pačia kryptimi 50 km/h greičiu."),
                       QStringLiteral("Atstumą s nuo miesto po t valandų išreikškite tiesine funkcija s(t).")}),
       OptionArea({272, 13},
                  {TextOption(QStringLiteral("AMRadioButton1"), 150, QStringLiteral("s(t) = 120   t + 50"),
                              {Text(49, 3, QStringLiteral("*"))}),
                   TextOption(QStringLiteral("AMRadioButton2"), 280, QStringLiteral("s(t) = 120 + 50   t"),
                              {Text(73, 3, QStringLiteral("*"))}),
                   TextOption(QStringLiteral("AMRadioButton3"), 410, QStringLiteral("s(t) = 170   t"),
                              {Text(49, 3, QStringLiteral("*"))})})},

      // 4: the parabola y = kx² through (±1; 1) and (±3; 9).
      {Statement(24, {{QStringLiteral("Parašykite grafike pavaizduotos parabolės lygtį pavidalu y = kx  ."),
                 {Raised(302, QStringLiteral("2"))}}}),
       OptionArea({272, 13}, {TextOption(QStringLiteral("AMRadioButton1"), 220, QStringLiteral("y = x"),
                                         {Mark(22, -3, QStringLiteral("2"))}),
                              TextOption(QStringLiteral("AMRadioButton2"), 300, QStringLiteral("y = 3x"),
                                         {Mark(28, -3, QStringLiteral("2"))}),
                              TextOption(QStringLiteral("AMRadioButton3"), 380, QStringLiteral("y = 9x"),
                                         {Mark(28, -3, QStringLiteral("2"))})}),
       {Picture(96, 72, QStringLiteral("fig_10_4"))}},

      // 5: the downward parabola with its vertex at (-2; 2) through (0; -6).
      {Statement(24, {QStringLiteral("Pagal grafiką parašykite parabolės lygtį pavidalu"),
                 {QStringLiteral("y = a(x + b)  + c."), {Raised(60, QStringLiteral("2"))}}}),
       OptionArea({272, 13}, {TextOption(QStringLiteral("AMRadioButton1"), 165, QStringLiteral("y = -2(x+2)  +2"),
                                         {Mark(50, -3, QStringLiteral("2"))}),
                              TextOption(QStringLiteral("AMRadioButton2"), 285, QStringLiteral("y = 3(x - 1)  -3"),
                                         {Mark(50, -3, QStringLiteral("2"))}),
                              TextOption(QStringLiteral("AMRadioButton3"), 405, QStringLiteral("y = 2(x - 2)  -2"),
                                         {Mark(50, -3, QStringLiteral("2"))})}),
       {Picture(88, 72, QStringLiteral("fig_10_5"))}},
  }};
  return layouts;
}

}  // namespace rova
