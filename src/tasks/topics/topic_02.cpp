// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 2: "Veiksmai su skaičiais".
const TopicLayout& Topic2Layout() {
  static const TopicLayout layouts = {{
      // 1: how long the train took from Vilnius to Klaipėda.
      {Statement(120, {QStringLiteral("Traukinys iš Vilniaus išvyko 6 h 55 min, o į Klaipėdą atvyko"),
                       QStringLiteral("12 h 15 min. Kiek laiko truko kelionė?")}),
       Answer({Text(232, 21, QStringLiteral("Atsakymas:")), Text(328, 21, QStringLiteral("val. ir")),
               Text(391, 21, QStringLiteral("min."))},
              {Field(295, 17, 26), Field(359, 17, 26)})},

      // 2: bacteria doubling every hour for a day; the check takes the power
      // of 2 written out and ungrouped, as the statement says.
      {Statement(120, {QStringLiteral("Bakterijų skaičius kas valandą padvigubėja. Kiek kartų jis"),
                       QStringLiteral("padidėja per parą? (Parašykite skaičių be tarpų, ne laipsnį.)")}),
       Answer({Text(240, 21, QStringLiteral("Atsakymas:"))}, {Field(296, 17, 97)})},

      // 3: rowing 21 km up the river and back.
      {Statement(112, {QStringLiteral("Turistas nori valtimi nuplaukti 21 km prieš upės srovę ir"),
                       QStringLiteral("parplaukti atgal. Valties savasis greitis 7 km/h, o upės tėkmės"),
                       QStringLiteral("greitis 3,5 km/h. Kiek laiko truks kelionė?")}),
       StandardField(QStringLiteral("h."))},

      // 4: the playground's real area from its plan; the check takes 11200,
      // not the grouped 11 200.
      {Statement(32, {QStringLiteral("Plane pavaizduota sporto aikštelė. Apskaičiuokite tikrąjį aikštelės"),
                      QStringLiteral("plotą, jei plano mastelis 1 : 2500. (Skaičių rašykite be tarpų.)")}),
       StandardField(QStringLiteral("m  ."), {Mark(392, 18, QStringLiteral("2"))}),
       {Picture(80, 120, QStringLiteral("fig_2_4"))}},

      // 5: salt in 240 g of the solution.
      {Statement(128, {QStringLiteral("800 g tirpalo yra 50 g druskos. Kiek druskos yra 240 g tirpalo?")}),
       StandardField(QStringLiteral("g."))},
  }};
  return layouts;
}

}  // namespace rova
