// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

namespace {

const QString kSolveSystem = QStringLiteral("Išspręskite lygčių sistemą:");
constexpr QPoint kSystemBrace{136, 128};

// x in the first field, y in the second.
AnswerLayout XAndYFields() {
  return Answer({Text(244, 21, QStringLiteral("Atsakymas: x =")), Text(351, 21, QStringLiteral("y ="))},
                {Field(318, 17, 26), Field(368, 17, 26)});
}

}  // namespace

// Topic 11: "Lygčių sistemos".
const TopicLayout& Topic11Layout() {
  static const TopicLayout layouts = {{
      {BracedSystem(136, kSolveSystem, kSystemBrace, QStringLiteral("x - 2y = 5,"), QStringLiteral("2x - 3y = 9.")),
       XAndYFields()},
      {BracedSystem(136, kSolveSystem, kSystemBrace, QStringLiteral("9x + 13y = 35,"),
                    QStringLiteral("29x - 13y = 3.")),
       XAndYFields()},
      {BracedSystem(136, kSolveSystem, kSystemBrace, QStringLiteral("x - 6y = 17,"), QStringLiteral("5x + 6y = 13.")),
       XAndYFields()},

      // 4: 80 km downstream in 4 hours, upstream in 5: the river's speed
      // above, the boat's own below.
      {Statement(112, {QStringLiteral("Atstumas upe tarp dviejų vietovių yra 80 kilometrų."),
                       QStringLiteral("Valtis šį atstumą pasroviui nuplaukia per 4 valandas,"),
                       QStringLiteral("o prieš srovę – per 5 valandas. Apskaičiuokite upės"),
                       QStringLiteral("tėkmės greitį ir valties savąjį greitį.")}),
       Answer({Text(177, 25, QStringLiteral("Upės tėkmės greitis yra:")), Text(333, 25, QStringLiteral("km/h.")),
               Text(170, 49, QStringLiteral("Valties savasis greitis yra:")), Text(333, 49, QStringLiteral("km/h."))},
              {Field(292, 21, 37), Field(292, 45, 37)}, kWideTallCheckButton)},

      // 5: the tips of a clock's hands, 2 cm and 1,5 cm long.
      {Statement(120, {QStringLiteral("Laikrodžio minutinės rodyklės ilgis 2 cm, o valandinės – 1,5 cm."),
                       QStringLiteral("Kiek kartų minutinės rodyklės galas juda greičiau"),
                       QStringLiteral("už valandinės rodyklės galą?")}),
       StandardField()},
  }};
  return layouts;
}

}  // namespace rova
