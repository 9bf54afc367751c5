// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage9 = {
    .topic = 9,
    .indexCaption = QStringLiteral("9. Funkcija"),
    .title = QStringLiteral("Funkcija"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {.texts = {
        {12, 20, QStringLiteral(R"(## Funkcija
Jei kiekvienai kintamojo x reikšmei iš tam tikros aibės priskiriama vienintelė kintamojo y reikšmė, sakoma,
kad y yra x funkcija, ir rašoma y = f(x). Kintamasis x vadinamas argumentu (nepriklausomuoju kintamuoju),
y – funkcijos reikšme (priklausomuoju kintamuoju).
## Apibrėžimo sritis ir reikšmių sritis
Apibrėžimo sritis D(f) – visos reikšmės, kurias gali įgyti argumentas x.
Reikšmių sritis E(f) – visos reikšmės, kurias įgyja funkcija, kai x kinta apibrėžimo srityje.

Pvz.:    y = \frac{1}{x – 3}:    D(f) – visi skaičiai, išskyrus 3 (x {\ne} 3);          y = \sqrt{x}:    D(f):  x {\ge} 0,    E(f):  y {\ge} 0.

## Funkcijos reiškimo būdai
Funkcija gali būti nusakyta formule (pvz., y = 2x + 1), lentele, grafiku arba žodžiais.
Funkcijos grafikas – visų koordinačių plokštumos taškų (x; f(x)) aibė, kai x priklauso apibrėžimo sričiai.)")},
        {12, 202, QStringLiteral(R"(## Funkcijos nuliai
Funkcijos nuliai – argumento reikšmės, su kuriomis funkcijos reikšmė lygi nuliui: f(x) = 0.
Ten funkcijos grafikas kerta Ox ašį arba ją liečia.  Pvz.: funkcijos y = 2x – 4 nulis: 2x – 4 = 0, x = 2.

## Didėjanti ir mažėjanti funkcija
Funkcija intervale didėja, jei jame didesnę argumento reikšmę atitinka didesnė funkcijos reikšmė,
ir mažėja, jei didesnę argumento reikšmę atitinka mažesnė funkcijos reikšmė.)")},
    }},
};

}  // namespace rova
