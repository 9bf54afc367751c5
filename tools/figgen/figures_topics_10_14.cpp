// SPDX-License-Identifier: GPL-3.0-or-later
// Statement figures of topics 10, 13 and 14.
#include <cmath>

#include "figures.h"

namespace rova::figgen {
namespace {

// The line y = 2x through the origin and (1; 2).
void DrawFigure_10_1(Canvas& c) {
  const QPointF o(30, 80);
  constexpr double u = 18;
  c.Axes(o, 4, 77, 4, 107);
  c.Line({o.x() - 0.6 * u, o.y() + 1.2 * u}, {o.x() + 2.0 * u, o.y() - 4.0 * u});
  const QPointF p(o.x() + u, o.y() - 2 * u);
  c.DashedLine(p, {p.x(), o.y()});
  c.DashedLine(p, {o.x(), p.y()});
  c.Dot(p, 1.5);
  c.AxisMark({p.x(), o.y()}, true);
  c.AxisMark({o.x(), p.y()}, false);
  c.Label(QStringLiteral("1"), {p.x(), o.y() + 4}, Anchor::Top);
  c.Label(QStringLiteral("2"), {o.x() - 4, p.y()}, Anchor::Right);
  c.Label(QStringLiteral("0"), {o.x() + 3, o.y() + 4}, Anchor::TopLeft);
}

// y = x^2 through (-3; 9), (-1; 1), (1; 1) and (3; 9).
void DrawFigure_10_4(Canvas& c) {
  const QPointF o(71, 152);
  constexpr double ux = 18;
  constexpr double uy = 14;
  c.Axes(o, 3, 140, 3, 166);
  QPolygonF curve;
  for (double x = -3.2; x <= 3.201; x += 0.05) curve << QPointF(o.x() + x * ux, o.y() - x * x * uy);
  c.painter().drawPolyline(curve);
  for (int x : {-3, -1, 1, 3}) {
    const QPointF p(o.x() + x * ux, o.y() - x * x * uy);
    c.Dot(p, 1.5);
    c.DashedLine(p, {p.x(), o.y()});
    c.AxisMark({p.x(), o.y()}, true);
    c.Label(QString::number(x), {p.x(), o.y() + 4}, Anchor::Top);
  }
  c.DashedLine({o.x() - 3 * ux, o.y() - 9 * uy}, {o.x() + 3 * ux, o.y() - 9 * uy});
  c.DashedLine({o.x() - ux, o.y() - uy}, {o.x() + ux, o.y() - uy});
  for (int y : {1, 4, 9}) {
    c.AxisMark({o.x(), o.y() - y * uy}, false);
    c.Label(QString::number(y), {o.x() - 4, o.y() - y * uy - 2}, Anchor::BottomRight);
  }
}

// y = -2(x + 2)^2 + 2: vertex (-2; 2), through (0; -6).
void DrawFigure_10_5(Canvas& c) {
  const QPointF o(82, 42);
  constexpr double ux = 19;
  constexpr double uy = 14;
  c.Axes(o, 3, 110, 3, 141);
  auto f = [](double x) { return -2 * (x + 2) * (x + 2) + 2; };
  QPolygonF curve;
  for (double x = -3.95; x <= 0.101; x += 0.025) curve << QPointF(o.x() + x * ux, o.y() - f(x) * uy);
  c.painter().drawPolyline(curve);
  const QPointF vertex(o.x() - 2 * ux, o.y() - 2 * uy);
  c.Dot(vertex, 1.5);
  c.Dot({o.x(), o.y() + 6 * uy}, 1.5);
  c.DashedLine(vertex, {vertex.x(), o.y()});
  c.DashedLine(vertex, {o.x(), vertex.y()});
  for (int x : {-3, -2, -1, 1}) c.AxisMark({o.x() + x * ux, o.y()}, true);
  // The curve crosses the axis at -3 and -1: each number on the free side.
  c.Label(QStringLiteral("-3"), {o.x() - 3 * ux + 2, o.y() + 3}, Anchor::TopLeft);
  c.Label(QStringLiteral("-2"), {o.x() - 2 * ux - 2, o.y() - 3}, Anchor::BottomRight);
  c.Label(QStringLiteral("-1"), {o.x() - ux - 2, o.y() + 3}, Anchor::TopRight);
  c.Label(QStringLiteral("1"), {o.x() + ux, o.y() - 4}, Anchor::Bottom);
  for (int y : {1, 2, -6}) c.AxisMark({o.x(), o.y() - y * uy}, false);
  c.Label(QStringLiteral("1"), {o.x() + 4, o.y() - uy}, Anchor::Left);
  c.Label(QStringLiteral("2"), {o.x() + 4, o.y() - 2 * uy}, Anchor::Left);
  c.Label(QStringLiteral("-6"), {o.x() - 4, o.y() + 6 * uy}, Anchor::Right);
  c.Label(QStringLiteral("0"), {o.x() + 3, o.y() + 4}, Anchor::TopLeft);
}

// Two rays 40 degrees apart; the reflex angle round their point is 320.
void DrawFigure_13_1(Canvas& c) {
  const QPointF v(48, 38);
  c.Line(v, Along(v, 10, 40));
  c.Line(v, Along(v, 50, 40));
  c.Arc(v, 9, 50, 320);
  c.Arc(v, 17, 10, 40);
  c.Degrees(320, Along(v, 215, 21));
  c.Label(QStringLiteral("x"), Along(v, 30, 24));
}

// A plank leaning on a wall at 68 degrees to the floor; x is its outer angle.
void DrawFigure_13_2(Canvas& c) {
  const QPointF foot(52, 126);
  constexpr double floorY = 126;
  constexpr double wallX = 10;
  c.Line({wallX, 4}, {wallX, floorY});
  c.Line({wallX, floorY}, {74, floorY});
  for (double y = 8; y <= floorY; y += 6) c.Line({wallX, y}, {wallX - 5, y + 5});
  for (double x = 14; x <= 74; x += 6) c.Line({x, floorY}, {x - 5, floorY + 5});
  const double rise = (foot.x() - wallX) * TanDeg(68);
  const QPointF top(wallX, floorY - rise);
  c.Line(foot, top);
  c.Line(foot + QPointF(3, 0), top + QPointF(1.2, -3));
  c.Arc(foot, 15, 112, 68);
  c.Degrees(68, Along(foot, 148, 27));
  c.Arc(foot, 8, 0, 112);
  c.Label(QStringLiteral("x"), Along(foot, 50, 18));
}

// Two horizontal lines, a at height ya and b at yb, named at their right ends.
void LinesAB(Canvas& c, double ya, double yb) {
  c.Line({4, ya}, {128, ya});
  c.Line({4, yb}, {128, yb});
  c.Label(QStringLiteral("a"), {132, ya}, Anchor::Left);
  c.Label(QStringLiteral("b"), {132, yb}, Anchor::Left);
}

// Lines a and b crossed by a transversal: 72 above a on the right, 108
// above b on the left, which makes them parallel.
void DrawFigure_13_3(Canvas& c) {
  constexpr double ya = 28;
  constexpr double yb = 76;
  LinesAB(c, ya, yb);
  const QPointF pb(60, yb);
  const QPointF pa = Along(pb, 72, (yb - ya) / SinDeg(72));
  c.Line(Along(pb, 252, 26), Along(pa, 72, 26));
  c.Arc(pa, 10, 0, 72);
  c.Degrees(72, Along(pa, 30, 24));
  c.Arc(pb, 10, 72, 108);
  c.Degrees(108, Along(pb, 128, 24));
}

// Parallel a and b and a transversal: 104 above b on the right, y above a
// on the left.
void DrawFigure_13_4(Canvas& c) {
  constexpr double ya = 21;
  constexpr double yb = 57;
  LinesAB(c, ya, yb);
  const QPointF pb(70, yb);
  const QPointF pa = Along(pb, 104, (yb - ya) / SinDeg(104));
  c.Line(Along(pb, 284, 16), Along(pa, 104, 16));
  c.Arc(pb, 10, 0, 104);
  c.Degrees(104, Along(pb, 50, 24));
  c.Arc(pa, 10, 104, 76);
  c.Label(QStringLiteral("y"), Along(pa, 145, 18));
}

// Parallel a and b joined by a broken line bending at 45 + 30 = x.
void DrawFigure_13_5(Canvas& c) {
  constexpr double ya = 14;
  constexpr double yb = 76;
  c.Line({4, ya}, {146, ya});
  c.Line({4, yb}, {146, yb});
  c.Label(QStringLiteral("a"), {6, ya - 3}, Anchor::BottomLeft);
  c.Label(QStringLiteral("b"), {6, yb - 3}, Anchor::BottomLeft);
  const QPointF v(112, 50);
  const QPointF p(v.x() - (v.y() - ya), ya);
  const QPointF q(v.x() - (yb - v.y()) / TanDeg(30), yb);
  c.Polyline({p, v, q});
  c.Arc(p, 14, -45, 45);
  c.Degrees(45, Along(p, -20, 28));
  c.Arc(q, 16, 0, 30);
  c.Degrees(30, Along(q, 13, 32));
  c.Arc(v, 10, 135, 75);
  c.Label(QStringLiteral("x"), Along(v, 172, 18));
}

// A triangle on a base line: 130 outside at the left, 80 at the top, x at
// the right.
void DrawFigure_14_1(Canvas& c) {
  constexpr double baseY = 54;
  const QPointF l(44, baseY);
  const QPointF r(119, baseY);
  const QPointF t((l.x() + r.x()) / 2, baseY - (r.x() - l.x()) / 2 * TanDeg(50));
  c.Line({3, baseY}, {140, baseY});
  c.Polyline({l, t, r});
  c.Arc(l, 10, 50, 130);
  c.Degrees(130, Along(l, 118, 24));
  c.Arc(t, 9, 230, 80);
  c.Degrees(80, Along(t, 270, 19));
  c.Arc(r, 12, 130, 50);
  c.Label(QStringLiteral("x"), Along(r, 158, 20));
}

// Supports AE and A1E from E, slats at a quarter, half, three quarters and
// the whole of their length.
void DrawFigure_14_2(Canvas& c) {
  const QPointF e(54, 13);
  const QPointF a(14, 72);
  const QPointF a1(94, 72);
  c.Polyline({a, e, a1});
  c.Label(QStringLiteral("E"), {e.x(), e.y() - 4}, Anchor::Bottom);
  const QString letters[] = {QStringLiteral("D"), QStringLiteral("C"), QStringLiteral("B"),
                             QStringLiteral("A")};
  for (int i = 0; i < 4; ++i) {
    const double t = (i + 1) / 4.0;
    const QPointF left = Lerp(e, a, t);
    const QPointF right = Lerp(e, a1, t);
    c.Line(left, right);
    c.Label(letters[i], {left.x() - 4, left.y()}, Anchor::Right);
    c.Indexed(letters[i], QStringLiteral("1"), {right.x() + 4, right.y()}, Anchor::Left);
  }
}

// An isosceles triangle on its apex: 32 at the top left, x at the apex.
void DrawFigure_14_3(Canvas& c) {
  const QPointF l(6, 14);
  const QPointF r(62, 14);
  const QPointF apex(34, 14 + 28 * TanDeg(32));
  c.Polygon({l, r, apex});
  c.Ticks(l, apex);
  c.Ticks(r, apex);
  c.Arc(l, 8, -32, 32);
  c.Degrees(32, {l.x() - 3, l.y() - 3}, Anchor::BottomLeft);
  c.Arc(apex, 6, 32, 116);
  c.Label(QStringLiteral("x"), {apex.x(), apex.y() - 9}, Anchor::Bottom);
}

// Sides 2 cm and 3 cm round a 64-degree angle; the third side is x.
void DrawFigure_14_4(Canvas& c) {
  const QPointF v(26, 50);
  const QPointF b(86, 50);
  const QPointF t = Along(v, 64, 40);
  c.Polygon({v, b, t});
  c.Label(QStringLiteral("3 cm"), {(v.x() + b.x()) / 2, v.y() + 4}, Anchor::Top);
  c.Label(QStringLiteral("2 cm"), {v.x() + 4, (v.y() + t.y()) / 2 - 2}, Anchor::Right);
  c.Arc(v, 10, 0, 64);
  c.Degrees(64, Along(v, 30, 22));
  c.Label(QStringLiteral("x"), {(t.x() + b.x()) / 2 + 6, (t.y() + b.y()) / 2 - 4}, Anchor::Left);
}

// A house seen from 55 m at an elevation of 20 degrees.
void DrawFigure_14_5(Canvas& c) {
  constexpr double groundY = 52;
  const QPointF viewer(116, groundY);
  constexpr double wallX = 30;
  const double height = (viewer.x() - wallX) * TanDeg(20);
  const QPointF roof(wallX, groundY - height);
  c.Line({2, groundY}, {123, groundY});
  c.painter().drawRect(QRectF(8, roof.y(), wallX - 8, height));
  for (double y = roof.y() + 4; y < groundY - 8; y += 8) {
    c.painter().drawRect(QRectF(12, y, 4, 4));
    c.painter().drawRect(QRectF(22, y, 4, 4));
  }
  c.Line(viewer, roof);
  c.Dot(viewer, 1.5);
  c.Line({wallX, groundY + 2}, {wallX, groundY + 6});
  c.Line({viewer.x(), groundY + 2}, {viewer.x(), groundY + 6});
  c.Label(QStringLiteral("55 m"), {(wallX + viewer.x()) / 2, groundY + 4}, Anchor::Top);
  c.Arc(viewer, 22, 160, 20);
  c.Degrees(20, Along(viewer, 171, 40));
}

}  // namespace

const std::vector<Drawer>& DrawersTopics10To14() {
  static const std::vector<Drawer> drawers = {
      {"fig_10_1", DrawFigure_10_1}, {"fig_10_4", DrawFigure_10_4},
      {"fig_10_5", DrawFigure_10_5}, {"fig_13_1", DrawFigure_13_1},
      {"fig_13_2", DrawFigure_13_2}, {"fig_13_3", DrawFigure_13_3},
      {"fig_13_4", DrawFigure_13_4}, {"fig_13_5", DrawFigure_13_5},
      {"fig_14_1", DrawFigure_14_1}, {"fig_14_2", DrawFigure_14_2},
      {"fig_14_3", DrawFigure_14_3}, {"fig_14_4", DrawFigure_14_4},
      {"fig_14_5", DrawFigure_14_5},
  };
  return drawers;
}

}  // namespace rova::figgen
