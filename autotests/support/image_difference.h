// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace rova::testing {

// How far a picture drawn at a scale is from the 1x picture scaled: the
// scaled one shrunk to the 1x size and both softened, the mean difference of
// the colour channels (0 to 1) in the worst tile of 40 x 40 pixels (tiles at
// the right and bottom edges overlap their neighbours, so every tile is
// whole). 0 for a picture that is the 1x picture enlarged pixel by pixel.
double WorstTileDifference(const QImage& oneX, const QImage& scaled);

}  // namespace rova::testing
