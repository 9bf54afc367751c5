// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage4 = {
    .topic = 4,
    .indexCaption = QStringLiteral("4. Procentai"),
    .title = QStringLiteral("Procentai"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {.texts = {
        {10, 20, QStringLiteral(R"(## Procentas
Procentas – šimtoji skaičiaus dalis.

1 % = \frac{1}{100} = 0,01                  p % = \frac{p}{100}


Pvz.:   25 % = 0,25 = \frac{1}{4};      100 % – visas skaičius.

Norint procentus paversti trupmena, procentų skaičių
reikia padalyti iš 100; norint trupmeną išreikšti
procentais – ją padauginti iš 100 ir parašyti ženklą %.)")},
        {10, 170, QStringLiteral(R"(## Procentinis santykis
Dviejų skaičių procentinis santykis – jų santykis,
išreikštas procentais. Jis parodo, kiek procentų
vienas skaičius sudaro kito skaičiaus.)")},
        {10, 228, QStringLiteral(R"(## Sudėtiniai procentai
Kai dydis kinta kelis kartus iš eilės, procentai kiekvieną
kartą skaičiuojami nuo jau pakitusio, o ne nuo pradinio
dydžio. Jei a sumažėja p_{1} %, o paskui dar p_{2} %, gaunama
a · (1 – p_{1} : 100) · (1 – p_{2} : 100).)")},
    }},
    .formulas = HandbookGroup{.texts = {
        {10, 20, QStringLiteral(R"(## Skaičiaus procentai

p % skaičiaus a yra   \frac{a · p}{100}.

Pvz.: 15 % skaičiaus 80 yra 80 · 15 : 100 = 12.)")},
        {10, 98, QStringLiteral(R"(## Skaičiaus radimas pagal jo procentus

Jei p % skaičiaus yra b, tai tas skaičius lygus   \frac{b · 100}{p}.)")},
        {10, 150, QStringLiteral(R"(## Procentinis santykis

Skaičius a sudaro   \frac{a}{b} · 100 %   skaičiaus b.

Pvz.: 3 sudaro 3 : 12 · 100 % = 25 % skaičiaus 12.)")},
        {10, 228, QStringLiteral(R"(## Sudėtiniai procentai
Kai dydis a n kartų iš eilės padidėja po p %, jis tampa lygus)")},
        {10, 274, QStringLiteral(R"(a · \(1 + \frac{p}{100}\)^{n};   kai sumažėja po p % –   a · \(1 – \frac{p}{100}\)^{n}.)")},
    }},
};

}  // namespace rova
