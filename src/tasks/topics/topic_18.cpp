// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 18: "Panašumas".
const TopicLayout& Topic18Layout() {
  static const TopicLayout layouts = {{
      {Statement(24, {QStringLiteral("Duota ED || AB. Raskite x.")}), StandardField(),
       {Picture(96, 88, QStringLiteral("fig_18_1"))}},

      // 2: a triangle similar to the right triangle 3, 4, 5 with the
      // perimeter 96; the side asked for is its hypotenuse.
      {Statement(120, {QStringLiteral("Stačiojo trikampio kraštinės yra 3, 4 ir 5. Jam panašaus trikampio"),
                       QStringLiteral("perimetras 96. Kokio ilgio antrojo trikampio įžambinė?")}),
       StandardField()},

      // 3: a rectangle 6 cm long of 30 cm², and a similar one 12 cm long.
      {Statement(112, {{QStringLiteral("Pirmojo stačiakampio ilgis 6 cm, o plotas 30 cm  ."),
                   {Raised(228, QStringLiteral("2"))}},
                  QStringLiteral("Antrasis stačiakampis, panašus į pirmąjį, yra 12 cm ilgio."),
                  QStringLiteral("Koks antrojo stačiakampio plotas?")}),
       SquareCentimetreField()},

      // 4: the altitude CD to the hypotenuse; line 3 reads
      // Ar △ACD ∼ △CBD ∼ △ABC?, the vertices in the order of equal angles.
      // Its words stand at their own places, since blanks move them only in
      // steps of 3 pixels: 3 blank pixels round each ∼ and after "Ar", 2
      // between a △ and its letters.
      {Statement(24, {QStringLiteral("Iš stačiojo trikampio ABC viršūnės C į įžambinę AB nuleistas"),
                 QStringLiteral("statmuo CD."),
                 {QString(),
                  {Text(8, 0, QStringLiteral("Ar")), Text(30, 0, QStringLiteral("ACD")),
                   Text(73, 0, QStringLiteral("CBD")), Text(117, 0, QStringLiteral("ABC?"))},
                  {Picture(21, 2, QStringLiteral("sym_triangle")), Picture(54, 5, QStringLiteral("sym_similar")),
                   Picture(65, 2, QStringLiteral("sym_triangle")), Picture(97, 5, QStringLiteral("sym_similar")),
                   Picture(108, 2, QStringLiteral("sym_triangle"))}}}),
       YesNoNotEnoughOptions(),
       {Picture(104, 112, QStringLiteral("fig_18_4"))}},

      // 5: AB = BD, so ABC is ADE halved: the coefficient from ADE to ABC
      // is 1/2, as the check takes it.
      {NarrowStatement(24, {QStringLiteral("Duota: BC || DE, AB = BD. Kam lygus panašumo koeficientas,"),
                            QStringLiteral("iš kurio padauginus trikampio ADE kraštines, gaunamos"),
                            QStringLiteral("trikampio ABC kraštinės?")}),
       FractionAnswer(314, 16, QStringLiteral("___"), 313),
       {Picture(72, 112, QStringLiteral("fig_18_5"))}},
  }};
  return layouts;
}

}  // namespace rova
