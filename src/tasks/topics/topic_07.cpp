// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/topic_layouts.h"

namespace rova {

namespace {

// Tasks 1 to 4 ask for the unknown: x, and in task 4 y.
AnswerLayout UnknownField(const QString& unknown) {
  return Answer({Text(257, 21, QStringLiteral("Atsakymas: %1 =").arg(unknown))}, {Field(333, 17)});
}
AnswerLayout XField() { return UnknownField(QStringLiteral("x")); }

}  // namespace

// Topic 7: "Lygtys".
const TopicLayout& Topic7Layout() {
  static const TopicLayout layouts = {{
      // 1: -2(2x - 3) = 22.
      {Statement(128, {QStringLiteral("Išspręskite lygtį: -2 (2x - 3) = 22.")}), XField()},

      // 2: x² - 6x + 9 = 0.
      {Statement(126, {{QStringLiteral("Išspręskite lygtį: x   - 6x + 9 = 0."), {Raised(90, QStringLiteral("2"))}}}),
       XField()},

      // 3: (x² - 4x + 4) / 2 = 0.
      {Statement(135, {{QStringLiteral("Išspręskite lygtį:"),
                  {Text(88, -7, QStringLiteral("x   - 4x + 4")), Mark(94, -10, QStringLiteral("2")),
                   Text(88, -4, QStringLiteral("________")), Text(109, 8, QStringLiteral("2")),
                   Text(140, 0, QStringLiteral("= 0."))}}}),
       XField()},

      // 4: 3/(y - 2) + 7/(y + 2) = 10/y.
      {Statement(135, {{QStringLiteral("Išspręskite lygtį:"),
                  {Text(97, -7, QStringLiteral("3")), Text(88, -4, QStringLiteral("____")),
                   Text(90, 8, QStringLiteral("y - 2")), Text(116, 0, QStringLiteral("+")),
                   Text(135, -7, QStringLiteral("7")), Text(126, -4, QStringLiteral("____")),
                   Text(127, 8, QStringLiteral("y + 2")), Text(154, 0, QStringLiteral("= ")),
                   Text(166, -7, QStringLiteral("10")), Text(166, -4, QStringLiteral("__")),
                   Text(169, 8, QStringLiteral("y"))}}}),
       UnknownField(QStringLiteral("y"))},

      // 5: tickets for a group of 115 visitors.
      {Statement(110, {QStringLiteral("Parodos lankytojų grupėms taikoma nuolaida: už kiekvienus"),
                       QStringLiteral("15 nupirktų bilietų dar vienas bilietas duodamas"),
                       QStringLiteral("nemokamai. Už kiek bilietų turės sumokėti grupė,"),
                       QStringLiteral("kurioje yra 115 lankytojų?")}),
       StandardField()},
  }};
  return layouts;
}

}  // namespace rova
