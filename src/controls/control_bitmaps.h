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

// The sharpest copy of `bitmap` for a screen of `scale`: where the scale is
// above 1 and `bitmap` is one of the pictures above as ControlBitmap gave it
// (a changed copy is not), its copy drawn at twice the size, with a device
// pixel ratio of 2; `bitmap` itself otherwise. A 1x screen never loads a 2x
// copy.
QImage ControlBitmapForScale(const QImage& bitmap, double scale);

}  // namespace rova
