// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPointF>

namespace rova::figgen {

// The program's emblem, the mark in the splash's top left corner and the
// program's icon: a blue square holding a right triangle, its inscribed
// circle and the mark of its right angle, in the ground colour. Its
// coordinates are a 72 x 72 box.
inline constexpr int kEmblemSide = 72;

// Draws the emblem with its top left corner at `topLeft`, scaled by `scale`.
// Strokes never get thinner than `minStrokePixels` device pixels, so that the
// small icons keep their lines; `details` false leaves out the inner square
// and the right-angle mark, which only blur the smallest icons.
void DrawEmblem(QPainter& p, QPointF topLeft, double scale = 1.0, double minStrokePixels = 0.0,
                bool details = true);

// The emblem as an icon of side x side pixels; below 32 pixels without the
// details.
QImage EmblemIcon(int side);

// The same drawing as scalable vector art (SVG).
QByteArray EmblemSvg();

}  // namespace rova::figgen
