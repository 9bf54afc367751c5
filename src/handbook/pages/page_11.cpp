// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage11 = {
    .topic = 11,
    .indexCaption = QStringLiteral("11. Lygčių sistemos"),
    .title = QStringLiteral("Lygčių sistemos"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {.texts = {
        {12, 20, QStringLiteral(R"(## Lygčių sistema
Lygčių sistemos su dviem nežinomaisiais sprendinys – skaičių pora (x; y), su kuria kiekviena sistemos lygtis
virsta teisinga lygybe. Išspręsti sistemą – rasti visus jos sprendinius arba įrodyti, kad jų nėra.)")},
        {12, 70, QStringLiteral(R"(Pavyzdys:      \{x + y = 7,
x – y = 1.        Šios sistemos sprendinys – pora (4; 3).)")},
        {12, 110, QStringLiteral(R"(## Grafinis būdas
Nubraižome abiejų lygčių grafikus; jų bendrųjų taškų koordinatės ir yra sistemos sprendiniai.
Tiesinių lygčių grafikai – tiesės: jei jos lygiagrečios, sprendinių nėra; jei sutampa – sprendinių be galo daug.)")},
        {12, 162, QStringLiteral(R"(## Keitimo būdas
Iš vienos lygties išreiškiame vieną nežinomąjį ir įrašome jo išraišką į kitą lygtį.
Pavyzdyje: iš antrosios lygties x = 1 + y;  tada  1 + y + y = 7,  2y = 6,  y = 3,  x = 1 + 3 = 4.

## Sudėties būdas
Sistemos lygtis (jei reikia, prieš tai padauginę jas iš tinkamai parinktų skaičių) sudedame taip, kad vienas
nežinomasis išnyktų.
Pavyzdyje:  (x + y) + (x – y) = 7 + 1,  2x = 8,  x = 4;  įrašę į pirmąją lygtį, gauname  4 + y = 7,  y = 3.)")},
        {12, 280, QStringLiteral(R"(Rastą sprendinį visada verta patikrinti, įrašius jį į abi sistemos lygtis.)")},
    }},
};

}  // namespace rova
