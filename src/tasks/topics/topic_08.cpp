// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 8: "Sekos. Progresijos".
const TopicLayout& Topic8Layout() {
  static const TopicLayout layouts = {{
      // 1: 1 + 2 + ... + 99.
      {Statement(128, {QStringLiteral("Apskaičiuokite natūraliųjų skaičių 1, 2, 3, ..., 99 sumą.")}), StandardField()},

      // 2: digits to number 100 pages.
      {Statement(120, {QStringLiteral("Knygoje yra 100 puslapių. Kiek skaitmenų reikia jos"),
                       QStringLiteral("puslapiams sunumeruoti?")}),
       StandardField()},

      // 3: pages numbered with 6869 digits.
      {Statement(120, {QStringLiteral("Enciklopedijos puslapiams sunumeruoti prireikė 6869"),
                       QStringLiteral("skaitmenų. Kiek puslapių turi enciklopedija?")}),
       StandardField()},

      // 4: S₂₁ when a₁ = 3, d = 4.
      {Statement(128, {{QStringLiteral("Apskaičiuokite aritmetinės progresijos S    , kai a   = 3, d = 4."),
                  {Lowered(193, QStringLiteral("21")), Lowered(234, QStringLiteral("1"))}}}),
       StandardField()},

      // 5: a freezer at -21 °C warming by three degrees an hour; no unit
      // stands after the field, so the statement asks for the number alone.
      {Statement(112, {QStringLiteral("Atjungus šaldiklį nuo elektros tinklo, temperatūra jame kas"),
                  {QStringLiteral("valandą pakyla trimis laipsniais. Pradinė temperatūra -21  C."),
                   {Raised(271, QStringLiteral("o"))}},
                  QStringLiteral("Kokia bus temperatūra po šešių valandų? (Rašykite tik skaičių.)")}),
       StandardField()},
  }};
  return layouts;
}

}  // namespace rova
