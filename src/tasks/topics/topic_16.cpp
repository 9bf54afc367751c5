// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 16: "Apskritimas. Skritulys".
const TopicLayout& Topic16Layout() {
  static const TopicLayout layouts = {{
      // 1: a 1000 m track of two straights and two half circles of r = 63 m.
      {Statement(24, {QStringLiteral("Bėgimo takas yra 1000 m ilgio. Jį sudaro dvi tiesios dalys"),
                      QStringLiteral("ir du pusapskritimiai (r = 63 m). Koks vienos tiesios dalies"),
                      QStringLiteral("ilgis? Atsakymą suapvalinkite iki metrų.")}),
       StandardField(QStringLiteral("m.")),
       {Picture(96, 112, QStringLiteral("fig_16_1"))}},

      // 2: a sector of radius 3 cm whose arc is π cm long.
      {Statement(24, {{QStringLiteral("Išpjovos spindulys yra 3 cm, o lankas    cm ilgio."), {},
                  {Picture(186, 5, QStringLiteral("sym_pi"))}},
                 QStringLiteral("Apskaičiuokite išpjovos kampą x.")}),
       LowDegreeField(),
       {Picture(96, 104, QStringLiteral("fig_16_2"))}},

      {Statement(24, {QStringLiteral("Apskaičiuokite nežinomą kampą:")}), LowDegreeField(),
       {Picture(120, 88, QStringLiteral("fig_16_3"))}},

      // 4: no unit stands after the field, so a second line says which.
      {Statement(24, {QStringLiteral("Apskaičiuokite skersmenį."),
                      QStringLiteral("Atsakymą parašykite centimetrais, be matavimo vieneto.")}),
       StandardField(),
       {Picture(96, 88, QStringLiteral("fig_16_4"))}},

      // 5: the tangents from K make the quadrilateral OLKM's angles at L
      // and M right, so LOM = 100° and x = 40° in the isosceles OLM.
      {Statement(24, {QStringLiteral("Tiesės KL ir KM liečia apskritimą, kurio centras O,"),
                      QStringLiteral("taškuose L ir M. Apskaičiuokite kampą x.")}),
       LowDegreeField(),
       {Picture(104, 80, QStringLiteral("fig_16_5"))}},
  }};
  return layouts;
}

}  // namespace rova
