// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 6: "Algebriniai reiškiniai".
const TopicLayout& Topic6Layout() {
  static const TopicLayout layouts = {{
      // 1: 2(3x + 5) - 4x - 10.
      {Statement(128, {QStringLiteral("Sutraukite panašiuosius dėmenis: 2(3x + 5) - 4x - 10.")}), StandardField()},

      // 2: 6a⁶ / 3a³.
      {Statement(128, {QStringLiteral("Suprastinkite:")},
                 {Text(78, 120, QStringLiteral("6a")), Mark(90, 116, QStringLiteral("6")),
                  Text(78, 124, QStringLiteral("___")),
                  Text(78, 137, QStringLiteral("3a")), Mark(90, 134, QStringLiteral("3"))}),
       Answer({Text(272, 21, QStringLiteral("Atsakymas:"))}, {Field(330, 17, 25), ExponentField(357, 12)})},

      // 3: 2m/(m - n) + 2n/(n - m).
      {Statement(129, {QStringLiteral("Atlikite veiksmus:")},
                 {Text(98, 122, QStringLiteral("2m")), Text(93, 125, QStringLiteral("____")),
                  Text(95, 137, QStringLiteral("m - n")), Text(121, 129, QStringLiteral("+")),
                  Text(136, 122, QStringLiteral("2n")), Text(131, 125, QStringLiteral("____")),
                  Text(133, 137, QStringLiteral("n - m"))}),
       StandardField()},

      // 4: 33/z · 3z/11.
      {Statement(129, {QStringLiteral("Suprastinkite:")},
                 {Text(78, 122, QStringLiteral("33")), Text(78, 125, QStringLiteral("__")),
                  Text(81, 137, QStringLiteral("z")), Text(95, 131, QStringLiteral("*")),
                  Text(104, 122, QStringLiteral("3z")), Text(104, 125, QStringLiteral("__")),
                  Text(104, 137, QStringLiteral("11"))}),
       StandardField()},

      // 5: (√5 - √3)(√5 + √3).
      {Statement(120, {QStringLiteral("Taikydami greitosios daugybos formules, atlikite veiksmus:")},
                 {Large(8, 139, QStringLiteral("(")), Text(15, 142, QStringLiteral("V")),
                  Text(21, 132, QStringLiteral("__")), Text(22, 142, QStringLiteral("5")),
                  Text(32, 137, QStringLiteral("_")),
                  Text(41, 142, QStringLiteral("V")), Text(47, 132, QStringLiteral("__")),
                  Text(48, 142, QStringLiteral("3")), Large(56, 139, QStringLiteral(")")),
                  Large(63, 139, QStringLiteral("(")), Text(70, 142, QStringLiteral("V")),
                  Text(76, 132, QStringLiteral("__")), Text(77, 142, QStringLiteral("5")),
                  Text(87, 142, QStringLiteral("+")),
                  Text(96, 142, QStringLiteral("V")), Text(102, 132, QStringLiteral("__")),
                  Text(103, 142, QStringLiteral("3")), Large(111, 139, QStringLiteral(")")),
                  Text(117, 142, QStringLiteral("."))}),
       StandardField()},
  }};
  return layouts;
}

}  // namespace rova
