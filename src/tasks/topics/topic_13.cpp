// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 13: "Tiesės. Kampai".
const TopicLayout& Topic13Layout() {
  static const TopicLayout layouts = {{
      {Statement(24, {QStringLiteral("Raskite x pažymėtą kampą:")}), DegreeField(),
       {Picture(112, 104, QStringLiteral("fig_13_1"))}},

      // 2: a board leaning against a wall at 68° to the floor.
      {Statement(24, {{QStringLiteral("Lenta atremta į sieną ir su grindimis sudaro 68  kampą."),
                  {Raised(221, QStringLiteral("o"))}},
                 QStringLiteral("Raskite kampą x.")}),
       DegreeField(),
       {Picture(120, 80, QStringLiteral("fig_13_2"))}},

      {Statement(24, {QStringLiteral("Ar tiesės a ir b lygiagrečios?")}),
       OptionArea({275, 13}, {TextOption(QStringLiteral("AMRadioButton1"), 272, QStringLiteral("Taip")),
                              TextOption(QStringLiteral("AMRadioButton2"), 340, QStringLiteral("Ne"))}),
       {Picture(88, 80, QStringLiteral("fig_13_3"))}},

      {Statement(24, {QStringLiteral("Apskaičiuokite nežinomą kampą y, jeigu a || b.")}), DegreeField(),
       {Picture(88, 104, QStringLiteral("fig_13_4"))}},

      {Statement(24, {QStringLiteral("Raskite kampą x, jeigu a || b.")}), DegreeField(),
       {Picture(88, 96, QStringLiteral("fig_13_5"))}},
  }};
  return layouts;
}

}  // namespace rova
