// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage18 = {
    .topic = 18,
    .indexCaption = QStringLiteral("18. Panašumas"),
    .title = QStringLiteral("Panašumas"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {
        .texts = {
            {12, 20, QStringLiteral(R"(## Panašios figūros
Dvi figūros panašios, jei antrąją galima gauti iš pirmosios, visus atstumus padauginus
iš to paties teigiamo skaičiaus k. Tas skaičius k – panašumo koeficientas.
Panašių daugiakampių atitinkami kampai lygūs, o atitinkamos kraštinės proporcingos.

Panašių figūrų perimetrų santykis lygus k, plotų santykis – k^{2}, panašių kūnų tūrių santykis – k^{3}.)")},
            {12, 108, QStringLiteral(R"(## Trikampių panašumo požymiai
Du trikampiai panašūs, jei:
1) du vieno trikampio kampai atitinkamai lygūs dviem kito trikampio kampams;
2) dvi vieno trikampio kraštinės proporcingos dviem kito trikampio kraštinėms,
    o kampai tarp šių kraštinių lygūs;
3) trys vieno trikampio kraštinės proporcingos trims kito trikampio kraštinėms.)")},
            {12, 191, QStringLiteral(R"(Tiesė, lygiagreti trikampio kraštinei ir kertanti kitas dvi jo kraštines, nukerta trikampį, panašų į duotąjį.
Jei ΔABC {\sim} ΔA_{1}B_{1}C_{1}(taip žymimas trikampių panašumas), tai  k = A_{1}B_{1} : AB = B_{1}C_{1} : BC = A_{1}C_{1} : AC.)")},
        },
        .pictures = {{498, 20, QStringLiteral("hb_18_1")},
                     {140, 222, QStringLiteral("hb_18_2")},
                     {380, 222, QStringLiteral("hb_18_3")}},
    },
};

}  // namespace rova
