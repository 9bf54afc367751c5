// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage14 = {
    .topic = 14,
    .indexCaption = QStringLiteral("14. Trikampiai"),
    .title = QStringLiteral("Trikampiai"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {
        .texts = {
            {12, 20, QStringLiteral(R"(## Trikampio kampai
Trikampio kampų suma lygi 180°. Priekampis lygus dviejų
su juo negretutinių trikampio kampų sumai. Lygiašonio
trikampio kampai prie pagrindo lygūs.
## Trikampio linijos
Aukštinė – statmuo, nuleistas iš trikampio viršūnės į
tiesę, kurioje yra prieš tą viršūnę esanti kraštinė.
Pusiaukraštinė – atkarpa, jungianti trikampio viršūnę
su prieš ją esančios kraštinės vidurio tašku.
Pusiaukampinė – atkarpa, dalijanti trikampio kampą pusiau,
nuo viršūnės iki prieš ją esančios kraštinės.
Kraštinės vidurio statmuo – jai statmena tiesė per jos vidurį.
Vidurinė linija – atkarpa, jungianti dviejų kraštinių vidurio
taškus; ji lygiagreti trečiajai kraštinei ir lygi jos pusei.
## Trikampio plotas
Trikampio plotas lygus kraštinės ir į ją nuleistos aukštinės
sandaugos pusei:   S = ah : 2.
## Kosinusų teorema

c^{2} = a^{2} + b^{2} – 2ab · cos C   (C – kampas tarp kraštinių a ir b).)")},
            {356, 224, QStringLiteral(R"(## Pitagoro teorema
Stačiojo trikampio įžambinės kvadratas lygus statinių
kvadratų sumai:

c^{2} = a^{2} + b^{2}    (c – įžambinė, a ir b – statiniai).
sin A = a : c,    cos A = b : c,    tg A = a : b.
(A – smailusis kampas prieš statinį a).)")},
        },
        .pictures = {{356, 20, QStringLiteral("hb_14_1")}},
    },
};

}  // namespace rova
