// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage12 = {
    .topic = 12,
    .indexCaption = QStringLiteral("12. Nelygybės. Nelygybių sistemos"),
    .title = QStringLiteral("Nelygybės"),
    .backButtonName = QStringLiteral("LbSpeedButton2"),
    .definitions = {.texts = {
        {10, 20, QStringLiteral(R"(## Nelygybės sprendimas
Nelygybės sprendinys – kintamojo reikšmė, su kuria
nelygybė virsta teisinga skaitine nelygybe.
Sprendžiant nelygybę, galima:
– prie abiejų pusių pridėti (iš jų atimti) tą patį skaičių;
– abi puses padauginti arba padalyti iš to paties
   teigiamo skaičiaus;
– abi puses padauginti arba padalyti iš to paties
   neigiamo skaičiaus, pakeitus nelygybės ženklą
   priešingu.
Pvz.:   –2x < 6;   padaliję iš –2, gauname  x > –3.)")},
        {10, 180, QStringLiteral(R"(## Nelygybių sistema
Sistemos sprendiniai – skaičiai, kurie yra visų jos
nelygybių sprendiniai (sprendinių aibių sankirta).)")},
        {10, 230, QStringLiteral(R"(Pvz.:   \{x > 1,
x {\le} 4.           Sprendiniai – intervalas (1; 4]:
skaičius 1 jam nepriklauso, o skaičius 4 priklauso.)")},
    }},
    .formulas = HandbookGroup{.texts = {
        // The lines with ∞ and ∪ are blocks of their own in the gaps left for
        // them: the font has no such signs, and the taller fallback glyph
        // would push the lines below off their headings and marks.
        {10, 20, QStringLiteral(R"(## Skaitinių nelygybių savybės
Jei a > b, tai b < a.
Jei a > b ir b > c, tai a > c.
Jei a > b, tai a + c > b + c (su bet kuriuo c).
Jei a > b ir c > 0, tai ac > bc.
Jei a > b ir c < 0, tai ac < bc.
Jei a > b ir c > d, tai a + c > b + d.
Jei a > b > 0 ir c > d > 0, tai ac > bd.
## Skaičių intervalai
[a; b] – skaičiai x, kai a {\le} x {\le} b;
(a; b) – skaičiai x, kai a < x < b;
[a; b) – skaičiai x, kai a {\le} x < b;

Laužtinis skliaustas [ rodo, kad galas priklauso intervalui,
lenktinis ( – kad nepriklauso; prie begalybės – tik lenktinis.
## Kvadratinė nelygybė
Perkėlę visus narius į vieną pusę, randame trinario šaknis.
Kai trinaris turi dvi skirtingas šaknis, o koeficientas prie
x kvadrato teigiamas, trinaris neigiamas tarp šaknų, o
teigiamas – už jų. Pvz.: (x – 2)(x – 5) > 0,)")},
        {10, 173, QStringLiteral("(a; +∞) – kai x > a;   (–∞; a) – kai x < a;   (–∞; +∞) – visi skaičiai.")},
        {10, 277, QStringLiteral("kai x < 2 arba x > 5, t. y. (–∞; 2) ∪ (5; +∞).")},
    }},
};

}  // namespace rova
