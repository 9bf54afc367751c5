// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 4: "Procentai".
const TopicLayout& Topic4Layout() {
  static const TopicLayout layouts = {{
      // 1: the shaded share of a square of 100 cells, as a fraction.
      {NarrowStatement(24, {QStringLiteral("Kvadratas padalytas į 100 lygių langelių. Kiek procentų"),
                            QStringLiteral("kvadrato nuspalvinta? Atsakymą parašykite trupmena.")}),
       FractionAnswer(306, 28, QStringLiteral("_____"), 305),
       {Picture(88, 72, QStringLiteral("fig_4_1"))}},

      // 2: 1500 Lt at 3 % a year.
      {Statement(120, {QStringLiteral("Taupomasis bankas moka 3 % metinių palūkanų. Kiek pinigų"),
                       QStringLiteral("po metų turės indėlininkas, padėjęs į banką 1500 Lt?")}),
       StandardField(QStringLiteral("Lt."))},

      // 3: 144 pages read are 36 % of the book.
      {Statement(112, {QStringLiteral("Petras perskaitė 144 knygos puslapius. Tai sudaro 36 %"),
                       QStringLiteral("visų knygos puslapių. Kiek puslapių Petrui dar liko"),
                       QStringLiteral("perskaityti?")}),
       StandardField()},

      // 4: shoes of 240 Lt marked down by 10 %, then by 20 %; the check takes
      // 172,8, not the price-like 172,80.
      {Statement(112, {QStringLiteral("Vasaros pabaigoje batai buvo atpiginti du kartus: iš pradžių 10 %,"),
                       QStringLiteral("paskui dar 20 %. Kiek reikės mokėti už batus, kurie vasaros"),
                       QStringLiteral("pradžioje kainavo 240 Lt? (Nulių po kablelio gale nerašykite.)")}),
       StandardField(QStringLiteral("Lt."))},

      // 5: the shares of the firms B and C, written without grouping blanks.
      {Statement(104, {QStringLiteral("Trys firmos A, B ir C turi 75 % visų išleistų gamyklos akcijų."),
                       QStringLiteral("Firmų akcijų skaičiai santykiauja kaip 4 : 12 : 9."),
                       QStringLiteral("Likusių 35 000 akcijų savininkai yra gamyklos darbininkai."),
                       QStringLiteral("Kiek akcijų kartu turi firmos B ir C? (Skaičių rašykite be tarpų.)")}),
       Answer({Text(264, 21, QStringLiteral("Atsakymas:"))}, {Field(327, 17, 58)})},
  }};
  return layouts;
}

}  // namespace rova
