// SPDX-License-Identifier: GPL-3.0-or-later
// The handbook's figures: what the pages show beside their texts, and the
// classification of quadrilaterals on the sub-page of topic 15.
#include <QFontMetrics>
#include <QPainterPath>
#include <tuple>
#include <cmath>

#include "controls/program_fonts.h"
#include "figures.h"

namespace rova::figgen {
namespace {

// Large text (the window face has only its small size), its ink box touching
// `at` as `anchor` says.
void Text(Canvas& c, const QString& text, int pixelSize, QPointF at, Anchor anchor = Anchor::Centre) {
  const QFont font = TahomaFont(pixelSize, false);
  const QRect ink = QFontMetrics(font).tightBoundingRect(text);
  double x = at.x() - ink.width() / 2.0, y = at.y() - ink.height() / 2.0;
  if (anchor == Anchor::Left || anchor == Anchor::BottomLeft || anchor == Anchor::TopLeft) x = at.x();
  if (anchor == Anchor::Right || anchor == Anchor::BottomRight || anchor == Anchor::TopRight) x = at.x() - ink.width();
  if (anchor == Anchor::Bottom || anchor == Anchor::BottomLeft || anchor == Anchor::BottomRight) {
    y = at.y() - ink.height();
  }
  if (anchor == Anchor::Top || anchor == Anchor::TopLeft || anchor == Anchor::TopRight) y = at.y();
  QPainter& p = c.painter();
  p.save();
  p.setFont(font);
  p.setPen(QColor(kInk));
  p.drawText(QPointF(std::round(x - ink.left()), std::round(y - ink.top())), text);
  p.restore();
}

// A line of the window face from `baselineLeft`, in which every second part
// is a small raised mark: {"2", "5", " = 32"} is 2 to the 5th = 32.
void WithMarks(Canvas& c, QPointF baselineLeft, std::initializer_list<QString> parts) {
  QPainter& p = c.painter();
  p.save();
  p.setPen(QColor(kInk));
  double x = baselineLeft.x();
  bool raised = false;
  for (const QString& part : parts) {
    const QFont font = raised ? SerifMarkFont() : SansFont();
    p.setFont(font);
    p.drawText(QPointF(std::round(x), baselineLeft.y() - (raised ? 5 : 0)), part);
    x += QFontMetrics(font).horizontalAdvance(part) + (raised ? 1 : 0);
    raised = !raised;
  }
  p.restore();
}

// The bisector's name. The window face draws "l" like "I" or "|", so it is
// written as the script ℓ, in the serif face, which has that sign.
const QString kBisectorName = QStringLiteral("ℓ");
QFont NameFont() { return SerifMarkFont(12); }

void BisectorName(Canvas& c, QPointF centre) {
  const QFont font = NameFont();
  const QRectF ink = QFontMetricsF(font).tightBoundingRect(kBisectorName);
  QPainter& p = c.painter();
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setFont(font);
  p.setPen(QColor(kInk));
  p.drawText(QPointF(std::round(centre.x() - ink.center().x()), std::round(centre.y() - ink.center().y())),
             kBisectorName);
  p.restore();
}

void Rect(Canvas& c, const QRectF& r) { c.Polygon({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}); }

// ---- Topic 3 ----

// The parts of a power named, and 2 to the fifth written out.
void DrawPowerParts(Canvas& c) {
  Text(c, QStringLiteral("a"), 36, {44, 52}, Anchor::Bottom);
  Text(c, QStringLiteral("n"), 20, {64, 26}, Anchor::Bottom);
  c.Line({72, 18}, {98, 18});
  c.Label(QStringLiteral("laipsnio rodiklis"), {101, 18}, Anchor::Left);
  c.Line({50, 44}, {98, 44});
  c.Label(QStringLiteral("laipsnio pagrindas"), {101, 44}, Anchor::Left);
  WithMarks(c, {14, 80}, {QStringLiteral("2"), QStringLiteral("5"), QStringLiteral(" = 2 · 2 · 2 · 2 · 2 = 32")});
  c.Label(QStringLiteral("(penki dauginamieji, lygūs 2)"), {14, 98}, Anchor::BottomLeft);
  // A negative exponent, which the standard form of small numbers needs.
  WithMarks(c, {14, 122}, {QStringLiteral("a"), QStringLiteral("–n"), QStringLiteral(" = 1 : a"), QStringLiteral("n"),
                           QStringLiteral(",   a"), QStringLiteral("0"), QStringLiteral(" = 1   (a ≠ 0)")});
}

// A square root's sign and radicand named, and the root of 49.
void DrawRootParts(Canvas& c) {
  c.Polyline({{26, 34}, {31, 31}, {38, 52}, {46, 12}, {78, 12}});
  Text(c, QStringLiteral("a"), 28, {62, 50}, Anchor::Bottom);
  c.Line({40, 40}, {40, 70});
  c.Label(QStringLiteral("šaknies ženklas"), {12, 74}, Anchor::TopLeft);
  c.Line({76, 36}, {98, 36});
  c.Label(QStringLiteral("pošaknis"), {101, 36}, Anchor::Left);
  c.Polyline({{12, 106}, {15, 104}, {18, 112}, {22, 98}, {37, 98}});
  WithMarks(c, {24, 111}, {QStringLiteral("49 = 7,   nes 7"), QStringLiteral("2"), QStringLiteral(" = 49 ir 7 > 0.")});
}

// ---- Topic 10 ----

// Axes in a cell of the graph sheet, returning the origin.
QPointF MiniAxes(Canvas& c, QPointF cellTopLeft, QPointF origin, const QString& caption) {
  const QPointF o = cellTopLeft + origin;
  c.Arrow({cellTopLeft.x() + 6, o.y()}, {cellTopLeft.x() + 108, o.y()});
  c.Arrow({o.x(), cellTopLeft.y() + 130}, {o.x(), cellTopLeft.y() + 22});
  c.Label(QStringLiteral("x"), {cellTopLeft.x() + 106, o.y() + 3}, Anchor::TopRight);
  c.Label(QStringLiteral("y"), {o.x() + 4, cellTopLeft.y() + 22}, Anchor::TopLeft);
  c.Label(QStringLiteral("0"), {o.x() - 2, o.y() + 2}, Anchor::TopRight);
  c.BoldLabel(caption, {cellTopLeft.x() + 57, cellTopLeft.y() + 4}, Anchor::Top);
  return o;
}

template <class F>
void Plot(Canvas& c, QPointF o, double unit, double from, double to, F f, double top, double bottom) {
  QPainterPath path;
  bool started = false;
  for (double x = from; x <= to + 1e-9; x += 0.02) {
    const double y = f(x);
    const QPointF p(o.x() + x * unit, o.y() - y * unit);
    if (p.y() < top || p.y() > bottom) {
      started = false;
      continue;
    }
    if (started) path.lineTo(p); else path.moveTo(p);
    started = true;
  }
  c.painter().save();
  c.painter().setBrush(Qt::NoBrush);
  c.painter().drawPath(path);
  c.painter().restore();
}

void DrawGraphs(Canvas& c) {
  constexpr double u = 16;
  QPointF o = MiniAxes(c, {0, 0}, {52, 84}, QStringLiteral("y = kx + b"));
  Plot(c, o, u, -2.6, 2.2, [](double x) { return 0.8 * x + 1; }, 22, 132);
  c.AxisMark({o.x(), o.y() - u}, false);
  c.Label(QStringLiteral("b"), {o.x() - 4, o.y() - u}, Anchor::Right);

  o = MiniAxes(c, {114, 0}, {57, 110}, QStringLiteral("y = x²"));
  Plot(c, o, u, -3, 3, [](double x) { return x * x; }, 22, 132);

  o = MiniAxes(c, {0, 138}, {57, 74}, QStringLiteral("y = k/x,  k > 0"));
  Plot(c, o, u, 0.05, 3.2, [](double x) { return 1 / x; }, 160, 266);
  Plot(c, o, u, -3.2, -0.05, [](double x) { return 1 / x; }, 160, 266);

  o = MiniAxes(c, {114, 138}, {30, 110}, QStringLiteral("y = √x"));
  Plot(c, o, u, 0, 4.8, [](double x) { return std::sqrt(x); }, 160, 266);
}

// ---- Topic 13 ----

// An angle of `spanDeg` at `vertex` with rays of `ray`, its name centred at `nameX`.
void AngleFigure(Canvas& c, QPointF vertex, double spanDeg, double ray, double nameX, const QString& name) {
  c.Line(vertex, Along(vertex, 0, ray));
  c.Line(vertex, Along(vertex, spanDeg, ray));
  if (spanDeg == 90) {
    c.RightAngle(vertex, 0, 90, 7);
  } else {
    c.Arc(vertex, 10, 0, spanDeg);
  }
  c.Label(name, {nameX, 96}, Anchor::Bottom);
}

void DrawAngleKinds(Canvas& c) {
  AngleFigure(c, {6, 72}, 40, 42, 26, QStringLiteral("smailusis"));
  AngleFigure(c, {70, 72}, 90, 38, 86, QStringLiteral("statusis"));
  AngleFigure(c, {142, 72}, 125, 36, 150, QStringLiteral("bukasis"));
  const QPointF v(212, 72);
  c.Line({188, 72}, {236, 72});
  c.Dot(v, 1.5);
  c.Arc(v, 10, 0, 180);
  c.Label(QStringLiteral("ištiestinis"), {212, 96}, Anchor::Bottom);
}

// Greek letters come from the scalable face: the window face has none.
void Greek(Canvas& c, const QString& text, QPointF at) { Text(c, text, 11, at); }

void DrawAdjacentAngles(Canvas& c) {
  const QPointF v(56, 66);
  c.Line({6, 66}, {114, 66});
  c.Line(v, Along(v, 60, 56));
  c.Arc(v, 12, 0, 60);
  c.Arc(v, 9, 60, 120);
  Greek(c, QStringLiteral("β"), Along(v, 30, 21));
  Greek(c, QStringLiteral("α"), Along(v, 120, 19));
  Greek(c, QStringLiteral("α + β = 180°"), {60, 80});
  c.Label(QStringLiteral("gretutiniai"), {60, 99}, Anchor::Bottom);
}

void DrawVerticalAngles(Canvas& c) {
  const QPointF v(54, 46);
  c.Line(Along(v, 30, 50), Along(v, 210, 50));
  c.Line(Along(v, 150, 50), Along(v, 330, 50));
  c.Arc(v, 11, 150, 60);
  c.Arc(v, 11, 330, 60);
  Greek(c, QStringLiteral("α"), Along(v, 180, 20));
  Greek(c, QStringLiteral("α"), Along(v, 0, 20));
  c.Label(QStringLiteral("kryžminiai"), {54, 96}, Anchor::Bottom);
}

// Parallel lines a and b cut by c; the angles numbered 1 to 4 at a and 5 to 8
// at b, both times from above-right turning the same way.
void DrawTransversal(Canvas& c) {
  const QPointF at(78, 30), bt(58, 80);
  c.Line({6, 30}, {132, 30});
  c.Line({6, 80}, {132, 80});
  c.Line(Lerp(at, bt, -0.45), Lerp(at, bt, 1.45));
  c.Label(QStringLiteral("a"), {8, 27}, Anchor::BottomLeft);
  c.Label(QStringLiteral("b"), {8, 77}, Anchor::BottomLeft);
  c.Label(QStringLiteral("c"), Lerp(at, bt, -0.42) + QPointF(6, 0), Anchor::Left);
  const double up = AngleOf(at - bt);  // the transversal's upward direction
  auto number = [&c, up](QPointF crossing, int first) {
    const double mids[] = {up / 2, (up + 180) / 2, 180 + up / 2, (up + 180) / 2 + 180};
    for (int i = 0; i < 4; ++i) c.Label(QString::number(first + i), Along(crossing, mids[i], 11));
  };
  number(at, 1);
  number(bt, 5);
}

// ---- Topic 14 ----

void DrawTriangleLines(Canvas& c) {
  const QPointF a(10, 150), b(184, 150), cc(70, 20);
  c.Polygon({a, b, cc});
  c.Label(QStringLiteral("A"), {a.x(), a.y() + 4}, Anchor::Top);
  c.Label(QStringLiteral("B"), {b.x(), b.y() + 4}, Anchor::Top);
  c.Label(QStringLiteral("C"), {cc.x(), cc.y() - 3}, Anchor::Bottom);
  // Altitude from C.
  const QPointF foot(cc.x(), a.y());
  c.DashedLine(cc, foot);
  c.RightAngle(foot, 0, 90, 5);
  c.Label(QStringLiteral("h"), {cc.x() - 3, 136}, Anchor::Right);
  // Median from A to the middle of BC.
  const QPointF mid = Lerp(b, cc, 0.5);
  c.Line(a, mid);
  c.Ticks(b, mid, 1);
  c.Ticks(mid, cc, 1);
  c.Label(QStringLiteral("m"), Lerp(a, mid, 0.3) + QPointF(0, -8));
  // Bisector from B.
  // Directions from B, both measured the same way round (B-A points along -x).
  const double toA = 180, toC = AngleOf(cc - b);
  const double half = (toA + toC) / 2;
  const QPointF d = [&] {
    // Where the bisector meets AC.
    const QPointF dir = Dir(half);
    const QPointF e = cc - a;
    const double t = ((b.x() - a.x()) * dir.y() - (b.y() - a.y()) * dir.x()) / (e.x() * dir.y() - e.y() * dir.x());
    return a + e * t;
  }();
  c.Line(b, d);
  c.Arc(b, 16, toC, toA - toC);
  c.Arc(b, 19, half, toA - half);
  BisectorName(c, Lerp(b, d, 0.45) + QPointF(0, -7));
  const QString legend = QStringLiteral("h – aukštinė,  m – pusiaukraštinė,  ");
  c.Label(legend, {4, 196}, Anchor::BottomLeft);
  const QFontMetricsF sans(SansFont());
  const double after = 4 + sans.horizontalAdvance(legend);
  BisectorName(c, {after + 2, 196 - sans.tightBoundingRect(QStringLiteral("h")).height() / 2.0 - 2});
  c.Label(QStringLiteral(" – pusiaukampinė"), {after + 5, 196}, Anchor::BottomLeft);

  const QPointF r(212, 150), p(212, 60), q(272, 150);
  c.Polygon({r, p, q});
  c.RightAngle(r, 0, 90, 6);
  c.Label(QStringLiteral("a"), {r.x() - 4, 105}, Anchor::Right);
  c.Label(QStringLiteral("b"), {242, 154}, Anchor::Top);
  c.Label(QStringLiteral("c"), {246, 100}, Anchor::BottomLeft);
  // The angle A of the formulas beside: at the vertex opposite the leg a.
  const double toTop = AngleOf(p - q);
  c.Arc(q, 11, toTop, 180 - toTop);
  c.Label(QStringLiteral("A"), Along(q, (toTop + 180) / 2, 19));
}

// ---- Topic 15 ----

void DrawConvexity(Canvas& c) {
  const QPointF a(20, 38), b(36, 5), cc(118, 8), d(134, 40);
  c.Shade({a, b, cc, d});
  c.Polygon({a, b, cc, d});
  c.DashedLine(a, cc);
  c.DashedLine(b, d);
  c.Label(QStringLiteral("iškilasis"), {76, 54}, Anchor::Bottom);
  const QPointF e(170, 48), f(200, 6), g(218, 30), h(274, 40);
  c.Shade({e, f, g, h});
  c.Polygon({e, f, g, h});
  c.Label(QStringLiteral("neiškilasis"), {252, 20}, Anchor::Centre);
}

void DrawQuadrilateralTable(Canvas& c) {
  // One figure in each row of the formulas beside the picture.
  Rect(c, {20, 6, 34, 34});
  c.Label(QStringLiteral("a"), {37, 42}, Anchor::Top);

  Rect(c, {8, 58, 60, 28});
  c.Label(QStringLiteral("a"), {38, 88}, Anchor::Top);
  c.Label(QStringLiteral("b"), {70, 72}, Anchor::Left);

  const QPointF pa(4, 138), pb(20, 104), pc(74, 104), pd(58, 138);
  c.Polygon({pa, pb, pc, pd});
  c.DashedLine(pb, {pb.x(), pa.y()});
  c.RightAngle({pb.x(), pa.y()}, 0, 90, 4);
  c.Label(QStringLiteral("h"), {pb.x() + 3, 122}, Anchor::Left);
  c.Label(QStringLiteral("a"), {31, 140}, Anchor::Top);

  const QPointF top(39, 152), right(70, 182), bottom(39, 212), left(8, 182);
  c.Polygon({top, right, bottom, left});
  c.DashedLine(top, bottom);
  c.DashedLine(left, right);
  c.Indexed(QStringLiteral("d"), QStringLiteral("1"), {42, 160}, Anchor::TopLeft);
  c.Indexed(QStringLiteral("d"), QStringLiteral("2"), {50, 184}, Anchor::TopLeft);

  const QPointF ta(4, 266), tb(22, 236), tc(56, 236), td(74, 266);
  c.Polygon({ta, tb, tc, td});
  c.DashedLine(tb, {tb.x(), ta.y()});
  c.RightAngle({tb.x(), ta.y()}, 0, 90, 4);
  c.Label(QStringLiteral("h"), {tb.x() + 3, 252}, Anchor::Left);
  c.Label(QStringLiteral("a"), {39, 268}, Anchor::Top);
  c.Label(QStringLiteral("b"), {39, 233}, Anchor::Bottom);
}

// ---- Topic 16 ----

void DrawCircleParts(Canvas& c) {
  const QPointF o(78, 76);
  constexpr double r = 62;
  c.Circle(o, r);
  c.Dot(o, 1.5);
  c.Label(QStringLiteral("O"), {o.x() + 3, o.y() + 3}, Anchor::TopLeft);
  // The diameter's name and formula on either side of its left half.
  c.Line(Along(o, 180, r), Along(o, 0, r));
  c.Label(QStringLiteral("d = 2r"), {o.x() - 32, o.y() - 3}, Anchor::Bottom);
  c.Label(QStringLiteral("skersmuo"), {o.x() - 32, o.y() + 4}, Anchor::Top);
  c.Line(o, Along(o, 55, r));
  c.Label(QStringLiteral("r"), Along(o, 55, r / 2) + QPointF(6, 2), Anchor::Left);
  c.Line(Along(o, 215, r), Along(o, 310, r));
  c.Label(QStringLiteral("styga"), Along(o, 262, r - 14), Anchor::Centre);
}

void CircleAndLine(Canvas& c, double distance) {
  const QPointF o(60, 30);
  constexpr double r = 24;
  c.Circle(o, r);
  c.Dot(o, 1.5);
  c.Label(QStringLiteral("O"), {o.x() - 3, o.y() + 2}, Anchor::TopRight);
  c.Line(o, Along(o, 120, r));
  c.Label(QStringLiteral("r"), Along(o, 120, r / 2) + QPointF(-4, 0), Anchor::Right);
  const double x = o.x() + distance;
  c.Line({x, 2}, {x, 58});
  c.DashedLine(o, {x, o.y()});
  c.RightAngle({x, o.y()}, 90, 180, 4);
  // Nearer the centre than the middle, so that the circle never runs through it.
  c.Label(QStringLiteral("h"), {o.x() + distance * 0.42, o.y() + 2}, Anchor::Top);
  if (distance < r) {
    const double half = std::sqrt(r * r - distance * distance);
    c.Dot({x, o.y() - half});
    c.Dot({x, o.y() + half});
  } else if (distance == r) {
    c.Dot({x, o.y()});
  }
}

void DrawLineApart(Canvas& c) { CircleAndLine(c, 44); }
void DrawTangent(Canvas& c) { CircleAndLine(c, 24); }
void DrawSecant(Canvas& c) { CircleAndLine(c, 13); }

// ---- Topic 17 ----

void Triangle(Canvas& c, QPointF a, QPointF b, QPointF cc, const QString& index) {
  c.Polygon({a, b, cc});
  auto name = [&](const QString& letter, QPointF at, Anchor anchor) {
    if (index.isEmpty()) {
      c.Label(letter, at, anchor);
    } else {
      c.Indexed(letter, index, at, anchor);
    }
  };
  name(QStringLiteral("A"), a + QPointF(-2, 2), Anchor::TopRight);
  name(QStringLiteral("B"), b + QPointF(2, 2), Anchor::TopLeft);
  name(QStringLiteral("C"), cc + QPointF(0, -3), Anchor::Bottom);
}

void DrawCongruentTriangles(Canvas& c) {
  for (int i = 0; i < 2; ++i) {
    const double dx = i * 92;
    const QPointF a(12 + dx, 62), b(66 + dx, 62), cc(28 + dx, 18);
    Triangle(c, a, b, cc, i == 0 ? QString() : QStringLiteral("1"));
    c.Ticks(a, b, 1);
    c.Ticks(b, cc, 2);
    c.Ticks(cc, a, 3);
  }
}

void DrawCongruenceTests(Canvas& c) {
  // Each test named in two lines under its triangle.
  const QString names[][2] = {{QStringLiteral("1) dvi kraštinės ir"), QStringLiteral("kampas tarp jų")},
                              {QStringLiteral("2) kraštinė ir du prie"), QStringLiteral("jos esantys kampai")},
                              {QStringLiteral("3) trys kraštinės"), QString()}};
  for (int i = 0; i < 3; ++i) {
    const double dx = i * 136;
    const QPointF a(14 + dx, 52), b(96 + dx, 52), cc(40 + dx, 8);
    c.Polygon({a, b, cc});
    if (i == 0) {
      c.Ticks(a, b, 1);
      c.Ticks(a, cc, 2);
      c.Arc(a, 10, 0, AngleOf(cc - a));
    } else if (i == 1) {
      c.Ticks(a, b, 1);
      c.Arc(a, 10, 0, AngleOf(cc - a));
      c.Arc(b, 10, AngleOf(cc - b), 180 - AngleOf(cc - b));
      c.Arc(b, 13, AngleOf(cc - b), 180 - AngleOf(cc - b));
    } else {
      c.Ticks(a, b, 1);
      c.Ticks(b, cc, 2);
      c.Ticks(cc, a, 3);
    }
    c.Label(names[i][0], {a.x() - 10, 76}, Anchor::BottomLeft);
    if (!names[i][1].isEmpty()) c.Label(names[i][1], {a.x() + 2, 90}, Anchor::BottomLeft);
  }
}

// ---- Topic 18 ----

void DrawSimilarTriangles(Canvas& c) {
  const QPointF a(12, 62), b(48, 62), cc(21, 40);
  Triangle(c, a, b, cc, QString());
  // Every length of the first triangle times 1,5, so that the two are similar.
  const QPointF a1(80, 62), b1(134, 62), c1(93.5, 29);
  Triangle(c, a1, b1, c1, QStringLiteral("1"));
  for (const auto& [p, q, r] : {std::tuple{a, b, cc}, std::tuple{a1, b1, c1}}) {
    c.Arc(p, 8, 0, AngleOf(r - p));
    c.Arc(q, 8, AngleOf(r - q), 180 - AngleOf(r - q));
    c.Arc(q, 11, AngleOf(r - q), 180 - AngleOf(r - q));
  }
}

void DrawSimilarSquares(Canvas& c) {
  const QRectF small(14, 50, 28, 28), big(80, 22, 56, 56);
  c.Shade({small.topLeft(), small.topRight(), small.bottomRight(), small.bottomLeft()});
  Rect(c, small);
  c.Shade({big.topLeft(), big.topRight(), big.bottomRight(), big.bottomLeft()});
  Rect(c, big);
  c.DashedLine({108, 22}, {108, 78});
  c.DashedLine({80, 50}, {136, 50});
  c.Label(QStringLiteral("a"), {28, 80}, Anchor::Top);
  c.Label(QStringLiteral("2a"), {108, 80}, Anchor::Top);
  c.Label(QStringLiteral("k = 2"), {144, 30}, Anchor::Left);
  c.Label(QStringLiteral("plotas"), {144, 48}, Anchor::Left);
  c.Label(QStringLiteral("4 kartus"), {144, 62}, Anchor::Left);
  c.Label(QStringLiteral("didesnis"), {144, 76}, Anchor::Left);
}

void Cube(Canvas& c, QPointF frontBottomLeft, double edge) {
  const double depth = edge * 0.45;
  const QPointF f = frontBottomLeft;
  const QPointF shift(depth, -depth);
  const QRectF front(f.x(), f.y() - edge, edge, edge);
  c.Shade({front.topLeft(), front.topLeft() + shift, front.topRight() + shift, front.bottomRight() + shift,
           front.bottomRight(), front.bottomLeft()});
  Rect(c, front);
  c.Polyline({front.topLeft(), front.topLeft() + shift, front.topRight() + shift, front.bottomRight() + shift,
              front.bottomRight()});
  c.Line(front.topRight(), front.topRight() + shift);
}

void DrawSimilarCubes(Canvas& c) {
  Cube(c, {10, 78}, 24);
  Cube(c, {56, 78}, 48);
  c.Label(QStringLiteral("a"), {22, 80}, Anchor::Top);
  c.Label(QStringLiteral("2a"), {80, 80}, Anchor::Top);
  c.Label(QStringLiteral("k = 2"), {134, 30}, Anchor::Left);
  c.Label(QStringLiteral("tūris"), {134, 48}, Anchor::Left);
  c.Label(QStringLiteral("8 kartus"), {134, 62}, Anchor::Left);
  c.Label(QStringLiteral("didesnis"), {134, 76}, Anchor::Left);
}

// ---- The classification of quadrilaterals ----

// A framed box with a small drawing on its left and the name and a line of
// what sets the kind apart on its right.
void Kind(Canvas& c, const QRectF& box, const QString& name, const QString& note1, const QString& note2,
          const std::vector<QPointF>& shape) {
  c.painter().save();
  c.painter().setPen(QColor(kFrameBlue));
  c.painter().drawRect(box);
  c.painter().restore();
  c.Shade(shape);
  QPainterPath outline;
  outline.addPolygon(QPolygonF(QList<QPointF>(shape.begin(), shape.end())));
  outline.closeSubpath();
  c.painter().drawPath(outline);
  const double textX = box.left() + 62;
  c.BoldLabel(name, {textX, box.top() + 6}, Anchor::TopLeft);
  c.Label(note1, {textX, box.top() + 22}, Anchor::TopLeft);
  if (!note2.isEmpty()) c.Label(note2, {textX, box.top() + 35}, Anchor::TopLeft);
}

std::vector<QPointF> Shifted(std::initializer_list<QPointF> points, QPointF by) {
  std::vector<QPointF> v;
  for (const QPointF& p : points) v.push_back(p + by);
  return v;
}

void DrawQuadrilateralKinds(Canvas& c) {
  const QRectF all(124, 6, 190, 52), trapezia(6, 96, 190, 52), parallelograms(232, 96, 200, 52),
      rectangles(164, 182, 132, 52), rhombi(300, 182, 132, 52), squares(220, 258, 176, 52);
  Kind(c, all, QStringLiteral("Keturkampiai"), QStringLiteral("4 kraštinės,"), QStringLiteral("4 kampai"),
       Shifted({{6, 40}, {14, 10}, {50, 6}, {44, 44}}, all.topLeft()));
  Kind(c, trapezia, QStringLiteral("Trapecijos"), QStringLiteral("tik dvi kraštinės"),
       QStringLiteral("lygiagrečios"), Shifted({{4, 42}, {16, 12}, {40, 12}, {54, 42}}, trapezia.topLeft()));
  Kind(c, parallelograms, QStringLiteral("Lygiagretainiai"), QStringLiteral("priešingos kraštinės"),
       QStringLiteral("lygiagrečios"), Shifted({{4, 42}, {16, 12}, {54, 12}, {42, 42}}, parallelograms.topLeft()));
  Kind(c, rectangles, QStringLiteral("Stačiakampiai"), QStringLiteral("visi kampai"), QStringLiteral("statūs"),
       Shifted({{6, 14}, {52, 14}, {52, 40}, {6, 40}}, rectangles.topLeft()));
  Kind(c, rhombi, QStringLiteral("Rombai"), QStringLiteral("visos kraštinės"), QStringLiteral("lygios"),
       Shifted({{29, 4}, {52, 26}, {29, 48}, {6, 26}}, rhombi.topLeft()));
  Kind(c, squares, QStringLiteral("Kvadratai"), QStringLiteral("visi kampai statūs,"),
       QStringLiteral("visos kraštinės lygios"), Shifted({{10, 8}, {46, 8}, {46, 44}, {10, 44}}, squares.topLeft()));

  auto down = [&c](QPointF from, QPointF to) { c.Arrow(from, to + QPointF(0, -1)); };
  down({all.left() + 40, all.bottom()}, {trapezia.center().x(), trapezia.top()});
  down({all.right() - 40, all.bottom()}, {parallelograms.center().x(), parallelograms.top()});
  down({parallelograms.left() + 40, parallelograms.bottom()}, {rectangles.center().x(), rectangles.top()});
  down({parallelograms.right() - 40, parallelograms.bottom()}, {rhombi.center().x(), rhombi.top()});
  down({rectangles.center().x(), rectangles.bottom()}, {squares.left() + 30, squares.top()});
  down({rhombi.center().x(), rhombi.bottom()}, {squares.right() - 30, squares.top()});

  // The kinds of trapezia, under their box.
  c.Label(QStringLiteral("Lygiašonė trapecija:"), {10, 170}, Anchor::TopLeft);
  c.Label(QStringLiteral("šoninės kraštinės lygios."), {10, 184}, Anchor::TopLeft);
  const QPointF i1(20, 236), i2(36, 206), i3(70, 206), i4(86, 236);
  c.Polygon({i1, i2, i3, i4});
  c.Ticks(i1, i2, 1);
  c.Ticks(i3, i4, 1);
  c.Label(QStringLiteral("Stačioji trapecija:"), {10, 250}, Anchor::TopLeft);
  c.Label(QStringLiteral("du kampai statūs."), {10, 264}, Anchor::TopLeft);
  const QPointF s1(20, 310), s2(20, 282), s3(60, 282), s4(90, 310);
  c.Polygon({s1, s2, s3, s4});
  c.RightAngle(s1, 0, 90, 5);
  c.RightAngle(s2, 270, 0, 5);
}

}  // namespace

const std::vector<Drawer>& DrawersHandbook() {
  static const std::vector<Drawer> drawers = {
      {"hb_3_1", DrawPowerParts},         {"hb_3_2", DrawRootParts},
      {"hb_10_1", DrawGraphs},            {"hb_13_1", DrawAngleKinds},
      {"hb_13_2", DrawAdjacentAngles},    {"hb_13_3", DrawVerticalAngles},
      {"hb_13_4", DrawTransversal},       {"hb_14_1", DrawTriangleLines},
      {"hb_15_1", DrawConvexity},         {"hb_15_2", DrawQuadrilateralTable},
      {"hb_16_1", DrawCircleParts},       {"hb_16_2", DrawLineApart},
      {"hb_16_3", DrawTangent},           {"hb_16_4", DrawSecant},
      {"hb_17_1", DrawCongruentTriangles}, {"hb_17_2", DrawCongruenceTests},
      {"hb_18_1", DrawSimilarTriangles},  {"hb_18_2", DrawSimilarSquares},
      {"hb_18_3", DrawSimilarCubes},      {"hb_quadrilaterals", DrawQuadrilateralKinds},
  };
  return drawers;
}

}  // namespace rova::figgen
