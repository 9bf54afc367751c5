// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <cmath>

namespace rova {

// The off-screen image a control paints `size` logical pixels into on a
// screen of `scale`: as many pixels as the screen gives it, with its ratio
// set, so that painting in logical pixels fills it at the screen's own
// resolution and copying it at (0, 0) is pixel for pixel.
inline QImage ScaledImage(QSize size, double scale, QImage::Format format) {
  if (scale == 1.0) return QImage(size, format);
  QImage image(static_cast<int>(std::ceil(size.width() * scale - 1e-9)),
               static_cast<int>(std::ceil(size.height() * scale - 1e-9)), format);
  image.setDevicePixelRatio(scale);
  return image;
}

}  // namespace rova
