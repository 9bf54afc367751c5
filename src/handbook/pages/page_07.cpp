// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage7 = {
    .topic = 7,
    .indexCaption = QStringLiteral("7. Lygtys"),
    .title = QStringLiteral("Lygtys"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {.texts = {
        {12, 20, QStringLiteral(R"(## Lygtis ir jos sprendiniai
Lygtis – lygybė su nežinomuoju. Lygties sprendinys (šaknis) – nežinomojo reikšmė, su kuria lygtis virsta teisinga
skaitine lygybe. Išspręsti lygtį – rasti visus jos sprendinius arba įrodyti, kad jų nėra.
## Pertvarkiai, nekeičiantys lygties sprendinių
1) prie abiejų lygties pusių galima pridėti (iš jų atimti) tą patį skaičių arba reiškinį, turintį prasmę su visomis
    nežinomojo reikšmėmis; todėl lygties narį galima perkelti į kitą pusę, pakeitus jo ženklą priešingu;
2) abi lygties puses galima padauginti arba padalyti iš to paties skaičiaus, nelygaus nuliui.
## Tiesinė lygtis  ax = b
Kai a {\ne} 0, lygtis turi vienintelį sprendinį x = b : a; kai a = 0 ir b {\ne} 0, sprendinių nėra; kai a = 0 ir b = 0,
sprendinys – bet kuris skaičius.      Pvz.:  3x – 7 = x + 5;   3x – x = 5 + 7;   2x = 12;   x = 6.

## Kvadratinė lygtis

ax^{2} + bx + c = 0  (a {\ne} 0);   jos diskriminantas  D = b^{2} – 4ac.

Kai D > 0, lygtis turi du sprendinius  x = (–b ± \sqrt{D}) : (2a);  kai D = 0 – vieną  x = –b : (2a);  kai D < 0 – sprendinių neturi.

## Racionaliosios lygtys
Kai nežinomasis yra trupmenos vardiklyje, abi lygties puses dauginame iš bendrojo vardiklio, o gautus sprendinius
patikriname: tinka tik tie, su kuriais nė vienas vardiklis nelygus nuliui.

Pvz.:     \frac{x + 1}{x – 2} = 3;     x {\ne} 2;     x + 1 = 3(x – 2);     x + 1 = 3x – 6;     2x = 7;     x = 3,5 – sprendinys.)")},
    }},
};

}  // namespace rova
