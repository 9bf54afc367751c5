// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace rova {

// The controls' own pictures, carried as resources: "DEFCHK" (four 12 x 12
// box cells), "AMRADIO" (four 10 x 10 radio cells: unchecked, checked,
// greyed, greyed), "LBOK" ... "LBALL" (stock glyph strips, normal and
// disabled) and "LBARROW" (the 5 x 3 popup marker). A null image for an
// unknown name.
QImage ControlBitmap(const QString& name);

}  // namespace rova
