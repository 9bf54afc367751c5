// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 15: "Keturkampiai".
const TopicLayout& Topic15Layout() {
  static const TopicLayout layouts = {{
      {Statement(24, {QStringLiteral("Apskaičiuokite lygiagretainio plotą:")}), SquareCentimetreField(),
       {Picture(88, 112, QStringLiteral("fig_15_1"))}},

      {Statement(128, {{QStringLiteral("Kvadrato plotas 64 cm  . Apskaičiuokite kvadrato perimetrą."),
                  {Raised(114, QStringLiteral("2"))}}}),
       StandardField(QStringLiteral("cm."))},

      // 3: two 2 cm squares, one turned on the other's centre; the answer
      // rests on that vertex being the centre, so the statement says it.
      {Statement(24, {QStringLiteral("Du kvadratai, kurių kraštinės po 2 cm, uždėti vienas ant kito"),
                      QStringLiteral("taip, kad vieno kvadrato viršūnė yra kito kvadrato centre, kaip"),
                      QStringLiteral("parodyta brėžinyje. Apskaičiuokite užtušuotos dalies plotą.")}),
       SquareCentimetreField(),
       {Picture(120, 120, QStringLiteral("fig_15_3"))}},

      // 4: a doll's towel: a square cut along its diagonal, sewn on a
      // flowered rectangle.
      {Statement(24, {QStringLiteral("Rūta padėjo jaunesniajai sesutei pasiūti lėlei rankšluostį."),
                      QStringLiteral("Ji perkirpo kvadratinę skiautę pagal įstrižainę ir gautas"),
                      QStringLiteral("dalis prisiuvo ant gėlėto stačiakampio audinio taip, kaip"),
                      QStringLiteral("parodyta paveikslėlyje. Apskaičiuokite, koks matomos"),
                      QStringLiteral("gėlėtos rankšluosčio dalies plotas.")}),
       SquareCentimetreField(),
       {Picture(8, 136, QStringLiteral("fig_15_4"))}},

      // 5: the shaded triangle of the parallelogram ABCD of 100 cm².
      {Statement(24, {QStringLiteral("Apskaičiuokite užtušuotos figūros plotą, jei visos figūros"),
                 {QStringLiteral("plotas 100 cm  , o ABCD yra lygiagretainis."), {Raised(74, QStringLiteral("2"))}}}),
       SquareCentimetreField(),
       {Picture(96, 120, QStringLiteral("fig_15_5"))}},
  }};
  return layouts;
}

}  // namespace rova
