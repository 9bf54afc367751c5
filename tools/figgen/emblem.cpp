// SPDX-License-Identifier: GPL-3.0-or-later
#include "emblem.h"

#include <QPen>
#include <algorithm>
#include <cmath>

#include "figure_canvas.h"

namespace rova::figgen {
namespace {

// One description of the emblem serves the painter and the SVG writer.
constexpr double kInset = 6;                // the inner square's margin
constexpr QPointF kCorner(12, 60), kRight(60, 60), kTop(12, 12);
constexpr double kLeg = 48;
constexpr double kInRadius = kLeg * (2 - 1.41421356) / 2;  // r = (a + b - c) / 2
constexpr double kMark = 8;                 // side of the right-angle mark
constexpr double kStroke = 2;

QString Hex(QRgb rgb) { return QColor(rgb).name(); }

QString Num(double v) { return QString::number(v, 'g', 8); }

}  // namespace

void DrawEmblem(QPainter& p, QPointF topLeft, double scale, double minStrokePixels, bool details) {
  p.save();
  p.translate(topLeft);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRectF(0, 0, kEmblemSide, kEmblemSide), QColor(kFrameBlue));
  QPen groundPen{QColor(kGround)};
  groundPen.setWidthF(std::max(kStroke, minStrokePixels / scale));
  p.setPen(groundPen);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (details) p.drawRect(QRectF(kInset, kInset, kEmblemSide - 2 * kInset, kEmblemSide - 2 * kInset));
  const QPointF tri[] = {kCorner, kRight, kTop};
  p.drawPolygon(tri, 3);
  p.drawEllipse(QPointF(kCorner.x() + kInRadius, kCorner.y() - kInRadius), kInRadius, kInRadius);
  if (!details) {
    p.restore();
    return;
  }
  p.drawLine(QPointF(kCorner.x(), kCorner.y() - kMark), QPointF(kCorner.x() + kMark, kCorner.y() - kMark));
  p.drawLine(QPointF(kCorner.x() + kMark, kCorner.y() - kMark), QPointF(kCorner.x() + kMark, kCorner.y()));
  p.restore();
}

QImage EmblemIcon(int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  DrawEmblem(p, QPointF(0, 0), double(side) / kEmblemSide, 1.0, side >= 32);
  p.end();
  return image;
}

QByteArray EmblemSvg() {
  const QString s = Num(kEmblemSide);
  const QString inner = Num(kEmblemSide - 2 * kInset);
  const QPointF centre(kCorner.x() + kInRadius, kCorner.y() - kInRadius);
  QString svg;
  svg += QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
             "  <rect width=\"%1\" height=\"%1\" fill=\"%2\"/>\n")
             .arg(s, Hex(kFrameBlue));
  // Qt's default pen: square caps, bevelled joins.
  svg += QStringLiteral(
             "  <g fill=\"none\" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"square\" "
             "stroke-linejoin=\"bevel\">\n")
             .arg(Hex(kGround), Num(kStroke));
  svg += QStringLiteral("    <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\"/>\n").arg(Num(kInset), inner);
  svg += QStringLiteral("    <polygon points=\"%1,%2 %3,%4 %5,%6\"/>\n")
             .arg(Num(kCorner.x()), Num(kCorner.y()), Num(kRight.x()), Num(kRight.y()), Num(kTop.x()),
                  Num(kTop.y()));
  svg += QStringLiteral("    <circle cx=\"%1\" cy=\"%2\" r=\"%3\"/>\n")
             .arg(Num(centre.x()), Num(centre.y()), Num(kInRadius));
  svg += QStringLiteral("    <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\"/>\n")
             .arg(Num(kCorner.x()), Num(kCorner.y() - kMark), Num(kCorner.x() + kMark));
  svg += QStringLiteral("    <line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\"/>\n")
             .arg(Num(kCorner.x() + kMark), Num(kCorner.y() - kMark), Num(kCorner.y()));
  svg += QStringLiteral("  </g>\n</svg>\n");
  return svg.toUtf8();
}

}  // namespace rova::figgen
