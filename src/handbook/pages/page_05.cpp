// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage5 = {
    .topic = 5,
    .indexCaption = QStringLiteral("5. Skaičių apvalinimas. Paklaidos"),
    .title = QStringLiteral("Skaičių apvalinimas. Paklaidos"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {.texts = {
        {12, 20, QStringLiteral(R"(## Skaičių apvalinimas
Apvalinant skaičių iki tam tikro skyriaus, visi po jo einantys skaitmenys sveikojoje dalyje pakeičiami nuliais,
o trupmeninėje dalyje – atmetami.
Jei pirmasis atmetamas (keičiamas nuliu) skaitmuo yra 0, 1, 2, 3 arba 4, paskutinis paliekamas skaitmuo nekinta;
jei jis yra 5, 6, 7, 8 arba 9 – paskutinis paliekamas skaitmuo padidinamas vienetu.)")},
        {12, 98, QStringLiteral(R"(Pavyzdžiai:     3,1416 {\approx} 3,14 (šimtųjų tikslumu);        2561 {\approx} 2600 (šimtų tikslumu).
Suapvalintas skaičius vadinamas artiniu; tarp skaičiaus ir jo artinio rašomas apytikslės lygybės ženklas.)")},
        {12, 150, QStringLiteral(R"(## Paklaidos
Tarkime, x – tikslioji dydžio reikšmė, a – jos artinys.
Absoliučioji paklaida – tiksliosios reikšmės ir artinio skirtumo modulis:   | x – a |.
Santykinė paklaida – absoliučiosios paklaidos ir artinio modulio santykis; ji dažnai išreiškiama procentais:)")},
        {12, 222, QStringLiteral(R"(\frac{| x – a |}{| a |} · 100 %.)")},
        {12, 252, QStringLiteral(R"(Pavyzdys. Skaičių 2,47 suapvalinę iki dešimtųjų, gauname 2,5. Absoliučioji paklaida | 2,47 – 2,5 | = 0,03,
santykinė paklaida 0,03 : 2,5 · 100 % = 1,2 %. Kuo mažesnė santykinė paklaida, tuo tikslesnis artinys.)")},
    }},
};

}  // namespace rova
