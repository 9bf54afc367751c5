// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/heavy_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace rova {

namespace {

// Outline width per pixel of font size: 1.2 pixels at 29 pixels, half a pixel at 11.
constexpr qreal kOutlinePerPixel = 1.0 / 24.0;

}  // namespace

void DrawHeavyText(QPainter& painter, const QFont& face, const QString& text, const QColor& colour) {
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.addText(0, QFontMetrics(face).ascent(), face, text);
  painter.setPen(QPen(colour, face.pixelSize() * kOutlinePerPixel));
  painter.setBrush(colour);
  painter.drawPath(path);
}

}  // namespace rova
