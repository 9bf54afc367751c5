// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_difference.h"

#include <algorithm>
#include <cmath>

namespace rova::testing {

namespace {

// A 3 x 3 binomial blur: shrunk text and 1x text differ in their exact
// pixels but not in where their ink lies.
QImage Soften(const QImage& image) {
  const QImage source = image.convertToFormat(QImage::Format_RGB32);
  QImage soft(source.size(), QImage::Format_RGB32);
  const int w = source.width();
  const int h = source.height();
  for (int y = 0; y < h; ++y) {
    auto* out = reinterpret_cast<QRgb*>(soft.scanLine(y));
    for (int x = 0; x < w; ++x) {
      int sum[3] = {0, 0, 0};
      int weights = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int sx = std::clamp(x + dx, 0, w - 1);
          const int sy = std::clamp(y + dy, 0, h - 1);
          const int weight = (dx == 0 ? 2 : 1) * (dy == 0 ? 2 : 1);
          const QRgb p = reinterpret_cast<const QRgb*>(source.constScanLine(sy))[sx];
          sum[0] += qRed(p) * weight;
          sum[1] += qGreen(p) * weight;
          sum[2] += qBlue(p) * weight;
          weights += weight;
        }
      }
      out[x] = qRgb(sum[0] / weights, sum[1] / weights, sum[2] / weights);
    }
  }
  return soft;
}

}  // namespace

double WorstTileDifference(const QImage& oneX, const QImage& scaled) {
  constexpr int kTile = 40;
  const QImage a = Soften(oneX);
  const QImage b = Soften(scaled.scaled(oneX.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  double worst = 0;
  for (int row = 0; row < a.height(); row += kTile) {
    for (int column = 0; column < a.width(); column += kTile) {
      const int top = std::max(0, std::min(row, a.height() - kTile));
      const int left = std::max(0, std::min(column, a.width() - kTile));
      double sum = 0;
      int count = 0;
      for (int y = top; y < std::min(top + kTile, a.height()); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = left; x < std::min(left + kTile, a.width()); ++x) {
          sum += std::abs(qRed(pa[x]) - qRed(pb[x])) + std::abs(qGreen(pa[x]) - qGreen(pb[x])) +
                 std::abs(qBlue(pa[x]) - qBlue(pb[x]));
          ++count;
        }
      }
      worst = std::max(worst, sum / (3.0 * 255.0 * count));
    }
  }
  return worst;
}

}  // namespace rova::testing
