// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage16 = {
    .topic = 16,
    .indexCaption = QStringLiteral("16. Apskritimas. Skritulys"),
    .title = QStringLiteral("Apskritimas. Skritulys"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {
        .texts = {
            {12, 20, QStringLiteral(R"(## Apskritimas ir skritulys
Apskritimas – visi plokštumos taškai, nutolę nuo duotojo taško O (centro)
tuo pačiu atstumu r. Skritulys – plokštumos dalis, kurią riboja apskritimas.)")},
            {12, 59, QStringLiteral(R"(Spindulys r – atkarpa, jungianti centrą su apskritimo tašku.
Styga – atkarpa, jungianti du apskritimo taškus.
Skersmuo d – styga, einanti per centrą:  d = 2r.)")},
            {12, 104, QStringLiteral("Apskritimo ilgis:   C = 2πr = πd.      n° lanko ilgis:   πrn : 180.")},
            {12, 122, QStringLiteral("Skritulio plotas:   S = πr^{2}.      n° išpjovos plotas:   S = πr^{2}n : 360.")},
            {12, 140, QStringLiteral("Centrinis kampas – kampas, kurio viršūnė yra apskritimo centre.")},
            {12, 153, QStringLiteral(R"(Įbrėžtinis kampas – kampas, kurio viršūnė yra apskritimo taške, o kraštinės kerta apskritimą.
Jis lygus pusei centrinio kampo, besiremiančio tuo pačiu lanku.)")},
            {12, 179, QStringLiteral("Įbrėžtinis kampas, besiremiantis skersmeniu, yra status.")},
            {12, 196, QStringLiteral(R"(## Apskritimo ir tiesės padėtis
Tegu r – apskritimo spindulys, h – atstumas nuo centro O iki tiesės.
Liestinė statmena spinduliui, nubrėžtam į lietimosi tašką. Dviejų liestinių, išvestų iš vieno taško, atkarpos iki lietimosi taškų lygios.)")},
            {12, 298, QStringLiteral("h > r:  bendrų taškų nėra.")},
            {222, 298, QStringLiteral("h = r:  liestinė, vienas bendras taškas.")},
            {432, 298, QStringLiteral("h < r:  kirstinė, du bendri taškai.")},
        },
        .pictures = {{446, 14, QStringLiteral("hb_16_1")},
                     {12, 236, QStringLiteral("hb_16_2")},
                     {222, 236, QStringLiteral("hb_16_3")},
                     {432, 236, QStringLiteral("hb_16_4")}},
    },
};

}  // namespace rova
