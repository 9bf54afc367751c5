// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage3 = {
    .topic = 3,
    .indexCaption = QStringLiteral("3. Laipsnis. Šaknis"),
    .title = QStringLiteral("Laipsnis. Šaknis"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {
        .texts = {{12, 20, QStringLiteral(R"(## Laipsnis
Laipsnis – kelių vienodų dauginamųjų sandauga. Laipsnio pagrindas – tas dauginamasis,
laipsnio rodiklis – skaičius, rodantis, kiek kartų pagrindas imamas dauginamuoju.
Pirmasis skaičiaus laipsnis lygus pačiam skaičiui. Nelygaus nuliui skaičiaus nulinis
laipsnis lygus 1, o laipsnis su neigiamu rodikliu – vienetui, padalytam iš laipsnio su
priešingu rodikliu. Neigiamo skaičiaus lyginis laipsnis teigiamas, nelyginis – neigiamas.
## Laipsnių savybės

a^{m} · a^{n} = a^{m + n}           a^{m} : a^{n} = a^{m – n}           (a^{m})^{n} = a^{mn}
Dauginant vienodo pagrindo laipsnius, rodikliai sudedami, dalijant – atimami, keliant
laipsnį laipsniu – dauginami. Sandaugos laipsnis lygus dauginamųjų laipsnių sandaugai.
## Kvadratinė ir kubinė šaknis
Skaičiaus a kvadratinė šaknis – neneigiamas skaičius, kurio kvadratas lygus a; ji
traukiama tik iš neneigiamo skaičiaus (žr. paveikslėlį dešinėje). Skaičiaus a kubinė šaknis –
skaičius, kurio kubas lygus a; ji traukiama iš bet kurio skaičiaus. Sandaugos šaknis lygi
dauginamųjų šaknų sandaugai (kvadratinė – kai dauginamieji neneigiami).
## Standartinė skaičiaus išraiška

Teigiamo skaičiaus standartinė išraiška – užrašas a · 10^{n}, kur a – skaičius, ne mažesnis
už 1 ir mažesnis už 10, o n – sveikasis skaičius.

Pvz.:   4500 = 4,5 · 1000 = 4,5 · 10^{3}.)")}},
        .pictures = {{452, 22, QStringLiteral("hb_3_1")}, {452, 164, QStringLiteral("hb_3_2")}},
    },
};

}  // namespace rova
