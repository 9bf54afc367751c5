// SPDX-License-Identifier: GPL-3.0-or-later
// What the drawn figures are made of, before JPEG: the list and the drawing
// functions agree, and the figures whose answers hang on counting or
// shading show exactly what the task needs.
#include <QSet>
#include <cmath>
#include <numbers>
#include <gtest/gtest.h>

#include "figures.h"
#include "image_difference.h"
#include "jpeg_encoder.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/picture_list.h"

namespace rova::figgen {
namespace {

bool IsShade(QRgb c) { return c == kShade; }
bool IsGround(QRgb c) { return c == kGround; }

TEST(FigureDrawers, everyListedPictureHasOneDrawerAndEveryDrawerIsListed) {
  QSet<QString> drawn;
  for (const Drawer& d : AllDrawers()) {
    EXPECT_FALSE(drawn.contains(QLatin1String(d.name))) << "drawn twice: " << d.name;
    drawn.insert(QLatin1String(d.name));
    EXPECT_NE(FindPicture(d.name), nullptr) << "not in the picture list: " << d.name;
  }
  for (const PictureInfo& info : AllPictures()) {
    EXPECT_TRUE(drawn.contains(QLatin1String(info.name))) << "no drawing for " << info.name;
  }
}

TEST(FigureDrawers, everyPictureIsDrawnAtItsListedSizeAndNotLeftBlank) {
  for (const PictureInfo& info : AllPictures()) {
    const QImage image = DrawPicture(info.name);
    ASSERT_FALSE(image.isNull()) << info.name;
    EXPECT_EQ(image.size(), QSize(info.width, info.height)) << info.name;
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    EXPECT_GE(ink, 6) << info.name << " has next to no black in it";
  }
}

// The copy for scaled screens is the same picture drawn finer: a drawer
// that lost the scale (drew at 1x in a corner, or text at its 1x size) would
// differ from the 1x picture once shrunk back. The pictures differ by 0.03
// at most, but for task 15-4's flowers: rings of 1.2 pixels that fill in at
// 1x and show their holes at 2x.
TEST(FigureDrawers, everyPictureAtTwiceTheSizeShrunkBackIsThePictureAtItsSize) {
  for (const PictureInfo& info : AllPictures()) {
    const QImage twice = DrawPicture(info.name, 2);
    ASSERT_EQ(twice.size(), QSize(2 * info.width, 2 * info.height)) << info.name;
    const double allowed = qstrcmp(info.name, "fig_15_4") == 0 ? 0.12 : 0.05;
    EXPECT_LE(testing::WorstTileDifference(DrawPicture(info.name), twice), allowed) << info.name;
  }
}

TEST(FigureDrawers, unknownNameGivesNoImage) {
  EXPECT_TRUE(DrawPicture("fig_19_1").isNull());
}

// Task 4-1's answer is 36/100: the top row, the bottom row and a band two
// cells wide from the top right to the bottom left.
TEST(Topic4Task1Figure, shadesThirtySixCellsInTheShapeOfTheTask) {
  const std::vector<QPoint> cells = ShadedCells_4_1();
  QSet<QPair<int, int>> unique;
  for (const QPoint& c : cells) {
    ASSERT_TRUE(c.x() >= 0 && c.x() < 10 && c.y() >= 0 && c.y() < 10) << c.x() << "," << c.y();
    unique.insert({c.x(), c.y()});
  }
  ASSERT_EQ(unique.size(), 36);
  for (int col = 0; col < 10; ++col) {
    EXPECT_TRUE(unique.contains({col, 0})) << "top row, column " << col;
    EXPECT_TRUE(unique.contains({col, 9})) << "bottom row, column " << col;
  }
  int previousRight = 10;
  for (int row = 1; row <= 8; ++row) {
    std::vector<int> cols;
    for (int col = 0; col < 10; ++col) {
      if (unique.contains({col, row})) cols.push_back(col);
    }
    ASSERT_EQ(cols.size(), 2u) << "row " << row;
    EXPECT_EQ(cols[1] - cols[0], 1) << "band cells side by side in row " << row;
    EXPECT_EQ(cols[1], previousRight - 1) << "band steps one cell left per row, row " << row;
    previousRight = cols[1];
  }
}

TEST(Topic4Task1Figure, drawingShadesExactlyTheListedCells) {
  const QImage image = DrawPicture("fig_4_1");
  QSet<QPair<int, int>> listed;
  for (const QPoint& c : ShadedCells_4_1()) listed.insert({c.x(), c.y()});
  for (int row = 0; row < 10; ++row) {
    for (int col = 0; col < 10; ++col) {
      const QRgb centre = image.pixel(col * 14 + 7, row * 14 + 7);
      EXPECT_EQ(IsShade(centre), listed.contains({col, row})) << "cell " << col << "," << row;
      EXPECT_TRUE(IsShade(centre) || IsGround(centre)) << "cell " << col << "," << row;
    }
  }
}

// Task 1-1's answer is 2/8: two opposite sectors of eight.
TEST(Topic1Task1Figure, shadesTwoOppositeSectorsOfEight) {
  const QImage image = DrawPicture("fig_1_1");
  std::vector<int> shaded;
  for (int sector = 0; sector < 8; ++sector) {
    const double a = (sector * 45 + 22.5) * std::numbers::pi / 180;
    const QPoint p(static_cast<int>(std::lround(54 + 30 * std::cos(a))),
                   static_cast<int>(std::lround(53 - 30 * std::sin(a))));
    if (IsShade(image.pixel(p))) shaded.push_back(sector);
  }
  ASSERT_EQ(shaded.size(), 2u);
  EXPECT_EQ(shaded[1] - shaded[0], 4) << "the shaded sectors face each other";
}

// The window lays "ROVA 2004" (Tahoma bold 29 px) and the subtitle over the
// picture at about (145, 90) and (148, 120): nothing may show through.
TEST(Splash, leavesTheTitleAreaPlain) {
  const QImage image = DrawPicture("splash");
  const QRect titles(140, 86, 230, 56);
  for (int y = titles.top(); y <= titles.bottom(); ++y) {
    for (int x = titles.left(); x <= titles.right(); ++x) {
      ASSERT_TRUE(IsGround(image.pixel(x, y))) << "at " << x << "," << y;
    }
  }
}

// Quality and full-resolution colour must keep one-pixel black lines black
// and the ground level after encoding, or thin figures turn to mush.
TEST(JpegEncoding, keepsOnePixelLinesDarkAndTheGroundEven) {
  for (const char* name : {"fig_4_1", "fig_14_3", "sym_pi", "splash"}) {
    const QImage drawn = DrawPicture(name).convertToFormat(QImage::Format_RGB888);
    const QImage decoded = DecodeJpeg(EncodeJpeg(drawn), QLatin1String(name));
    ASSERT_EQ(decoded.size(), drawn.size()) << name;
    int worstInk = 0, worstGround = 0;
    for (int y = 0; y < drawn.height(); ++y) {
      for (int x = 0; x < drawn.width(); ++x) {
        const QRgb want = drawn.pixel(x, y);
        const QRgb got = decoded.pixel(x, y);
        const int diff = std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                                   std::abs(qBlue(want) - qBlue(got))});
        if (want == kInk) worstInk = std::max(worstInk, qGray(got));
        if (want == kGround) worstGround = std::max(worstGround, diff);
      }
    }
    EXPECT_LE(worstInk, 40) << name << ": a black pixel came out grey";
    EXPECT_LE(worstGround, 24) << name << ": ringing round the lines";
  }
}

}  // namespace
}  // namespace rova::figgen
