// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage1 = {
    .topic = 1,
    .indexCaption = QStringLiteral("1. Skaičiai. Skaičių dalumas"),
    .title = QStringLiteral("Skaičiai. Skaičių dalumas"),
    .backButtonName = QStringLiteral("LbSpeedButton5"),
    // Three pixels higher than the other pages, so that the radical sign of
    // √2, a label as tall as the sign, ends above the "Grįžti" button.
    .definitions = {.texts = {{12, 17, QStringLiteral(R"(## Pirminiai ir sudėtiniai skaičiai
Pirminis skaičius – natūralusis skaičius, didesnis už 1, kuris dalijasi tik iš 1 ir iš savęs: 2, 3, 5, 7, 11, 13, ...
Sudėtinis skaičius turi daugiau kaip du daliklius: 4, 6, 8, 9, 10, ...   Skaičius 1 nėra nei pirminis, nei sudėtinis.

Kiekvieną sudėtinį skaičių galima išskaidyti pirminiais dauginamaisiais:   60 = 2 · 2 · 3 · 5 = 2^{2} · 3 · 5.
Dalumo požymiai: iš 2 dalijasi skaičiai, kurių paskutinis skaitmuo lyginis; iš 5 – kurių paskutinis skaitmuo 0 arba 5;
iš 10 – kurių paskutinis skaitmuo 0; iš 3 (iš 9) – kurių skaitmenų suma dalijasi iš 3 (iš 9).

## Didžiausias bendrasis daliklis ir mažiausias bendrasis kartotinis
DBD – didžiausias natūralusis skaičius, iš kurio dalijasi kiekvienas duotasis skaičius. Jis lygus bendrųjų pirminių
dauginamųjų, paimtų su mažiausiais laipsnių rodikliais, sandaugai.
MBK – mažiausias natūralusis skaičius, kuris dalijasi iš kiekvieno duotojo skaičiaus. Jis lygus visų skaidiniuose
esančių pirminių dauginamųjų, paimtų su didžiausiais laipsnių rodikliais, sandaugai.

Pavyzdys:   24 = 2^{3} · 3,    36 = 2^{2} · 3^{2};    DBD(24; 36) = 2^{2} · 3 = 12;    MBK(24; 36) = 2^{3} · 3^{2} = 72.
Jei DBD(a; b) = 1, skaičiai a ir b vadinami tarpusavyje pirminiais.

## Skaičių aibės
N – natūraliųjų skaičių aibė: 1, 2, 3, ...           Z – sveikųjų skaičių aibė: ..., –2, –1, 0, 1, 2, ...

Q – racionaliųjų skaičių aibė: visi skaičiai, kuriuos galima užrašyti trupmena \frac{m}{n}, kur m {\in} Z, n {\in} N.

R – realiųjų skaičių aibė: racionalieji ir iracionalieji skaičiai (pvz., \sqrt{2}, π).)")}}},
};

}  // namespace rova
