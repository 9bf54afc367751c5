// SPDX-License-Identifier: GPL-3.0-or-later
// The splash picture and the small pictures that stand for signs in the
// statements' text lines.
#include "emblem.h"
#include "figures.h"

namespace rova::figgen {
namespace {

constexpr QRgb kDarkRule = qRgb(48, 56, 82);

// Pixel art: '#' is ink, anything else the ground.
void DrawPixels(Canvas& c, std::initializer_list<const char*> rows) {
  int y = 0;
  for (const char* row : rows) {
    for (int x = 0; row[x] != '\0'; ++x) {
      if (row[x] == '#') c.FillPixels(QRect(x, y, 1, 1), kInk);
    }
    ++y;
  }
}

// 400 x 300. The window lays "ROVA 2004" at about (145, 90) and the
// subtitle at about (148, 120) over it, so that band is left plain.
void DrawSplash(Canvas& c) {
  QPainter& p = c.painter();
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(kFrameBlue));
  p.drawRect(QRectF(0, 0, 399, 299));
  p.drawRect(QRectF(5, 5, 389, 289));
  p.drawRect(QRectF(6, 6, 387, 287));

  DrawEmblem(p, QPointF(20, 20));

  // A band of thin lines across the top right.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(kFrameBlue));
  for (int i = 0; i < 11; ++i) {
    const int y = 24 + 6 * i;
    p.drawLine(108 + 8 * (10 - i), y, 380, y);
  }

  // The dark rule below the middle, with a lighter one under it.
  p.setPen(QColor(kDarkRule));
  p.drawLine(20, 196, 380, 196);
  p.setPen(QColor(kFrameBlue));
  p.drawLine(20, 199, 380, 199);

  // Below the rule, a row of blue squares growing towards the right.
  for (int i = 0; i < 8; ++i) {
    const int side = 4 + 2 * i;
    p.fillRect(QRect(200 + i * 22, 270 - side, side, side), QColor(kFrameBlue));
  }
  p.restore();
}

void DrawSymbolElementOf(Canvas& c) {
  DrawPixels(c, {"..####", ".#....", "#.....", "######", "#.....", ".#....", "..####"});
}

void DrawSymbolBrace(Canvas& c) {
  DrawPixels(c, {".....##", "....#..", "...#...", "...#...", "...#...", "...#...",
                 "...#...", "...#...", "...#...", "...#...", "...#...", "...#...",
                 "...#...", "..#....", "##.....", "..#....", "...#...", "...#...",
                 "...#...", "...#...", "...#...", "...#...", "...#...", "...#...",
                 "...#...", "...#...", "...#...", "...#...", "....#..", ".....##"});
}

void DrawSymbolPi(Canvas& c) {
  DrawPixels(c, {"######", ".#..#.", ".#..#.", ".#..#.", ".#..#.", ".#...#"});
}

void DrawSymbolTriangle(Canvas& c) {
  DrawPixels(c, {"...#...", "...#...", "..#.#..", "..#.#..", ".#...#.", ".#...#.",
                 "#.....#", "#.....#", "#######"});
}

void DrawSymbolSimilar(Canvas& c) {
  DrawPixels(c, {".##.....", "#..#....", "....#..#", ".....##."});
}

}  // namespace

const std::vector<Drawer>& DrawersSplashAndSymbols() {
  static const std::vector<Drawer> drawers = {
      {"splash", DrawSplash},
      {"sym_element_of", DrawSymbolElementOf},
      {"sym_brace", DrawSymbolBrace},
      {"sym_pi", DrawSymbolPi},
      {"sym_triangle", DrawSymbolTriangle},
      {"sym_similar", DrawSymbolSimilar},
  };
  return drawers;
}

}  // namespace rova::figgen
