// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage2 = {
    .topic = 2,
    .indexCaption = QStringLiteral("2. Veiksmai su skaičiais"),
    .title = QStringLiteral("Veiksmai su skaičiais"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {.texts = {
        {10, 20, QStringLiteral(R"(## Sudėtis
dėmuo + dėmuo = suma
5 + 3 = 8:   5 ir 3 – dėmenys, 8 – suma.
## Atimtis
turinys – atėminys = skirtumas
9 – 4 = 5:   9 – turinys, 4 – atėminys, 5 – skirtumas.
## Daugyba
dauginamasis · daugiklis = sandauga
6 · 7 = 42:   6 – dauginamasis, 7 – daugiklis, 42 – sandauga.
## Dalyba
dalinys : daliklis = dalmuo
20 : 4 = 5:   20 – dalinys, 4 – daliklis, 5 – dalmuo.
Dalyba su liekana:   23 : 4 = 5 (liekana 3), nes 23 = 4 · 5 + 3.
Liekana visada mažesnė už daliklį.
## Veiksmų tvarka
Pirmiausia atliekami veiksmai skliaustuose, po to keliama
laipsniu, tada dauginama ir dalijama, galiausiai sudedama
ir atimama. Tos pačios pakopos veiksmai atliekami iš kairės
į dešinę.)")},
    }},
    .formulas = HandbookGroup{.texts = {
        {10, 20, QStringLiteral(R"(## Sudėties dėsniai
a + b = b + a                                  (perstatomumo)
(a + b) + c = a + (b + c)                  (jungiamumo)
## Daugybos dėsniai
a · b = b · a                                    (perstatomumo)
(a · b) · c = a · (b · c)                      (jungiamumo)
a · (b + c) = a · b + a · c                 (skirstomumo)
## Veiksmai su 0 ir 1
a + 0 = a,    a · 1 = a,    a · 0 = 0,    0 : a = 0, kai a {\ne} 0.)")},
        {10, 137, QStringLiteral("Dalyti iš nulio negalima.")},
        {10, 150, QStringLiteral(R"(## Veiksmai su paprastosiomis trupmenomis)")},
        {10, 176, QStringLiteral(R"(\frac{a}{c} ± \frac{b}{c} = \frac{a ± b}{c}                \frac{a}{b} · \frac{c}{d} = \frac{a · c}{b · d})")},
        {10, 218, QStringLiteral(R"(\frac{a}{b} : \frac{c}{d} = \frac{a · d}{b · c})")},
        {10, 252, QStringLiteral("Trupmenas su skirtingais vardikliais prieš sudedant")},
        {10, 265, QStringLiteral("ar atimant reikia subendravardiklinti.")},
    }},
};

}  // namespace rova
