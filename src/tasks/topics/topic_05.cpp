// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 5: "Skaičių apvalinimas. Paklaidos".
const TopicLayout& Topic5Layout() {
  static const TopicLayout layouts = {{
      // 1: 4 : 9 to hundredths.
      {Statement(128, {QStringLiteral("Apskaičiuokite skaičių 4 ir 9 santykį 0,01 tikslumu.")}), StandardField()},

      // 2: the thickness of one leaf of a book.
      {Statement(120, {QStringLiteral("Knygoje yra 232 puslapiai. Be viršelių ji yra 1,2 cm storio."),
                       QStringLiteral("Apskaičiuokite vieno knygos lapo storį ir atsakymą"),
                       QStringLiteral("suapvalinkite iki šimtųjų.")}),
       StandardField(QStringLiteral("cm."))},

      // 3: the side of a square of 5 cm².
      {Statement(116, {{QStringLiteral("Kvadrato plotas yra 5 cm  . Apskaičiuokite jo kraštinės ilgį"),
                   {Raised(125, QStringLiteral("2"))}},
                  QStringLiteral("milimetro tikslumu.")}),
       StandardField(QStringLiteral("mm."))},

      // 4: the girls' share of the pupils.
      {Statement(112, {QStringLiteral("Kaimo mokykloje mokosi 65 berniukai ir 55 mergaitės."),
                       QStringLiteral("Kiek procentų visų mokinių sudaro mergaitės? Atsakymą"),
                       QStringLiteral("suapvalinkite iki vienetų.")}),
       StandardField(QStringLiteral("%."))},

      // 5: the average price of a chop.
      {Statement(120, {QStringLiteral("Gatavų valgių skyriuje devyni kotletai kainuoja 49,90 Lt."),
                       QStringLiteral("Kokia vidutinė vieno kotleto kaina? Atsakymą"),
                       QStringLiteral("suapvalinkite iki litų.")}),
       StandardField(QStringLiteral("Lt."))},
  }};
  return layouts;
}

}  // namespace rova
