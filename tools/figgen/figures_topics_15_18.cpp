// SPDX-License-Identifier: GPL-3.0-or-later
// Statement figures of topics 15 to 18.
#include <cmath>
#include <numbers>

#include "figures.h"

namespace rova::figgen {
namespace {

const QString kFourCm = QStringLiteral("4 cm");

// A small four-petal flower, the print of the towel's cloth.
void Flower(Canvas& c, QPointF at) {
  for (int deg = 0; deg < 360; deg += 90) c.Circle(Along(at, deg, 2), 1.2);
}

// A parallelogram with base 8 cm and its 3 cm height dashed.
void DrawFigure_15_1(Canvas& c) {
  const QPointF a(14, 34), d(110, 34), b(40, 4), cc(136, 4);
  c.Polygon({a, d, cc, b});
  c.DashedLine(b, {b.x(), a.y()});
  c.RightAngle({b.x(), a.y()}, 0, 90, 4);
  c.Label(QStringLiteral("8 cm"), {(a.x() + d.x()) / 2, a.y() + 4}, Anchor::Top);
  c.Label(QStringLiteral("3 cm"), {b.x() + 5, (a.y() + b.y()) / 2}, Anchor::Left);
}

// Two equal squares, the second turned 45 degrees about a vertex placed at
// the first one's centre; their overlap is a quarter of a square.
void DrawFigure_15_3(Canvas& c) {
  constexpr double side = 32;
  const QPointF centre(28, 24);
  const QPointF tl(centre.x() - side / 2, centre.y() - side / 2);
  const QPointF up = Along(centre, 45, side);
  const QPointF down = Along(centre, -45, side);
  const QPointF far = up + (down - centre);
  c.Shade({centre, {tl.x() + side, tl.y()}, {tl.x() + side, tl.y() + side}});
  c.painter().drawRect(QRectF(tl, QSizeF(side, side)));
  c.Polygon({centre, up, far, down});
}

// A 20 cm square cut on its diagonal; its halves sewn on two opposite
// corners of a flowered 20 x 40 cm cloth.
void DrawFigure_15_4(Canvas& c) {
  constexpr double s = 56;  // 20 cm
  const QRectF square(40, 8, s, s);
  c.Shade({square.topLeft(), square.topRight(), square.bottomRight(), square.bottomLeft()});
  c.painter().drawRect(square);
  c.Line(square.topRight(), square.bottomLeft());
  c.Label(QStringLiteral("20 cm"), {square.left() - 4, square.center().y()}, Anchor::Right);
  c.Label(QStringLiteral("20 cm"), {square.center().x(), square.bottom() + 4}, Anchor::Top);
  c.Arrow({square.right() + 12, square.center().y()}, {square.right() + 42, square.center().y()});

  const QRectF cloth(150, 8, 2 * s, s);
  const QPointF mid(cloth.left() + s, cloth.top());
  const QPointF midLow(cloth.left() + s, cloth.bottom());
  // The flowered part left uncovered: between the two diagonals.
  for (double y = cloth.top() + 5; y < cloth.bottom() - 3; y += 8) {
    for (double x = cloth.left() + 4; x < cloth.right() - 3; x += 8) {
      const double fromLeft = (x - cloth.left()) + (y - cloth.top());  // beyond the first cut
      const double fromRight = (x - mid.x()) + (y - cloth.top());      // before the second
      if (fromLeft > s + 4 && fromRight < s - 4) Flower(c, {x, y});
    }
  }
  c.Shade({cloth.topLeft(), mid, cloth.bottomLeft()});
  c.Shade({cloth.topRight(), cloth.bottomRight(), midLow});
  c.painter().drawRect(cloth);
  c.Line(mid, cloth.bottomLeft());
  c.Line(cloth.topRight(), midLow);
  c.Label(QStringLiteral("40 cm"), {cloth.center().x(), cloth.bottom() + 4}, Anchor::Top);
  c.Label(QStringLiteral("20 cm"), {cloth.right() + 4, cloth.center().y()}, Anchor::Left);
}

// Parallelogram ABCD with the triangle A-P-D shaded, P on BC.
void DrawFigure_15_5(Canvas& c) {
  const QPointF a(9, 42), b(31, 14), cc(117, 14), d(95, 42), p(70, 14);
  c.Shade({a, p, d});
  c.Polygon({a, b, cc, d});
  c.Polyline({a, p, d});
  c.Label(QStringLiteral("A"), {a.x(), a.y() + 3}, Anchor::Top);
  c.Label(QStringLiteral("B"), {b.x(), b.y() - 3}, Anchor::Bottom);
  c.Label(QStringLiteral("C"), {cc.x(), cc.y() - 3}, Anchor::Bottom);
  c.Label(QStringLiteral("D"), {d.x(), d.y() + 3}, Anchor::Top);
}

// A track of two straight parts and two half circles of radius 63 m.
void DrawFigure_16_1(Canvas& c) {
  constexpr double r = 30;
  const QPointF left(34, 34), right(94, 34);
  c.Line({left.x(), left.y() - r}, {right.x(), right.y() - r});
  c.Line({left.x(), left.y() + r}, {right.x(), right.y() + r});
  c.Arc(left, r, 90, 180);
  c.Arc(right, r, -90, 180);
  // Where the straight part meets the curves.
  for (const QPointF& end : {left, right}) c.Line({end.x(), end.y() - r - 3}, {end.x(), end.y() - r + 3});
  c.Dot(right, 1.5);
  c.Line(right, {right.x() + r, right.y()});
  c.Label(QStringLiteral("63 m"), {right.x() + r / 2 - 3, right.y() - 4}, Anchor::Bottom);
  c.Label(QStringLiteral("?"), {(left.x() + right.x()) / 2, left.y() - r + 4}, Anchor::Top);
}

// A 60-degree sector of radius 3 cm; its arc is pi cm.
void DrawFigure_16_2(Canvas& c) {
  const QPointF o(14, 41);
  constexpr double r = 76;
  const QPointF up = Along(o, 30, r);
  const QPointF down = Along(o, -30, r);
  c.Line(o, up);
  c.Line(o, down);
  c.Arc(o, r, -30, 60);
  c.Label(QStringLiteral("3 cm"), {Lerp(o, up, 0.45).x(), Lerp(o, up, 0.45).y() - 5}, Anchor::BottomRight);
  c.Label(QStringLiteral("3 cm"), {Lerp(o, down, 0.45).x(), Lerp(o, down, 0.45).y() + 5}, Anchor::TopRight);
  c.Label(QString(QChar(0x03C0)) + QStringLiteral(" cm"), {o.x() + r + 5, o.y()}, Anchor::Left);
  c.Arc(o, 12, -30, 60);
  c.Label(QStringLiteral("x"), Along(o, 0, 20));
}

// Central angle 120 and inscribed angle x standing on the same lower arc.
void DrawFigure_16_3(Canvas& c) {
  const QPointF o(43, 46);
  constexpr double r = 40;
  const QPointF a = Along(o, 210, r), b = Along(o, 330, r), top = Along(o, 90, r);
  c.Circle(o, r);
  c.Polyline({a, o, b});
  c.Polyline({a, top, b});
  c.Dot(o, 1.5);
  c.Arc(o, 9, 210, 120);
  c.Degrees(120, Along(o, 270, 18));
  c.Arc(top, 11, 240, 60);
  c.Label(QStringLiteral("x"), Along(top, 270, 19));
}

// A right triangle in a circle, its hypotenuse a diameter; legs 6 and 8 cm.
void DrawFigure_16_4(Canvas& c) {
  const QPointF o(70, 46);
  constexpr double r = 44;
  const QPointF a = Along(o, 180, r), b = Along(o, 0, r);
  const QPointF top = Along(a, std::acos(0.6) * 180 / std::numbers::pi, 2 * r * 0.6);
  c.Circle(o, r);
  c.Polygon({a, top, b});
  c.Dot(o, 1.5);
  c.Label(QStringLiteral("O"), {o.x(), o.y() + 4}, Anchor::Top);
  // Each length just outside the arc, beside the lower half of its side.
  c.Label(QStringLiteral("6 cm"), Along(o, 150, r + 5), Anchor::Right);
  c.Label(QStringLiteral("8 cm"), Along(o, 30, r + 5), Anchor::Left);
}

// Tangents from K below the circle touch it at L and M; 80 at K, x = angle
// OML. The angle at K is too narrow for its value inside, and there it would
// hang under the chord: the value stands beside K, by its arc.
void DrawFigure_16_5(Canvas& c) {
  const QPointF o(60, 42);
  constexpr double r = 36;
  const QPointF k(o.x(), o.y() + r / SinDeg(40));
  const QPointF l = Along(o, -40, r), m = Along(o, -140, r);
  c.Circle(o, r);
  c.Polyline({l, k, m});
  c.Polyline({l, o, m});
  c.Line(l, m);
  c.Dot(o, 1.5);
  c.Label(QStringLiteral("O"), {o.x(), o.y() - 4}, Anchor::Bottom);
  c.Label(QStringLiteral("K"), {k.x(), k.y() + 3}, Anchor::Top);
  c.Label(QStringLiteral("L"), {l.x() + 4, l.y()}, Anchor::Left);
  c.Label(QStringLiteral("M"), {m.x() - 4, m.y()}, Anchor::Right);
  c.Arc(k, 7, 50, 80);
  c.Degrees(80, {k.x() + 8, k.y() - 2}, Anchor::Left);
  c.Arc(m, 10, 0, 40);
  c.Label(QStringLiteral("x"), Along(m, 20, 18));
}

// A fir tree: three equal isosceles tiers on one upright line that halves
// each of them. The marks show all six halves equal (equal legs, right
// angles), so the pupil sees two shapes: the tiers and their halves.
void DrawFigure_17_1(Canvas& c) {
  constexpr double axis = 48;
  constexpr double half = 36;
  constexpr double height = 48;
  constexpr double top = 4;
  c.Line({axis, top}, {axis, top + 3 * height});
  for (int i = 0; i < 3; ++i) {
    const QPointF apex(axis, top + height * i);
    const QPointF foot(axis, apex.y() + height);
    const QPointF left(axis - half, foot.y()), right(axis + half, foot.y());
    c.Polygon({apex, left, right});
    c.Ticks(left, foot, 1);
    c.Ticks(foot, right, 1);
    c.Ticks(apex, foot, 2);
    c.RightAngle(foot, 0, 90, 6);
  }
}

// Congruent triangles ABC and A1B1C1 with their sides given in x.
void DrawFigure_17_2(Canvas& c) {
  auto triangle = [&c](double dy, bool second) {
    const QPointF a(30, 44 + dy), cc(87, 44 + dy), b(47, 12 + dy);
    c.Polygon({a, b, cc});
    const QString one = QStringLiteral("1");
    if (second) {
      c.Indexed(QStringLiteral("A"), one, {a.x() - 3, a.y()}, Anchor::Right);
      c.Indexed(QStringLiteral("B"), one, {b.x(), b.y() - 3}, Anchor::Bottom);
      c.Indexed(QStringLiteral("C"), one, {cc.x() + 3, cc.y()}, Anchor::Left);
      c.Label(QStringLiteral("x + 6"), {Lerp(a, b, 0.5).x() - 4, Lerp(a, b, 0.5).y()}, Anchor::Right);
      c.Label(QStringLiteral("3x - 1"), {Lerp(b, cc, 0.5).x() + 4, Lerp(b, cc, 0.5).y() - 4}, Anchor::Left);
      c.Label(QStringLiteral("4x - 5"), {(a.x() + cc.x()) / 2, a.y() + 4}, Anchor::Top);
    } else {
      c.Label(QStringLiteral("A"), {a.x() - 3, a.y()}, Anchor::Right);
      c.Label(QStringLiteral("B"), {b.x(), b.y() - 3}, Anchor::Bottom);
      c.Label(QStringLiteral("C"), {cc.x() + 3, cc.y()}, Anchor::Left);
      c.Label(QStringLiteral("2x"), {Lerp(a, b, 0.5).x() - 4, Lerp(a, b, 0.5).y()}, Anchor::Right);
    }
  };
  triangle(0, false);
  triangle(56, true);
}

// The angle BAC, its bisector AD, and the perpendiculars DB and DC.
void DrawFigure_17_3(Canvas& c) {
  const QPointF a(16, 68);
  constexpr double half = 20;
  const QPointF d(140, 68);
  const double foot = (d.x() - a.x()) * CosDeg(half);
  const QPointF b = Along(a, half, foot), cc = Along(a, -half, foot);
  c.Line(a, Along(a, half, 168));
  c.Line(a, Along(a, -half, 168));
  c.Line(a, d);
  c.Polyline({b, d, cc});
  c.RightAngle(b, 180 + half, 270 + half, 5);
  c.RightAngle(cc, 180 - half, 90 - half, 5);
  c.Arc(a, 22, 0, half);
  c.Arc(a, 25, 0, half);
  c.Arc(a, 22, -half, half);
  c.Arc(a, 25, -half, half);
  c.Label(QStringLiteral("A"), {a.x() - 4, a.y()}, Anchor::Right);
  c.Label(QStringLiteral("B"), {b.x() - 2, b.y() - 5}, Anchor::Bottom);
  c.Label(QStringLiteral("C"), {cc.x() - 2, cc.y() + 5}, Anchor::Top);
  c.Label(QStringLiteral("D"), {d.x() + 4, d.y()}, Anchor::Left);
}

// ABCD with AB = AD = BD = BC = 4 cm and 63 degrees at C.
void DrawFigure_17_4(Canvas& c) {
  constexpr double s = 44;
  const QPointF b(54, 13), d(54, 13 + s);
  const QPointF a(b.x() - s * std::sqrt(3.0) / 2, b.y() + s / 2);
  const QPointF cc = Along(b, -36, s);  // 54 degrees from BD at B
  c.Polygon({a, b, cc, d});
  c.Line(b, d);
  c.Label(QStringLiteral("A"), {a.x() - 3, a.y()}, Anchor::Right);
  c.Label(QStringLiteral("B"), {b.x(), b.y() - 3}, Anchor::Bottom);
  c.Label(QStringLiteral("C"), {cc.x() + 3, cc.y()}, Anchor::Left);
  c.Label(QStringLiteral("D"), {d.x(), d.y() + 3}, Anchor::Top);
  c.Label(kFourCm, {Lerp(a, b, 0.5).x() - 3, Lerp(a, b, 0.5).y() - 4}, Anchor::BottomRight);
  c.Label(kFourCm, {Lerp(a, d, 0.5).x() - 3, Lerp(a, d, 0.5).y() + 4}, Anchor::TopRight);
  c.Label(kFourCm, {b.x() - 3, Lerp(b, d, 0.5).y()}, Anchor::Right);
  c.Label(kFourCm, {Lerp(b, cc, 0.5).x() + 3, Lerp(b, cc, 0.5).y() - 4}, Anchor::BottomLeft);
  c.Arc(cc, 11, 144, 63);
  c.Degrees(63, Along(cc, 176, 21));
}

// A regular hexagon ABCDEF, A at the top, and the triangle BDF.
void DrawFigure_17_5(Canvas& c) {
  const QPointF o(42, 50);
  constexpr double r = 38;
  const char* names = "ABCDEF";
  QPointF v[6];
  for (int i = 0; i < 6; ++i) v[i] = Along(o, 90 - 60 * i, r);
  c.Polygon({v[0], v[1], v[2], v[3], v[4], v[5]});
  c.Polygon({v[1], v[3], v[5]});
  for (int i = 0; i < 6; ++i) {
    c.Label(QString(QChar::fromLatin1(names[i])), Along(o, 90 - 60 * i, r + 8));
  }
}

// Triangle ABC cut by ED parallel to AB a third of the way down from C.
void DrawFigure_18_1(Canvas& c) {
  const QPointF a(22, 66), b(112, 66), cc(52, 14);
  const QPointF e = Lerp(a, cc, 2.0 / 3), d = Lerp(b, cc, 2.0 / 3);
  c.Polygon({a, b, cc});
  c.Line(e, d);
  c.Label(QStringLiteral("A"), {a.x() - 3, a.y()}, Anchor::Right);
  c.Label(QStringLiteral("B"), {b.x() + 3, b.y()}, Anchor::Left);
  c.Label(QStringLiteral("C"), {cc.x(), cc.y() - 3}, Anchor::Bottom);
  c.Label(QStringLiteral("E"), {e.x() - 4, e.y()}, Anchor::Right);
  c.Label(QStringLiteral("D"), {d.x() + 4, d.y()}, Anchor::Left);
  c.Label(QStringLiteral("8"), {Lerp(a, e, 0.5).x() - 4, Lerp(a, e, 0.5).y()}, Anchor::Right);
  c.Label(QStringLiteral("4"), {Lerp(e, cc, 0.5).x() - 4, Lerp(e, cc, 0.5).y()}, Anchor::Right);
  c.Label(QStringLiteral("9"), {(a.x() + b.x()) / 2, a.y() + 4}, Anchor::Top);
  c.Label(QStringLiteral("x"), {(e.x() + d.x()) / 2, e.y() - 3}, Anchor::Bottom);
}

// A right triangle ABC, right angle at C, and its height CD.
void DrawFigure_18_4(Canvas& c) {
  const QPointF a(10, 52), b(90, 52);
  const QPointF cc = Along({50, 52}, 120, 40);
  const QPointF d(cc.x(), a.y());
  c.Polygon({a, b, cc});
  c.Line(cc, d);
  c.RightAngle(d, 0, 90, 4);
  // Large enough to read as a square although the altitude crosses it.
  c.RightAngle(cc, AngleOf(a - cc), AngleOf(b - cc), 8);
  c.Label(QStringLiteral("A"), {a.x() - 3, a.y()}, Anchor::Right);
  c.Label(QStringLiteral("B"), {b.x() + 3, b.y()}, Anchor::Left);
  c.Label(QStringLiteral("C"), {cc.x(), cc.y() - 3}, Anchor::Bottom);
  c.Label(QStringLiteral("D"), {d.x(), d.y() + 4}, Anchor::Top);
}

// Triangle ADE with BC parallel to DE through the middles of AD and AE;
// AB = BD marked, ABC shaded.
void DrawFigure_18_5(Canvas& c) {
  const QPointF a(12, 58), d(168, 58), e(130, 13);
  const QPointF b = Lerp(a, d, 0.5), cc = Lerp(a, e, 0.5);
  c.Shade({a, b, cc});
  c.Polygon({a, d, e});
  c.Line(b, cc);
  c.Ticks(a, b);
  c.Ticks(b, d);
  c.Label(QStringLiteral("A"), {a.x() - 3, a.y()}, Anchor::Right);
  c.Label(QStringLiteral("B"), {b.x(), b.y() + 4}, Anchor::Top);
  c.Label(QStringLiteral("C"), {cc.x() - 3, cc.y() - 3}, Anchor::BottomRight);
  c.Label(QStringLiteral("D"), {d.x() + 3, d.y()}, Anchor::Left);
  c.Label(QStringLiteral("E"), {e.x(), e.y() - 3}, Anchor::Bottom);
}

}  // namespace

const std::vector<Drawer>& DrawersTopics15To18() {
  static const std::vector<Drawer> drawers = {
      {"fig_15_1", DrawFigure_15_1}, {"fig_15_3", DrawFigure_15_3},
      {"fig_15_4", DrawFigure_15_4}, {"fig_15_5", DrawFigure_15_5},
      {"fig_16_1", DrawFigure_16_1}, {"fig_16_2", DrawFigure_16_2},
      {"fig_16_3", DrawFigure_16_3}, {"fig_16_4", DrawFigure_16_4},
      {"fig_16_5", DrawFigure_16_5}, {"fig_17_1", DrawFigure_17_1},
      {"fig_17_2", DrawFigure_17_2}, {"fig_17_3", DrawFigure_17_3},
      {"fig_17_4", DrawFigure_17_4}, {"fig_17_5", DrawFigure_17_5},
      {"fig_18_1", DrawFigure_18_1}, {"fig_18_4", DrawFigure_18_4},
      {"fig_18_5", DrawFigure_18_5},
  };
  return drawers;
}

}  // namespace rova::figgen
