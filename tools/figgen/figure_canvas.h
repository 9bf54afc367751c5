// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <initializer_list>
#include <vector>

namespace rova::figgen {

// The colours of every figure: black lines on the windows' light grey,
// shaded parts in a greyish blue light enough for black labels on it.
inline constexpr QRgb kGround = qRgb(232, 228, 229);
inline constexpr QRgb kInk = qRgb(0, 0, 0);
inline constexpr QRgb kShade = qRgb(163, 175, 206);
inline constexpr QRgb kFrameBlue = qRgb(132, 146, 181);

// Where a label sits relative to the point it is placed at: the side of the
// label's ink box that touches the point.
enum class Anchor {
  Centre,
  Left,         // label starts at the point, vertically centred
  Right,        // label ends at the point
  Top,          // label hangs below the point, horizontally centred
  Bottom,       // label stands on the point
  TopLeft,
  TopRight,
  BottomLeft,
  BottomRight,
};

// The unit vector at `degrees` counter-clockwise from the +x axis, on screen
// (y grows downwards).
QPointF Dir(double degrees);
// The direction of `v` in the same convention.
double AngleOf(QPointF v);
// The point `distance` from `from` in the direction `degrees`.
QPointF Along(QPointF from, double degrees, double distance);
double SinDeg(double degrees);
double CosDeg(double degrees);
double TanDeg(double degrees);
// The point a fraction `t` of the way from a to b.
QPointF Lerp(QPointF a, QPointF b, double t);

// The outline of a circular sector, for shading it.
std::vector<QPointF> SectorPoints(QPointF centre, double radius, double startDeg, double spanDeg);

// Drawing helpers over a QPainter. Coordinates are pixels of the picture;
// whole numbers land on pixel centres so that level and upright lines stay
// one pixel wide and crisp.
class Canvas {
 public:
  explicit Canvas(QPainter& painter);

  QPainter& painter() { return p_; }

  void Line(QPointF a, QPointF b);
  void DashedLine(QPointF a, QPointF b);
  void Polyline(std::initializer_list<QPointF> points);
  void Polygon(std::initializer_list<QPointF> points);  // outline only
  void Shade(const std::vector<QPointF>& points);       // fill, no outline
  void Circle(QPointF centre, double radius);
  void Dot(QPointF centre, double radius = 2.0);  // a filled end point
  // An arc round `centre` from `startDeg` turning counter-clockwise by `spanDeg`.
  void Arc(QPointF centre, double radius, double startDeg, double spanDeg);
  // The small square in a right angle at `vertex` between the two directions.
  void RightAngle(QPointF vertex, double deg1, double deg2, double size = 5.0);
  // `count` short strokes across the middle of a-b, the mark of equal parts.
  void Ticks(QPointF a, QPointF b, int count = 1);
  // An axis from `from` to `to` with an arrow head at `to`.
  void Arrow(QPointF from, QPointF to);
  // A small stroke across an axis at `at`, upright or level.
  void AxisMark(QPointF at, bool onXAxis);
  // Axes crossing at `origin`, arrows at `right` and `top`, named x and y.
  void Axes(QPointF origin, double left, double right, double top, double bottom);
  // Fills whole pixels, for cells that must meet the grid lines exactly.
  void FillPixels(const QRect& pixels, QRgb colour = kShade);

  // Text in the windows' 11-pixel sans-serif face.
  void Label(const QString& text, QPointF at, Anchor anchor = Anchor::Centre);
  void BoldLabel(const QString& text, QPointF at, Anchor anchor = Anchor::Centre);
  // "130" followed by a degree mark.
  void Degrees(int value, QPointF at, Anchor anchor = Anchor::Centre);
  // A letter with a lowered index, as A1 written A with a small 1 below.
  void Indexed(const QString& letter, const QString& index, QPointF at,
               Anchor anchor = Anchor::Centre);

 private:
  void DrawText(const QString& text, const QFont& font, QPointF at, Anchor anchor, bool bold);
  QPainter& p_;
  QFont sans_;
  QFont mark_;
};

}  // namespace rova::figgen
