// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage15 = {
    .topic = 15,
    .indexCaption = QStringLiteral("15. Keturkampiai"),
    .title = QStringLiteral("Keturkampiai"),
    .backButtonName = QStringLiteral("LbSpeedButton2"),
    .definitions = {
        .texts = {
            {10, 20, QStringLiteral(R"(## Keturkampis
Keturkampį sudaro keturi taškai (viršūnės), iš kurių
jokie trys nėra vienoje tiesėje, ir keturios nesikertančios
atkarpos (kraštinės), nuosekliai jungiančios šiuos taškus.)")},
            {10, 72, QStringLiteral("Atkarpos, jungiančios priešingas viršūnes, – įstrižainės.")},
            {10, 92, QStringLiteral("Iškilasis keturkampis yra vienoje kiekvienos tiesės,")},
            {10, 105, QStringLiteral("einančios per jo kraštinę, pusėje; kitaip keturkampis")},
            {10, 118, QStringLiteral("vadinamas neiškiliuoju.")},
            {10, 196, QStringLiteral("Iškilojo keturkampio kampų suma lygi 360°.")},
            {10, 216, QStringLiteral(R"(## Lygiagretainis ir trapecija)")},
            {10, 229, QStringLiteral("Lygiagretainio priešingos kraštinės lygiagrečios ir lygios,")},
            {10, 242, QStringLiteral("įstrižainės susikirtimo taške dalija viena kitą pusiau.")},
            {10, 255, QStringLiteral("Trapecijos lygiagrečios tik dvi kraštinės – pagrindai.")},
        },
        .pictures = {{10, 136, QStringLiteral("hb_15_1")}},
    },
    .formulas = HandbookGroup{
        .texts = {
            {92, 20, QStringLiteral("## Kvadratas")},
            {92, 36, QStringLiteral("P = 4a,      S = a^{2}")},
            {92, 49, QStringLiteral("Visos kraštinės lygios, visi kampai statūs.")},
            {92, 68, QStringLiteral("## Stačiakampis")},
            {92, 84, QStringLiteral("P = 2(a + b),      S = ab")},
            {92, 97, QStringLiteral("Visi kampai statūs, įstrižainės lygios.")},
            {92, 116, QStringLiteral("## Lygiagretainis")},
            {92, 132, QStringLiteral("P = 2(a + b),      S = ah_{a}")},
            {92, 149, QStringLiteral("h_{a} – aukštinė, nuleista į kraštinę a.")},
            {92, 168, QStringLiteral("## Rombas")},
            {92, 192, QStringLiteral(R"(P = 4a,      S = ah = \frac{1}{2}d_{1}d_{2})")},
            {92, 215, QStringLiteral("d_{1}, d_{2} – įstrižainės; jos statmenos.")},
            {92, 234, QStringLiteral("## Trapecija")},
            {92, 258, QStringLiteral(R"(P = a + b + c + d,      S = \frac{a + b}{2} · h)")},
            {92, 281, QStringLiteral("a, b – pagrindai, h – aukštinė.")},
        },
        .pictures = {{8, 18, QStringLiteral("hb_15_2")}},
    },
    .opensSubPage = true,
};

}  // namespace rova
