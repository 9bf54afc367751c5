// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace rova::figgen {

// Quality and full-resolution colour (no chroma subsampling) chosen so that
// one-pixel lines and the bitmap face's strokes keep their edges.
inline constexpr int kJpegQuality = 95;

// Encodes `image` as a baseline JPEG with libjpeg, colour at full resolution.
// Returns an empty array if libjpeg fails.
QByteArray EncodeJpeg(const QImage& image, int quality = kJpegQuality);

}  // namespace rova::figgen
