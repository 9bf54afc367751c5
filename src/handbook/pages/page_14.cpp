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
su juo negretutinių trikampio kampų sumai.
## Trikampio linijos
Aukštinė – statmuo, nuleistas iš trikampio viršūnės į
tiesę, kurioje yra prieš tą viršūnę esanti kraštinė.
Pusiaukraštinė – atkarpa, jungianti trikampio viršūnę
su prieš ją esančios kraštinės vidurio tašku.
Pusiaukampinė – atkarpa, dalijanti trikampio kampą pusiau,
nuo viršūnės iki prieš ją esančios kraštinės.
Kraštinės vidurio statmuo – tiesė, statmena kraštinei
ir einanti per jos vidurio tašką.
Vidurio linija – atkarpa, jungianti dviejų kraštinių vidurio
taškus; ji lygiagreti trečiajai kraštinei ir lygi jos pusei.
## Trikampio plotas
Trikampio plotas lygus kraštinės ir į ją nuleistos aukštinės
sandaugos pusei:   S = ah : 2.
## Kosinusų teorema
Trikampio kraštinės kvadratas lygus kitų dviejų kraštinių kvadratų
sumai, atėmus dvigubą tų kraštinių ir kampo tarp jų kosinuso sandaugą.)")},
            {356, 232, QStringLiteral(R"(## Pitagoro teorema
Stačiojo trikampio įžambinės kvadratas lygus statinių
kvadratų sumai:

c^{2} = a^{2} + b^{2}    (c – įžambinė, a ir b – statiniai).
tg A = a : b   (A – smailusis kampas prieš statinį a).)")},
        },
        .pictures = {{356, 20, QStringLiteral("hb_14_1")}},
    },
};

}  // namespace rova
