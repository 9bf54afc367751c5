// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage10 = {
    .topic = 10,
    .indexCaption = QStringLiteral("10. Funkcijų grafikai"),
    .title = QStringLiteral("Funkcijų grafikai"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {
        .texts = {
            {12, 20, QStringLiteral(R"(## Tiesinė funkcija  y = kx + b
Grafikas – tiesė; ji kerta Oy ašį taške (0; b).
k – krypties koeficientas: kai k > 0, funkcija didėja, kai k < 0 – mažėja;
kai k = 0, grafikas – tiesė y = b, lygiagreti Ox ašiai (kai b = 0 – pati Ox ašis).
Kai b = 0 ir k {\ne} 0, y = kx – tiesioginis proporcingumas; grafikas
eina per koordinačių pradžią (0; 0).
## Kvadratinė funkcija

y = ax^{2} + bx + c  (a {\ne} 0).   Grafikas – parabolė; kai a > 0, jos šakos
nukreiptos aukštyn, kai a < 0 – žemyn.)")},
            {12, 170, QStringLiteral(R"(Parabolės viršūnės abscisė   x_{0} = – \frac{b}{2a}.      y = a(x – m)^{2} + n:  viršūnė (m; n).)")},
            {12, 198, QStringLiteral(R"(## Atvirkštinis proporcingumas

y = \frac{k}{x}   (k {\ne} 0).   Grafikas – hiperbolė; jos šakos yra)")},
            {12, 250, QStringLiteral(R"(I ir III ketvirčiuose, kai k > 0, ir II bei IV ketvirčiuose, kai k < 0.)")},
            {12, 282, QStringLiteral(R"(Kitos funkcijos:   y = \sqrt{x}  (x {\ge} 0),   y = x^{3},   y = | x |.)")},
        },
        .pictures = {{414, 20, QStringLiteral("hb_10_1")}},
    },
};

}  // namespace rova
