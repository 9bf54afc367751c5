// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 3: "Laipsnis. Šaknis".
const TopicLayout& Topic3Layout() {
  static const TopicLayout layouts = {{
      // 1: (x)³ = 27/64.
      {NarrowStatement(120, {QStringLiteral("Kokį skaičių reikia įrašyti x vietoje, kad gautume teisingą lygybę:"),
                            {QString(),
                             {Text(8, 10, QStringLiteral("( x )    =")), Mark(26, 6, QStringLiteral("3")),
                              Text(51, 3, QStringLiteral("27")), Text(48, 6, QStringLiteral("___")),
                              Text(51, 18, QStringLiteral("64"))}}}),
       FractionAnswer(314, 16, QStringLiteral("___"), 313)},

      // 2: n² + k², if 2ⁿ = 32 and 3ᵏ = 9.
      {Statement(122, {{QStringLiteral("Kam lygu n   + k  , jeigu 2   = 32 ir 3  = 9?"),
                  {Raised(60, QStringLiteral("2")), Raised(84, QStringLiteral("2")),
                   Raised(127, QStringLiteral("n")), Raised(174, QStringLiteral("k"))}}}),
       StandardField()},

      // 3: the speed of light in metres per second, in standard form.
      {Statement(112, {QStringLiteral("Šviesos greitis yra 300 000 km/s. Išreiškite jį metrais"),
                       QStringLiteral("per sekundę ir gautą skaičių parašykite standartine"),
                       QStringLiteral("išraiška.")}),
       Answer({Text(216, 21, QStringLiteral("Standartinė išraiška:")), Text(352, 24, QStringLiteral("*")),
               Bold(359, 21, QStringLiteral("10")), Bold(392, 21, QStringLiteral("m/s."))},
              {Field(319, 17, 25), ExponentField(376, 12)})},

      // 4: ∛(49 · 25 · 45 · 21).
      {Statement(124, {{QStringLiteral("Atlikite veiksmus ir parašykite atsakymą:"),
                  {Mark(199, -5, QStringLiteral("3")), Text(202, 0, QStringLiteral("V")),
                   Text(208, -10, QStringLiteral("_____________")),
                   Text(210, 0, QStringLiteral("49 * 25 * 45 * 21"))}}}),
       StandardField()},

      // 5: how many times Jupiter's diameter is larger than Mercury's.
      {Statement(115, {{QStringLiteral("Jupiterio skersmuo yra 1,428 * 10   m, o Merkurijaus 4,88 *"),
                   {Raised(165, QStringLiteral("8"))}},
                  {QStringLiteral("* 10   m. Kiek kartų Jupiterio skersmuo didesnis už Merkurijaus?"),
                   {Raised(28, QStringLiteral("6"))}},
                  QStringLiteral("Atsakymą suapvalinę iki vienetų, parašykite standartine išraiška.")}),
       Answer({Text(246, 21, QStringLiteral("Atsakymas:")), Text(336, 24, QStringLiteral("*")),
               Bold(343, 21, QStringLiteral("10")), Text(360, 21, QStringLiteral("karto."))},
              {Field(307, 17, 26)})},
  }};
  return layouts;
}

}  // namespace rova
