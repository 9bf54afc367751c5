// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage17 = {
    .topic = 17,
    .indexCaption = QStringLiteral("17. Lygumas"),
    .title = QStringLiteral("Lygumas"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {
        .texts = {
            {12, 20, QStringLiteral(R"(## Lygios figūros
Dvi figūros vadinamos lygiomis, jei, uždėjus vieną ant kitos, jos sutampa.
Lygių daugiakampių atitinkamos kraštinės ir atitinkami kampai lygūs.)")},
            {12, 72, QStringLiteral("Trikampių lygumas žymimas taip:   ΔABC = ΔA_{1}B_{1}C_{1}.")},
            {12, 98, QStringLiteral(R"(## Trikampių lygumo požymiai
Du trikampiai lygūs, jei:
1) dvi vieno trikampio kraštinės ir kampas tarp jų atitinkamai lygūs dviem kito
    trikampio kraštinėms ir kampui tarp jų;
2) vieno trikampio kraštinė ir du prie jos esantys kampai atitinkamai lygūs kito
    trikampio kraštinei ir dviem prie jos esantiems kampams;
3) trys vieno trikampio kraštinės atitinkamai lygios trims kito trikampio kraštinėms.
Lygiuose trikampiuose prieš lygias kraštines yra lygūs kampai.)")},
        },
        .pictures = {{470, 20, QStringLiteral("hb_17_1")}, {130, 222, QStringLiteral("hb_17_2")}},
    },
};

}  // namespace rova
