// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/topics/common_layouts.h"
#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 17: "Lygumas".
const TopicLayout& Topic17Layout() {
  static const TopicLayout layouts = {{
      // 1: three equal isosceles triangles, each halved by the upright line
      // into two equal right triangles: two kinds of triangle.
      {Statement(24, {QStringLiteral("Kiek skirtingų trikampių matote brėžinyje? Vienas kitam"),
                      QStringLiteral("lygius trikampius skaičiuokite kaip vieną.")}),
       StandardField(),
       {Picture(112, 72, QStringLiteral("fig_17_1"))}},

      // 2: congruent triangles ABC and A₁B₁C₁; the indices stand in the
      // blanks after A, B and C.
      {Statement(24, {{QStringLiteral("Pavaizduoti trikampiai ABC ir A  B  C  yra lygūs. Apskaičiuokite"),
                  {Lowered(152, QStringLiteral("1")), Lowered(165, QStringLiteral("1")),
                   Lowered(178, QStringLiteral("1"))}},
                 QStringLiteral("kraštinės AC ilgį.")}),
       StandardField(),
       {Picture(96, 80, QStringLiteral("fig_17_2"))}},

      // 3: a point of an angle's bisector and the sides of the angle.
      {Statement(24, {QStringLiteral("AD yra kampo BAC pusiaukampinė. Ar taškas D vienodai"),
                      QStringLiteral("nutolęs nuo kampo kraštinių, t. y. ar DB=DC?")}),
       YesNoNotEnoughOptions(),
       {Picture(56, 80, QStringLiteral("fig_17_3"))}},

      // 4: folding ABCD along BD; the angle at C is 63°, not 60°.
      {Statement(24, {QStringLiteral("Aistė tvirtina, kad sulenkus figūrą ABCD per įstrižainę BD,"),
                      QStringLiteral("taškai A ir C sutaps. Ar ji teisi?")}),
       YesNoNotEnoughOptions(),
       {Picture(104, 112, QStringLiteral("fig_17_4"))}},

      {Statement(24, {QStringLiteral("Sujungus taisyklingojo šešiakampio ABCDEF viršūnes B, D"),
                      QStringLiteral("ir F, gaunamas trikampis BDF. Ar jis taisyklingasis?")}),
       YesNoNotEnoughOptions(),
       {Picture(120, 96, QStringLiteral("fig_17_5"))}},
  }};
  return layouts;
}

}  // namespace rova
