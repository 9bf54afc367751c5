// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage13 = {
    .topic = 13,
    .indexCaption = QStringLiteral("13. Tiesės. Kampai"),
    .title = QStringLiteral("Tiesės. Kampai"),
    .backButtonName = QStringLiteral("LbSpeedButton1"),
    .definitions = {
        .texts = {
            {12, 20, QStringLiteral(R"(## Kampų rūšys
Smailusis kampas mažesnis už 90°, statusis lygus 90°, bukasis didesnis už 90°, bet mažesnis už 180°, ištiestinis lygus 180°.
Gretutiniai kampai turi bendrą kraštinę, o kitos dvi jų kraštinės sudaro tiesę; jų suma lygi 180°.
Kryžminiai kampai (vieno kampo kraštinės yra kito kampo kraštinių tęsiniai) lygūs.
## Tiesės
Dvi skirtingos tiesės, esančios vienoje plokštumoje, arba kertasi (turi vieną bendrą tašką), arba yra lygiagrečios (bendrų taškų neturi).)")},
            {12, 98, QStringLiteral(R"(a {\parallel} b – tiesės a ir b lygiagrečios;    a {\perp} b – tiesės a ir b statmenos (kertasi stačiu kampu).
Per tašką, nesantį tiesėje, galima nubrėžti tik vieną tiesę, lygiagrečią duotajai.)")},
            {12, 124, QStringLiteral(R"(## Lygiagrečių tiesių požymiai
Dvi tiesės, perkirstos trečiąja tiese (kirstine), yra lygiagrečios, jei atitinkamieji kampai lygūs ({\angle}1 = {\angle}5),
arba priešiniai kampai lygūs ({\angle}3 = {\angle}5), arba vienašalių kampų suma lygi 180° ({\angle}4 + {\angle}5 = 180°).
Ir atvirkščiai: lygiagrečias tieses perkirtus kirstine, atitinkamieji ir priešiniai kampai lygūs, o vienašalių kampų suma lygi 180°.)")},
        },
        .pictures = {{12, 200, QStringLiteral("hb_13_1")},
                     {262, 200, QStringLiteral("hb_13_2")},
                     {390, 200, QStringLiteral("hb_13_3")},
                     {506, 200, QStringLiteral("hb_13_4")}},
    },
};

}  // namespace rova
