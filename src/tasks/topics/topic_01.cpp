// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 1: "Skaičiai. Skaičių dalumas".
const TopicLayout& Topic1Layout() {
  static const TopicLayout layouts = {{
      // 1: what part of the circle is shaded, as a fraction.
      {NarrowStatement(24, {QStringLiteral("Parašykite paprastąja trupmena, kuri figūros dalis nuspalvinta:")}),
       FractionAnswer(314, 16, QStringLiteral("___"), 313),
       {Picture(108, 80, QStringLiteral("fig_1_1"))}},

      // 2: the least number of sweets for 5 and for 6 children.
      {Statement(120, {QStringLiteral("Kiek mažiausiai saldainių turi būti maišelyje, kad"),
                       QStringLiteral("juos būtų galima po lygiai padalyti ir 5, ir 6 vaikams?")}),
       StandardField()},

      // 3: two equal coils cut into 3 m and 4 m pieces; no unit stands after
      // the field, so the statement asks for the number alone.
      {Statement(104, {QStringLiteral("Parduotuvė gavo dvi vienodas vielos rites. Pardavėjas pirmąją"),
                       QStringLiteral("ritę supjaustė 3 m, o antrąją – 4 m ilgio gabalais; nuo abiejų"),
                       QStringLiteral("ričių nieko neliko. Kiek mažiausiai metrų vielos galėjo būti vienoje"),
                       QStringLiteral("ritėje, jei joje buvo daugiau kaip 100 m? (Rašykite tik skaičių.)")}),
       StandardField()},

      // 4: 36 pears and 54 apples shared equally.
      {Statement(120, {QStringLiteral("Stovykloje 36 kriaušės ir 54 obuoliai buvo po lygiai padalyti"),
                       QStringLiteral("grupės mokiniams. Kiek daugiausia mokinių galėjo būti grupėje?")}),
       StandardField()},

      // 5: four friends playing basketball every 4th, 2nd, 3rd day and daily.
      {Statement(104, {QStringLiteral("Keturi draugai vakarais žaidžia krepšinį: Tomas žaidžia"),
                       QStringLiteral("kas ketvirtą dieną, Jonas – kas antrą, Paulius – kas trečią,"),
                       QStringLiteral("o Mantas – kiekvieną dieną. Kas kelintą dieną visi keturi"),
                       QStringLiteral("draugai žaidžia kartu?")}),
       Answer({Text(232, 21, QStringLiteral("Atsakymas: kas")), Text(360, 21, QStringLiteral(" - tą dieną."))},
              {Field(311, 17)})},
  }};
  return layouts;
}

}  // namespace rova
