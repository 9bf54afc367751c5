// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage6 = {
    .topic = 6,
    .indexCaption = QStringLiteral("6. Algebriniai reiškiniai"),
    .title = QStringLiteral("Algebriniai reiškiniai"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {.texts = {
        {10, 20, QStringLiteral(R"(## Panašieji nariai
Panašieji nariai – sumos nariai, kurių raidinės dalys
vienodos, pvz., 3ab ir –5ab. Sutraukiant panašiuosius
narius, sudedami jų koeficientai, o raidinė dalis nekinta:
3x + 5x – 2x = 6x;     4a – 7b + a + 2b = 5a – 5b.

## Skliaustų atskleidimas
Jei prieš skliaustus yra pliuso ženklas, skliaustus
praleidžiame, o dėmenų ženklų nekeičiame:
a + (b – c) = a + b – c.
Jei prieš skliaustus yra minuso ženklas, skliaustus
praleidžiame, o visų dėmenų ženklus keičiame
priešingais:
a – (b – c) = a – b + c;   n – m = –(m – n).)")},
        {10, 202, QStringLiteral(R"(Norint reiškinį padauginti iš sumos, reikia jį padauginti
iš kiekvieno sumos dėmens ir gautas sandaugas sudėti:
a(b + c) = ab + ac;
(a + b)(c + d) = ac + ad + bc + bd.)")},
    }},
    .formulas = HandbookGroup{.texts = {
        {10, 20, QStringLiteral(R"(## Greitosios daugybos formulės

(a + b)^{2} = a^{2} + 2ab + b^{2}           (sumos kvadratas)

(a – b)^{2} = a^{2} – 2ab + b^{2}           (skirtumo kvadratas)

a^{2} – b^{2} = (a – b)(a + b)              (kvadratų skirtumas)

Formules galima taikyti abiem kryptimis: atskliaudžiant
ir skaidant reiškinį dauginamaisiais.)")},
        {10, 163, QStringLiteral("Pvz.:  x^{2} + 6x + 9 = (x + 3)^{2};    4y^{2} – 1 = (2y – 1)(2y + 1).")},
        {10, 185, QStringLiteral(R"(## Algebrinės trupmenos
Trupmenos skaitiklį ir vardiklį galima padalyti iš to paties
nelygaus nuliui reiškinio (trupmeną suprastinti); trupmenos
dauginamos, skaitiklį dauginant iš skaitiklio, vardiklį – iš vardiklio:

\frac{ac}{bc} = \frac{a}{b};        \frac{a}{b} · \frac{c}{d} = \frac{ac}{bd};        \frac{a}{n – m} = – \frac{a}{m – n}.

Čia b {\ne} 0, c {\ne} 0, d {\ne} 0, m {\ne} n.)")},
    }},
};

}  // namespace rova
