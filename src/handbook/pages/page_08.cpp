// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage8 = {
    .topic = 8,
    .indexCaption = QStringLiteral("8. Sekos. Progresijos"),
    .title = QStringLiteral("Sekos. Progresijos"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {.texts = {
        {12, 20, QStringLiteral(R"(## Seka
Seka – iš eilės išdėstyti skaičiai (sekos nariai); kiekvienas narys turi savo eilės numerį 1, 2, 3, ...
Sekos narys, kurio numeris n, vadinamas n-tuoju (bendruoju) nariu. Seka gali būti baigtinė arba begalinė.
Pvz.: lyginių natūraliųjų skaičių seka 2, 4, 6, 8, ...; jos n-tasis narys lygus 2n.

## Aritmetinė progresija
Aritmetinė progresija – seka, kurios kiekvienas narys, pradedant antruoju, lygus prieš jį einančiam nariui,
sudėtam su tuo pačiu skaičiumi d. Skaičius d vadinamas progresijos skirtumu.

n-tojo nario formulė:   a_{n} = a_{1} + (n – 1)d.      Pvz.: 3, 7, 11, 15, ...:  d = 4,  n-tasis narys 3 + 4(n – 1) = 4n – 1.

Pirmųjų n narių suma:   S_{n} = (a_{1} + a_{n}) · n : 2 = (2a_{1} + (n – 1)d) · n : 2.      Pvz.: S_{4} = 3 + 7 + 11 + 15 = (3 + 15) · 4 : 2 = 36.

## Geometrinė progresija
Geometrinė progresija – seka, kurios pirmasis narys nelygus nuliui, o kiekvienas narys, pradedant antruoju,
lygus prieš jį einančiam nariui, padaugintam iš to paties nelygaus nuliui skaičiaus q (progresijos vardiklio).

n-tojo nario formulė:   b_{n} = b_{1} · q^{n – 1}.      Pvz.: 3, 6, 12, 24, ...:  q = 2,  penktasis narys 3 · 2 · 2 · 2 · 2 = 48.

Pirmųjų n narių suma:   S_{n} = b_{1}(q^{n} – 1) : (q – 1), kai q {\ne} 1;   kai q = 1, S_{n} = b_{1} · n.

Pvz.: S_{4} = 3 + 6 + 12 + 24 = 3 · (16 – 1) : (2 – 1) = 45.)")},
    }},
};

}  // namespace rova
