// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/heavy_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace rova {

namespace {

// Outline width per pixel of font size: 1.2 pixels at 29 pixels, half a pixel at 11.
constexpr qreal kOutlinePerPixel = 1.0 / 24.0;

}  // namespace

HeavyLabel::HeavyLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void HeavyLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFont& face = font();
  QPainterPath path;
  path.addText(0, QFontMetrics(face).ascent(), face, text());
  const QColor colour = palette().color(QPalette::WindowText);
  painter.setPen(QPen(colour, face.pixelSize() * kOutlinePerPixel));
  painter.setBrush(colour);
  painter.drawPath(path);
}

}  // namespace rova
