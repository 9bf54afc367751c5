// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 6: "Algebriniai reiškiniai".
const TopicLayout& Topic6Layout() {
  static const TopicLayout layouts = {{
      // 1: 2(3x + 5) - 4x - 10.
      {Statement(128, {QStringLiteral("Sutraukite panašiuosius dėmenis: 2(3x + 5) - 4x - 10.")}), StandardField()},

      // 2: 6a⁶ / 3a³.
      {Statement(128, {{QStringLiteral("Suprastinkite:"),
                  {Text(78, -8, QStringLiteral("6a")), Mark(90, -12, QStringLiteral("6")),
                   Text(78, -4, QStringLiteral("___")),
                   Text(78, 9, QStringLiteral("3a")), Mark(90, 6, QStringLiteral("3"))}}}),
       Answer({Text(272, 21, QStringLiteral("Atsakymas:"))}, {Field(330, 17, 25), ExponentField(357, 12)})},

      // 3: 2m/(m - n) + 2n/(n - m).
      {Statement(129, {{QStringLiteral("Atlikite veiksmus:"),
                  {Text(98, -7, QStringLiteral("2m")), Text(93, -4, QStringLiteral("____")),
                   Text(95, 8, QStringLiteral("m - n")), Text(121, 0, QStringLiteral("+")),
                   Text(136, -7, QStringLiteral("2n")), Text(131, -4, QStringLiteral("____")),
                   Text(133, 8, QStringLiteral("n - m"))}}}),
       StandardField()},

      // 4: 33/z · 3z/11.
      {Statement(129, {{QStringLiteral("Suprastinkite:"),
                  {Text(78, -7, QStringLiteral("33")), Text(78, -4, QStringLiteral("__")),
                   Text(81, 8, QStringLiteral("z")), Text(95, 2, QStringLiteral("*")),
                   Text(104, -7, QStringLiteral("3z")), Text(104, -4, QStringLiteral("__")),
                   Text(104, 8, QStringLiteral("11"))}}}),
       StandardField()},

      // 5: (√5 - √3)(√5 + √3).
      {Statement(120, {QStringLiteral("Taikydami greitosios daugybos formules, atlikite veiksmus:"),
                  {QString(),
                   {Large(8, 3, QStringLiteral("(")), Text(15, 6, QStringLiteral("V")),
                    Text(21, -4, QStringLiteral("__")), Text(22, 6, QStringLiteral("5")),
                    Text(32, 1, QStringLiteral("_")),
                    Text(41, 6, QStringLiteral("V")), Text(47, -4, QStringLiteral("__")),
                    Text(48, 6, QStringLiteral("3")), Large(56, 3, QStringLiteral(")")),
                    Large(63, 3, QStringLiteral("(")), Text(70, 6, QStringLiteral("V")),
                    Text(76, -4, QStringLiteral("__")), Text(77, 6, QStringLiteral("5")),
                    Text(87, 6, QStringLiteral("+")),
                    Text(96, 6, QStringLiteral("V")), Text(102, -4, QStringLiteral("__")),
                    Text(103, 6, QStringLiteral("3")), Large(111, 3, QStringLiteral(")")),
                    Text(117, 6, QStringLiteral("."))}}}),
       StandardField()},
  }};
  return layouts;
}

}  // namespace rova
