// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_canvas.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "controls/program_fonts.h"

namespace rova::figgen {
namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;
constexpr double kArrowLength = 5.0;
constexpr double kArrowHalfWidth = 2.5;
constexpr double kTickHalfLength = 3.0;
constexpr double kTickGap = 2.0;

QPen InkPen() {
  QPen pen{QColor(kInk)};
  pen.setWidthF(1.0);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

// The top-left corner at which text with ink box `ink` must be drawn so that
// the box touches `at` on the side that `anchor` names.
QPointF BoxOrigin(const QRectF& ink, QPointF at, Anchor anchor) {
  double x = at.x() - ink.width() / 2.0;
  double y = at.y() - ink.height() / 2.0;
  switch (anchor) {
    case Anchor::Left: x = at.x(); break;
    case Anchor::Right: x = at.x() - ink.width(); break;
    case Anchor::Top: y = at.y(); break;
    case Anchor::Bottom: y = at.y() - ink.height(); break;
    case Anchor::TopLeft: x = at.x(); y = at.y(); break;
    case Anchor::TopRight: x = at.x() - ink.width(); y = at.y(); break;
    case Anchor::BottomLeft: x = at.x(); y = at.y() - ink.height(); break;
    case Anchor::BottomRight: x = at.x() - ink.width(); y = at.y() - ink.height(); break;
    case Anchor::Centre: break;
  }
  return {x, y};
}

}  // namespace

QPointF Dir(double degrees) {
  return {std::cos(degrees * kRadPerDeg), -std::sin(degrees * kRadPerDeg)};
}

double AngleOf(QPointF v) { return std::atan2(-v.y(), v.x()) / kRadPerDeg; }

QPointF Along(QPointF from, double degrees, double distance) {
  return from + Dir(degrees) * distance;
}

double SinDeg(double degrees) { return std::sin(degrees * kRadPerDeg); }
double CosDeg(double degrees) { return std::cos(degrees * kRadPerDeg); }
double TanDeg(double degrees) { return std::tan(degrees * kRadPerDeg); }

QPointF Lerp(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

std::vector<QPointF> SectorPoints(QPointF centre, double radius, double startDeg,
                                  double spanDeg) {
  constexpr int kSteps = 32;
  std::vector<QPointF> points{centre};
  for (int i = 0; i <= kSteps; ++i) {
    points.push_back(Along(centre, startDeg + spanDeg * i / kSteps, radius));
  }
  return points;
}

Canvas::Canvas(QPainter& painter)
    : p_(painter), sans_(SansFont(11)), mark_(SerifMarkFont(8)) {
  // Lines stay aliased: solid black pixels survive JPEG and read at a
  // glance, where smoothed one-pixel lines turn grey.
  p_.setRenderHint(QPainter::Antialiasing, false);
  p_.setRenderHint(QPainter::TextAntialiasing, false);
  p_.translate(0.5, 0.5);
  p_.setPen(InkPen());
  p_.setBrush(Qt::NoBrush);
}

void Canvas::Line(QPointF a, QPointF b) { p_.drawLine(a, b); }

void Canvas::DashedLine(QPointF a, QPointF b) {
  QPen pen = InkPen();
  pen.setDashPattern({3.0, 2.0});
  p_.save();
  p_.setPen(pen);
  p_.drawLine(a, b);
  p_.restore();
}

void Canvas::Polyline(std::initializer_list<QPointF> points) {
  p_.drawPolyline(points.begin(), static_cast<int>(points.size()));
}

void Canvas::Polygon(std::initializer_list<QPointF> points) {
  p_.drawPolygon(points.begin(), static_cast<int>(points.size()));
}

void Canvas::Shade(const std::vector<QPointF>& points) {
  p_.save();
  p_.setPen(Qt::NoPen);
  p_.setBrush(QColor(kShade));
  p_.setRenderHint(QPainter::Antialiasing, true);
  p_.drawPolygon(points.data(), static_cast<int>(points.size()));
  p_.restore();
}

void Canvas::Circle(QPointF centre, double radius) { p_.drawEllipse(centre, radius, radius); }

void Canvas::Dot(QPointF centre, double radius) {
  p_.save();
  p_.setBrush(QColor(kInk));
  p_.setRenderHint(QPainter::Antialiasing, true);
  p_.drawEllipse(centre, radius, radius);
  p_.restore();
}

void Canvas::Arc(QPointF centre, double radius, double startDeg, double spanDeg) {
  const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  p_.drawArc(box, static_cast<int>(std::lround(startDeg * 16)),
             static_cast<int>(std::lround(spanDeg * 16)));
}

void Canvas::RightAngle(QPointF vertex, double deg1, double deg2, double size) {
  const QPointF a = Along(vertex, deg1, size);
  const QPointF b = Along(vertex, deg2, size);
  Polyline({a, a + (b - vertex), b});
}

void Canvas::Ticks(QPointF a, QPointF b, int count) {
  const QPointF mid = Lerp(a, b, 0.5);
  const double along = AngleOf(b - a);
  for (int i = 0; i < count; ++i) {
    const double offset = (i - (count - 1) / 2.0) * kTickGap;
    const QPointF c = Along(mid, along, offset);
    Line(Along(c, along + 90, kTickHalfLength), Along(c, along - 90, kTickHalfLength));
  }
}

void Canvas::Arrow(QPointF from, QPointF to) {
  Line(from, to);
  const double back = AngleOf(from - to);
  const QPointF base = Along(to, back, kArrowLength);
  p_.save();
  p_.setBrush(QColor(kInk));
  const QPointF head[] = {to, Along(base, back + 90, kArrowHalfWidth),
                          Along(base, back - 90, kArrowHalfWidth)};
  p_.drawPolygon(head, 3);
  p_.restore();
}

void Canvas::AxisMark(QPointF at, bool onXAxis) {
  if (onXAxis) {
    Line(at + QPointF(0, -2), at + QPointF(0, 2));
  } else {
    Line(at + QPointF(-2, 0), at + QPointF(2, 0));
  }
}

void Canvas::Axes(QPointF origin, double left, double right, double top, double bottom) {
  Arrow({left, origin.y()}, {right, origin.y()});
  Arrow({origin.x(), bottom}, {origin.x(), top});
  Label(QStringLiteral("x"), {right, origin.y() + 4}, Anchor::TopRight);
  Label(QStringLiteral("y"), {origin.x() + 5, top}, Anchor::TopLeft);
}

void Canvas::FillPixels(const QRect& pixels, QRgb colour) {
  p_.save();
  p_.resetTransform();
  p_.fillRect(pixels, QColor(colour));
  p_.restore();
}

void Canvas::DrawText(const QString& text, const QFont& font, QPointF at, Anchor anchor,
                      bool bold) {
  const QFontMetrics fm(font);
  const QRect ink = fm.tightBoundingRect(text);
  const QPointF origin = BoxOrigin(QRectF(ink).adjusted(0, 0, bold ? 1 : 0, 0), at, anchor);
  // Text is placed on whole pixels: the bitmap face has no in-between.
  const QPointF pen(std::round(origin.x() - ink.left()), std::round(origin.y() - ink.top()));
  p_.save();
  p_.resetTransform();
  p_.setFont(font);
  p_.setPen(QColor(kInk));
  p_.drawText(pen, text);
  if (bold) p_.drawText(pen + QPointF(1, 0), text);  // the face has no bold of its own
  p_.restore();
}

void Canvas::Label(const QString& text, QPointF at, Anchor anchor) {
  DrawText(text, sans_, at, anchor, false);
}

void Canvas::BoldLabel(const QString& text, QPointF at, Anchor anchor) {
  DrawText(text, sans_, at, anchor, true);
}

void Canvas::Degrees(int value, QPointF at, Anchor anchor) {
  Label(QString::number(value) + QChar(0x00B0), at, anchor);
}

void Canvas::Indexed(const QString& letter, const QString& index, QPointF at, Anchor anchor) {
  const QFontMetrics big(sans_);
  const QFontMetrics small(mark_);
  const QRect letterInk = big.tightBoundingRect(letter);
  const QRect indexInk = small.tightBoundingRect(index);
  constexpr int kIndexDrop = 3;  // below the letter's baseline
  // The pair's ink box: the letter, then the index hanging below its foot.
  const QRectF box(0, 0, letterInk.width() + 1 + indexInk.width(),
                   letterInk.height() + kIndexDrop);
  const QPointF origin = BoxOrigin(box, at, anchor);
  const QPointF letterPen(std::round(origin.x() - letterInk.left()),
                          std::round(origin.y() - letterInk.top()));
  const QPointF indexPen(std::round(origin.x() + letterInk.width() + 1 - indexInk.left()),
                         std::round(origin.y() + box.height() - indexInk.bottom() - 1));
  p_.save();
  p_.resetTransform();
  p_.setPen(QColor(kInk));
  p_.setFont(sans_);
  p_.drawText(letterPen, letter);
  p_.setFont(mark_);
  p_.drawText(indexPen, index);
  p_.restore();
}

}  // namespace rova::figgen
