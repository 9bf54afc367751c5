// SPDX-License-Identifier: GPL-3.0-or-later
// Statement figures of topics 1 to 9.
#include <cmath>

#include "figures.h"

namespace rova::figgen {
namespace {

const QString kOne = QStringLiteral("1");

// Eight equal sectors, the two round 45-90 and 225-270 degrees shaded.
void DrawFigure_1_1(Canvas& c) {
  const QPointF o(54, 53);
  constexpr double r = 50;
  c.Shade(SectorPoints(o, r, 45, 45));
  c.Shade(SectorPoints(o, r, 225, 45));
  c.Circle(o, r);
  for (int deg = 0; deg < 180; deg += 45) c.Line(Along(o, deg, r), Along(o, deg + 180, r));
}

// The playground plan: a shaded rectangle, a circle in the middle and a
// half circle against each short side; drawn 56 : 32 like the real one.
void DrawFigure_2_4(Canvas& c) {
  const QRectF plan(4, 6, 96, 55);
  const QPointF mid = plan.center();
  c.Shade({plan.topLeft(), plan.topRight(), plan.bottomRight(), plan.bottomLeft()});
  c.painter().drawRect(plan);
  c.Circle(mid, 10);
  c.Arc({plan.left(), mid.y()}, 10, -90, 180);
  c.Arc({plan.right(), mid.y()}, 10, 90, 180);
  c.Label(QStringLiteral("32 mm"), {plan.right() + 4, mid.y()}, Anchor::Left);
  c.Label(QStringLiteral("56 mm"), {mid.x(), plan.bottom() + 5}, Anchor::Top);
}

// A 10 x 10 grid of 14-pixel cells with the cells of ShadedCells_4_1 filled.
void DrawFigure_4_1(Canvas& c) {
  constexpr int kCell = 14;
  for (const QPoint& cell : ShadedCells_4_1()) {
    c.FillPixels(QRect(cell.x() * kCell + 1, cell.y() * kCell + 1, kCell - 1, kCell - 1));
  }
  for (int i = 0; i <= 10; ++i) {
    const double at = i * kCell;
    c.Line({at, 0.0}, {at, 10.0 * kCell});
    c.Line({0.0, at}, {10.0 * kCell, at});
  }
}

// y = f(x) = 2^-x: steep on the left, through (0; 1), flat on the right.
void DrawFigure_9_1(Canvas& c) {
  const QPointF o(44, 100);
  constexpr double u = 16;
  c.Axes(o, 2, 104, 4, 119);
  QPolygonF curve;
  for (double x = -2.55; x <= 3.6; x += 0.05) curve << QPointF(o.x() + x * u, o.y() - std::pow(2.0, -x) * u);
  c.painter().drawPolyline(curve);
  c.AxisMark({o.x() + u, o.y()}, true);
  c.AxisMark({o.x(), o.y() - u}, false);
  c.Label(kOne, {o.x() + u, o.y() + 4}, Anchor::Top);
  c.Label(kOne, {o.x() - 4, o.y() - u + 2}, Anchor::TopRight);
  c.Label(QStringLiteral("0"), {o.x() - 3, o.y() + 4}, Anchor::TopRight);
  c.Label(QStringLiteral("y = f(x)"), {o.x() + 38, o.y() - 22}, Anchor::Bottom);
}

// y = g(x) on [-2; 4]: negative left of the origin, above 1 at its right end.
void DrawFigure_9_2(Canvas& c) {
  const QPointF o(40, 56);
  constexpr double u = 13;
  c.Axes(o, 4, 104, 4, 102);
  auto g = [](double x) { return 1.5 * std::tanh(x / 1.5); };
  QPolygonF curve;
  for (double x = -2; x <= 4.001; x += 0.05) curve << QPointF(o.x() + x * u, o.y() - g(x) * u);
  c.painter().drawPolyline(curve);
  c.Dot(curve.first());
  c.Dot(curve.last());
  for (int x = -2; x <= 4; ++x) {
    if (x != 0) c.AxisMark({o.x() + x * u, o.y()}, true);
  }
  c.AxisMark({o.x(), o.y() - u}, false);
  c.DashedLine({o.x(), o.y() - u}, {o.x() + 4 * u, o.y() - u});
  c.Label(kOne, {o.x() + u, o.y() + 4}, Anchor::Top);
  c.Label(QStringLiteral("4"), {o.x() + 4 * u, o.y() + 4}, Anchor::Top);
  c.Label(kOne, {o.x() - 4, o.y() - u}, Anchor::Right);
  c.Label(QStringLiteral("0"), {o.x() - 2, o.y() + 7}, Anchor::TopRight);
  c.Label(QStringLiteral("y = g(x)"), {o.x() + 3 * u, o.y() - 2 * u - 3}, Anchor::Bottom);
}

// The four small graphs of task 9-3 share their axes and letter.
void SmallAxes(Canvas& c, const QString& letter) {
  c.Axes({36, 40}, 4, 70, 3, 62);
  c.Label(QStringLiteral("0"), {39, 43}, Anchor::TopLeft);
  c.BoldLabel(letter, {31, 3}, Anchor::TopRight);
}

void DrawFigure_9_3a(Canvas& c) {
  SmallAxes(c, QStringLiteral("A"));
  c.Polyline({{6, 16}, {36, 32}, {66, 16}});
}

void DrawFigure_9_3b(Canvas& c) {
  SmallAxes(c, QStringLiteral("B"));
  c.Line({6, 24}, {66, 24});
}

void DrawFigure_9_3c(Canvas& c) {
  SmallAxes(c, QStringLiteral("C"));
  c.Polyline({{6, 52}, {24, 52}, {48, 28}, {66, 28}});
}

void DrawFigure_9_3d(Canvas& c) {
  SmallAxes(c, QStringLiteral("D"));
  c.Line({48, 40}, {66, 12});
  c.Line({48, 40}, {66, 60});
}

// A broken line from (-2; -1) up to (0; 1) and down to (2; -1).
void DrawFigure_9_4(Canvas& c) {
  const QPointF o(76, 46);
  constexpr double ux = 28;
  constexpr double uy = 22;
  c.Axes(o, 4, 148, 4, 90);
  const QPointF left(o.x() - 2 * ux, o.y() + uy);
  const QPointF top(o.x(), o.y() - uy);
  const QPointF right(o.x() + 2 * ux, o.y() + uy);
  c.Polyline({left, top, right});
  c.Dot(left);
  c.Dot(right);
  for (int x : {-2, -1, 1, 2}) c.AxisMark({o.x() + x * ux, o.y()}, true);
  c.AxisMark({o.x(), o.y() - uy}, false);
  c.AxisMark({o.x(), o.y() + uy}, false);
  c.Label(QStringLiteral("-2"), {o.x() - 2 * ux, o.y() - 4}, Anchor::Bottom);
  c.Label(QStringLiteral("-1"), {o.x() - ux + 2, o.y() + 4}, Anchor::TopLeft);
  c.Label(kOne, {o.x() + ux - 2, o.y() + 4}, Anchor::TopRight);
  c.Label(QStringLiteral("2"), {o.x() + 2 * ux, o.y() - 4}, Anchor::Bottom);
  c.Label(kOne, {o.x() - 4, o.y() - uy - 2}, Anchor::BottomRight);
  c.Label(QStringLiteral("-1"), {o.x() - 4, o.y() + uy}, Anchor::Right);
  c.Label(QStringLiteral("0"), {o.x() - 3, o.y() + 4}, Anchor::TopRight);
  c.Label(QStringLiteral("y = f(x)"), {o.x() + 12, o.y() - uy - 2}, Anchor::Left);
}

}  // namespace

std::vector<QPoint> ShadedCells_4_1() {
  std::vector<QPoint> cells;
  for (int col = 0; col < 10; ++col) cells.emplace_back(col, 0);
  for (int row = 1; row <= 8; ++row) {
    cells.emplace_back(9 - row, row);
    cells.emplace_back(10 - row, row);
  }
  for (int col = 0; col < 10; ++col) cells.emplace_back(col, 9);
  return cells;
}

const std::vector<Drawer>& DrawersTopics1To9() {
  static const std::vector<Drawer> drawers = {
      {"fig_1_1", DrawFigure_1_1},   {"fig_2_4", DrawFigure_2_4},
      {"fig_4_1", DrawFigure_4_1},   {"fig_9_1", DrawFigure_9_1},
      {"fig_9_2", DrawFigure_9_2},   {"fig_9_3a", DrawFigure_9_3a},
      {"fig_9_3b", DrawFigure_9_3b}, {"fig_9_3c", DrawFigure_9_3c},
      {"fig_9_3d", DrawFigure_9_3d}, {"fig_9_4", DrawFigure_9_4},
  };
  return drawers;
}

}  // namespace rova::figgen
