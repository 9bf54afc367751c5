// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 14: "Trikampiai".
const TopicLayout& Topic14Layout() {
  static const TopicLayout layouts = {{
      {Statement(32, {QStringLiteral("Raskite x pažymėtą kampą:")}), DegreeField(),
       {Picture(80, 104, QStringLiteral("fig_14_1"))}},

      // 2: slats across two supports, equally spaced from E; the index "1"
      // of A₁, D₁, C₁, B₁ stands in the blanks after each letter.
      {Statement(24, {{QStringLiteral("Ant atramų AE ir A  E nuo E vienodais tarpais prikaltos"),
                  {Lowered(94, QStringLiteral("1"))}},
                 {QStringLiteral("kartelės DD  , CC  , BB  ir AA  . Kokio ilgio kartelė DD  ,"),
                  {Lowered(64, QStringLiteral("1")), Lowered(90, QStringLiteral("1")), Lowered(116, QStringLiteral("1")),
                   Lowered(144, QStringLiteral("1")), Lowered(258, QStringLiteral("1"))}},
                 {QStringLiteral("jeigu AA   = 80 cm?"), {Lowered(47, QStringLiteral("1"))}}}),
       StandardField(QStringLiteral("cm.")),
       {Picture(112, 104, QStringLiteral("fig_14_2"))}},

      {Statement(24, {QStringLiteral("Raskite x pažymėto kampo didumą.")}), DegreeField(),
       {Picture(120, 120, QStringLiteral("fig_14_3"))}},

      {Statement(24, {QStringLiteral("Apskaičiuokite kraštinės x ilgį."),
                      QStringLiteral("Atsakymą suapvalinkite iki dešimtųjų.")}),
       StandardField(QStringLiteral("cm.")),
       {Picture(112, 104, QStringLiteral("fig_14_4"))}},

      // 5: a house's height from 55 m away at an angle of elevation of 20°:
      // 55 tg 20° = 20,02, so 20,0 to 0,1 m; the check takes 20 as well.
      {Statement(24, {QStringLiteral("Namo viršūnė iš 55 m atstumo matoma 20 laipsnių kampu."),
                      QStringLiteral("Koks namo aukštis? Atsakymą parašykite 0,1 m tikslumu.")}),
       StandardField(QStringLiteral("m.")),
       {Picture(96, 120, QStringLiteral("fig_14_5"))}},
  }};
  return layouts;
}

}  // namespace rova
