// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

#include "controls/control_bitmaps.h"
#include "controls/button_face.h"
#include "controls/program_fonts.h"

namespace rova {
namespace {

constexpr TColor kFace = FromRgb(232, 228, 229);
constexpr QRgb kFaceRgb = 0xE8E4E5;

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

QImage Paint(const TLbButtonFace& face) {
  QImage image(face.width, face.height, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  QPainter canvas(&image);
  PaintButtonFace(canvas, face);
  return image;
}

// The windows' usual speed button: 111 x 25, black bevel, centred caption.
TLbButtonFace UsualFace() {
  TLbButtonFace f;
  f.width = 111;
  f.height = 25;
  f.alignment = TAlignment::taCenter;
  f.caption = QStringLiteral("Tikrinti atsakymą");
  f.font = SansFont();
  f.fontColor = kClBlack;
  f.lightColor = kClBlack;
  f.shadowColor = kClBlack;
  f.hotTrackColor = FromRgb(199, 199, 202);
  f.color = kFace;
  return f;
}

// Bounding box of the pixels that are neither face nor frame.
QRect InkBox(const QImage& image, QRgb face) {
  QRect box;
  for (int y = 1; y < image.height() - 1; ++y)
    for (int x = 1; x < image.width() - 1; ++x)
      if (At(image, x, y) != face) box = box.united(QRect(x, y, 1, 1));
  return box;
}

TEST(ColorValue, channelsAreRedLowThenGreenThenBlue) {
  const TColor c(13289415);
  EXPECT_EQ(Resolve(c), QColor(199, 199, 202));
  EXPECT_EQ(FromRgb(199, 199, 202), c);
  EXPECT_FALSE(Resolve(kClNone).isValid());
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(1, 2, 3));
  palette.setColor(QPalette::WindowText, QColor(4, 5, 6));
  EXPECT_EQ(Resolve(kClBtnFace, palette), QColor(1, 2, 3));
  EXPECT_EQ(Resolve(kClWindowText, palette), QColor(4, 5, 6));
}

TEST(BlendFadeColor, mixesInEighthsAndDropsTheFraction) {
  struct Case {
    TColor normal, hot;
    int step;
    TColor expected;
  };
  const Case cases[] = {
      {kClBlack, kClWhite, 4, TColor(0x7F7F7F)},
      {kClBlack, kClWhite, 1, TColor(0x1F1F1F)},
      {kClBlack, kClWhite, 7, TColor(0xDFDFDF)},  // 223.125
      {kFace, FromRgb(199, 199, 202), 8, FromRgb(199, 199, 202)},
      {kFace, FromRgb(199, 199, 202), 0, kFace},
      {kFace, FromRgb(199, 199, 202), 4, FromRgb(215, 213, 215)},
      {FromRgb(10, 200, 0), FromRgb(0, 0, 255), 3, FromRgb(6, 125, 95)},
  };
  for (const Case& c : cases) EXPECT_EQ(BlendFadeColor(c.normal, c.hot, c.step).value, c.expected.value) << c.step;
}

TEST(FillVerticalGradient, paintsOverlappingBandsOfTruncatedRunningColours) {
  QImage image(4, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter canvas(&image);
  // Four rows hold 32 bands; each row shows the last band that starts on it.
  FillVerticalGradient(canvas, kClBlack, FromRgb(100, 0, 0), 1, 2, 3, 6);
  canvas.end();
  EXPECT_EQ(At(image, 1, 2), 0x160000u);  // band 7: 7 x 100 / 31 = 22.58
  EXPECT_EQ(At(image, 2, 3), 0x300000u);  // band 15: 48.39
  EXPECT_EQ(At(image, 1, 4), 0x4A0000u);  // band 23: 74.19
  EXPECT_EQ(At(image, 1, 5), 0x600000u);  // band 30: 96.77
  EXPECT_EQ(At(image, 1, 6), 0xFFFFFFu);  // the bottom is excluded
  EXPECT_EQ(At(image, 0, 3), 0xFFFFFFu);  // and so are the columns outside
  EXPECT_EQ(At(image, 3, 3), 0xFFFFFFu);
  EXPECT_EQ(At(image, 1, 1), 0xFFFFFFu);
}

TEST(FaceColorPresets, tableHoldsEachPresetsColours) {
  EXPECT_FALSE(ApplyColorStyle(TLbColorStyle::lcsCustom).has_value());
  const auto xp = ApplyColorStyle(TLbColorStyle::lcsUltraFlatXP);
  ASSERT_TRUE(xp.has_value());
  EXPECT_EQ(xp->color, TColor(0xD1D8DB));
  EXPECT_EQ(xp->shadowColor, TColor(0xB59285));
  EXPECT_EQ(xp->hotTrackColor, TColor(0xD2BDB6));
  EXPECT_TRUE(xp->flat);
  EXPECT_EQ(xp->style, TLbButtonStyle::bsNormal);
  const auto flat2 = ApplyColorStyle(TLbColorStyle::lcsUltraFlat2);
  EXPECT_EQ(flat2->color, kClBtnFace);
  EXPECT_EQ(flat2->colorWhenDown, TColor(0x24DABC));
}

TEST(PaintButtonFace, usualSpeedButtonHasFaceFillBlackFrameAndCentredCaption) {
  const QImage up = Paint(UsualFace());
  for (int x = 0; x < 111; ++x) {
    EXPECT_EQ(At(up, x, 0), 0u) << x;
    EXPECT_EQ(At(up, x, 24), 0u) << x;
  }
  for (int y = 0; y < 25; ++y) {
    EXPECT_EQ(At(up, 0, y), 0u) << y;
    EXPECT_EQ(At(up, 110, y), 0u) << y;
  }
  EXPECT_EQ(At(up, 1, 1), kFaceRgb);
  EXPECT_EQ(At(up, 109, 23), kFaceRgb);

  const QFontMetrics metrics(SansFont());
  const int lineTop = (25 - metrics.height()) / 2;
  const QRect ink = InkBox(up, kFaceRgb);
  EXPECT_GE(ink.left(), 4);
  EXPECT_LE(ink.right(), 106);
  EXPECT_GE(ink.top(), lineTop);
  EXPECT_LT(ink.bottom(), lineTop + metrics.height());
  // Centred in x = 4 .. 107 within a pixel.
  EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, (4 + 107) / 2.0, 1.0);
}

TEST(PaintButtonFace, downMovesEverythingButTheFrameOnePixel) {
  TLbButtonFace face = UsualFace();
  const QImage up = Paint(face);
  face.down = true;
  const QImage down = Paint(face);
  for (int y = 1; y < 23; ++y)
    for (int x = 1; x < 109; ++x) ASSERT_EQ(At(down, x + 1, y + 1), At(up, x, y)) << x << "," << y;
  EXPECT_EQ(At(down, 0, 0), 0u);
  EXPECT_EQ(At(down, 110, 24), 0u);
}

TEST(PaintButtonFace, bevelColoursSwapWhileDown) {
  TLbButtonFace face = UsualFace();
  face.lightColor = kClWhite;
  face.shadowColor = kClGray;
  const QImage up = Paint(face);
  EXPECT_EQ(At(up, 0, 10), 0xFFFFFFu);
  EXPECT_EQ(At(up, 50, 0), 0xFFFFFFu);
  EXPECT_EQ(At(up, 110, 10), 0x808080u);
  EXPECT_EQ(At(up, 50, 24), 0x808080u);
  EXPECT_EQ(At(up, 110, 0), 0x808080u);  // the light line stops short of the corner
  face.down = true;
  const QImage down = Paint(face);
  EXPECT_EQ(At(down, 0, 10), 0x808080u);
  EXPECT_EQ(At(down, 110, 10), 0xFFFFFFu);
}

TEST(PaintButtonFace, captionIsCutToTheAvailableWidthUnlessWrapped) {
  TLbButtonFace face = UsualFace();
  face.width = 40;
  face.alignment = TAlignment::taLeftJustify;
  face.caption = QStringLiteral("Sekantis uždavinys");
  const QImage cut = Paint(face);

  const QFontMetrics metrics(face.font);
  QString fits = face.caption;
  while (metrics.horizontalAdvance(fits) > 32) fits.chop(1);
  ASSERT_FALSE(fits.isEmpty());
  ASSERT_LT(fits.size(), face.caption.size());
  face.caption = fits;
  EXPECT_EQ(cut, Paint(face));
  EXPECT_LE(InkBox(cut, kFaceRgb).right(), 4 + 32);
}

TEST(PaintButtonFace, boldCaptionIsCutAsDrawnAndNeverWrapsAway) {
  // Bold in the bitmap face is overstruck and wider than the plain strike;
  // a caption cut by the plain width wrapped, and its second word vanished.
  TLbButtonFace face = UsualFace();
  face.font = SansFont(11, true);
  face.alignment = TAlignment::taLeftJustify;
  face.hotTrackColor = kClNone;
  const int plain = QFontMetrics(face.font).horizontalAdvance(face.caption);
  face.width = plain + 8 + 2;
  const QImage image = Paint(face);
  const QRect ink = InkBox(image, kFaceRgb);
  const QFontMetrics metrics(face.font);
  EXPECT_LT(ink.bottom(), (25 - metrics.height()) / 2 + metrics.height());
  // Most of the available width carries text, not just the first word.
  EXPECT_GT(ink.width(), (face.width - 8) * 3 / 4);
  EXPECT_LE(ink.right(), face.width - 4);
}

TEST(PaintButtonFace, disabledFlatButtonHasNoBevelGreyCaptionAndPlainFace) {
  TLbButtonFace face = UsualFace();
  face.flat = true;
  face.enabled = false;
  face.hot = true;
  face.fadeStep = 8;
  face.down = true;
  const QImage image = Paint(face);
  EXPECT_EQ(At(image, 0, 0), kFaceRgb);
  EXPECT_EQ(At(image, 110, 24), kFaceRgb);
  EXPECT_EQ(At(image, 2, 2), kFaceRgb);
  bool grey = false;
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 111; ++x) {
      const QRgb p = At(image, x, y);
      EXPECT_TRUE(p == kFaceRgb || p == 0x808080u) << x << "," << y;
      grey = grey || p == 0x808080u;
    }
  EXPECT_TRUE(grey);
}

TEST(PaintButtonFace, modernFaceOf25RowsHasTwoGradientsMeetingAtRow6) {
  TLbButtonFace face = UsualFace();
  face.caption.clear();
  face.style = TLbButtonStyle::bsModern;
  face.lightColor = kClWhite;
  face.color = kClBlack;
  face.hotTrackColor = kClNone;
  const QImage image = Paint(face);
  // Light at row 2 darkening to the face colour by row 6, then lighter
  // again down to row 22; rows 1 and 23 carry the face-coloured inner frame.
  EXPECT_GT(qRed(image.pixel(10, 2)), 190);
  EXPECT_LT(qRed(image.pixel(10, 6)), 10);
  EXPECT_GT(qRed(image.pixel(10, 22)), 230);
  EXPECT_EQ(At(image, 10, 1), 0u);
  EXPECT_EQ(At(image, 10, 23), 0u);
  for (int y = 3; y <= 6; ++y) EXPECT_LE(qRed(image.pixel(10, y)), qRed(image.pixel(10, y - 1))) << y;
  for (int y = 7; y <= 22; ++y) EXPECT_GE(qRed(image.pixel(10, y)), qRed(image.pixel(10, y - 1))) << y;

  // The same rows as the two gradients painted on their own.
  QImage expected(111, 25, QImage::Format_RGB32);
  expected.fill(Qt::black);
  QPainter canvas(&expected);
  FillVerticalGradient(canvas, kClWhite, kClBlack, 2, 2, 109, 6);
  FillVerticalGradient(canvas, kClBlack, kClWhite, 2, 6, 109, 24);
  canvas.end();
  for (int y = 2; y < 23; ++y) EXPECT_EQ(At(image, 10, y), At(expected, 10, y)) << y;
}

// A four-cell strip whose cells are told apart by colour; the bottom-left
// pixel of each cell is the key colour.
QImage FourCellStrip() {
  QImage strip(40, 10, QImage::Format_RGB32);
  const QRgb colours[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
  for (int i = 0; i < 4; ++i)
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) strip.setPixel(i * 10 + x, y, colours[i]);
  for (int i = 0; i < 4; ++i) strip.setPixel(i * 10, 9, qRgb(1, 2, 3));
  return strip;
}

TEST(PaintButtonFace, glyphCellFollowsTheStateAndItsKeyColourIsLeftOut) {
  struct Case {
    bool enabled, hot, down;
    int numGlyphs;
    QRgb expected;
  };
  const Case cases[] = {
      {true, false, false, 4, 0xFF0000},   // normal
      {false, true, true, 4, 0x00FF00},    // disabled wins
      {true, true, false, 4, 0xFFFF00},    // hot
      {true, true, true, 4, 0x0000FF},     // down wins over hot
      {true, true, false, 3, 0xFF0000},    // no hot cell in a strip of three
      {true, false, true, 2, 0xFF0000},    // no down cell in a strip of two
      {false, false, false, 1, 0xFF0000},  // disabled cell past the strip: cell 0
  };
  for (const Case& c : cases) {
    TLbButtonFace face = UsualFace();
    face.caption.clear();
    face.glyph = FourCellStrip().copy(0, 0, 10 * c.numGlyphs, 10);
    face.numGlyphs = c.numGlyphs;
    face.enabled = c.enabled;
    face.hot = c.hot;
    face.down = c.down;
    face.alignment = TAlignment::taLeftJustify;
    const QImage image = Paint(face);
    const int off = c.enabled && c.down ? 1 : 0;
    // The glyph sits at (4, (25 - 10) div 2) plus the press offset.
    EXPECT_EQ(At(image, 4 + off + 5, 7 + off + 5), c.expected) << c.enabled << c.hot << c.down << c.numGlyphs;
    EXPECT_EQ(At(image, 4 + off, 7 + off + 9), kFaceRgb);
  }
}

TEST(PaintButtonFace, popupMarkerSitsAtRightOfTheMiddle) {
  TLbButtonFace face = UsualFace();
  face.caption.clear();
  face.hasPopupMenu = true;
  const QImage image = Paint(face);
  const QImage arrow = ControlBitmap(QStringLiteral("LBARROW"));
  ASSERT_EQ(arrow.size(), QSize(5, 3));
  EXPECT_EQ(At(image, 100, 11), arrow.pixel(0, 0) & 0xFFFFFF);
  EXPECT_EQ(At(image, 100, 13), kFaceRgb);  // the key colour stays out
}

}  // namespace
}  // namespace rova
