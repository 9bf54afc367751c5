// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "control_test_support.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/program_fonts.h"

namespace rova {
namespace {

constexpr TColor kBody = FromRgb(232, 228, 229);
constexpr QRgb kBodyRgb = 0xE8E4E5;

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

QImage Grab(QWidget& w) { return w.grab().toImage(); }

std::unique_ptr<TArtPanel> Panel(QSize size) {
  auto p = std::make_unique<TArtPanel>();
  p->resize(size);
  p->SetColor(kBody);
  p->SetColorHighlight(kClBlack);
  p->SetColorShadow(kClBlack);
  return p;
}

// Bounding box of pixels in `image` that are not `background`, inside `area`.
QRect Ink(const QImage& image, QRect area, QRgb background) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (At(image, x, y) != background) box = box.united(QRect(x, y, 1, 1));
  return box;
}

TEST(ArtPanel, blackBevelColoursGiveAOnePixelBlackFrameRaisedOrLowered) {
  for (TPanelBevel bevel : {TPanelBevel::bvRaised, TPanelBevel::bvLowered}) {
    auto p = Panel(QSize(40, 21));
    p->SetBevelOuter(bevel);
    const QImage image = Grab(*p);
    for (int x = 0; x < 40; ++x) {
      EXPECT_EQ(At(image, x, 0), 0u);
      EXPECT_EQ(At(image, x, 20), 0u);
    }
    for (int y = 0; y < 21; ++y) {
      EXPECT_EQ(At(image, 0, y), 0u);
      EXPECT_EQ(At(image, 39, y), 0u);
    }
    EXPECT_EQ(At(image, 1, 1), kBodyRgb);
    EXPECT_EQ(At(image, 38, 19), kBodyRgb);
  }
}

TEST(ArtPanel, frameColoursFollowTheBevelKindAndBorderWidthSeparatesTheInnerFrame) {
  auto p = Panel(QSize(40, 30));
  p->SetColorHighlight(kClWhite);
  p->SetColorShadow(kClGray);
  p->SetBorderWidth(3);
  p->SetBevelInner(TPanelBevel::bvLowered);
  const QImage image = Grab(*p);
  // Outer raised: light top-left, dark bottom-right (both corners that
  // touch both go to the dark colour).
  EXPECT_EQ(At(image, 0, 10), 0xFFFFFFu);
  EXPECT_EQ(At(image, 10, 0), 0xFFFFFFu);
  EXPECT_EQ(At(image, 39, 10), 0x808080u);
  EXPECT_EQ(At(image, 10, 29), 0x808080u);
  EXPECT_EQ(At(image, 39, 0), 0x808080u);
  EXPECT_EQ(At(image, 0, 29), 0x808080u);
  // Three pixels of the panel colour.
  for (int x = 1; x <= 3; ++x) EXPECT_EQ(At(image, x, 10), kBodyRgb) << x;
  // Inner lowered: dark top-left, light bottom-right.
  EXPECT_EQ(At(image, 4, 10), 0x808080u);
  EXPECT_EQ(At(image, 10, 4), 0x808080u);
  EXPECT_EQ(At(image, 35, 10), 0xFFFFFFu);
  EXPECT_EQ(At(image, 10, 25), 0xFFFFFFu);
  EXPECT_EQ(At(image, 5, 10), kBodyRgb);
}

TEST(ArtPanel, captionSitsInTheCornerItIsAlignedToInsideTheBevel) {
  auto p = Panel(QSize(120, 40));
  p->SetCaption(QStringLiteral("Gerai"));
  p->SetAlignmentHorz(TAlignment::taRightJustify);
  p->SetAlignmentVert(TAlignmentVert::tavBottom);
  const QRect ink = Ink(Grab(*p), QRect(1, 1, 118, 38), kBodyRgb);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.right(), 114);
  EXPECT_LE(ink.right(), 118);
  EXPECT_GE(ink.bottom(), 30);
  EXPECT_LE(ink.bottom(), 38);

  p->SetAlignmentHorz(TAlignment::taLeftJustify);
  p->SetAlignmentVert(TAlignmentVert::tavTop);
  const QRect top = Ink(Grab(*p), QRect(1, 1, 118, 38), kBodyRgb);
  EXPECT_LE(top.left(), 3);
  EXPECT_LE(top.top(), 4);
}

TEST(ArtPanel, longCaptionIsClippedToOneLineNotWrapped) {
  auto p = Panel(QSize(60, 40));
  p->SetCaption(QStringLiteral("ROVA 2004 - Testai - Funkcija"));
  const QImage image = Grab(*p);
  const QRect ink = Ink(image, QRect(1, 1, 58, 38), kBodyRgb);
  const QFontMetrics metrics(SansFont());
  EXPECT_LE(ink.height(), metrics.height());
  // The frame is untouched by the text.
  for (int y = 0; y < 40; ++y) EXPECT_EQ(At(image, 59, y), 0u);
}

TEST(ArtPanel, boldTitleIsDrawnBoldInTheFaceWithoutABoldStrike) {
  const auto inkPixels = [](bool bold) {
    auto p = Panel(QSize(200, 21));
    p->setFont(SansFont(11, bold));
    p->SetCaption(QStringLiteral("ROVA 2004 - Testai"));
    p->SetAlignmentHorz(TAlignment::taLeftJustify);
    const QImage image = Grab(*p);
    int count = 0;
    for (int y = 1; y < 20; ++y)
      for (int x = 1; x < 199; ++x) count += At(image, x, y) != kBodyRgb;
    return count;
  };
  EXPECT_GT(inkPixels(true), inkPixels(false) * 3 / 2);
}

TEST(ArtPanel, cornerImagesSitInsideTheFrameWithTheirKeyColourLeftOut) {
  auto p = Panel(QSize(40, 30));
  QImage corner(4, 3, QImage::Format_RGB32);
  corner.fill(QColor(255, 0, 255));
  corner.setPixel(0, 0, qRgb(255, 0, 0));
  corner.setPixel(3, 0, qRgb(0, 255, 0));
  p->SetEdge(TPanelCorner::BottomRight, corner);
  QImage image = Grab(*p);
  // Bottom-right corner: right edge at x = 38, bottom at y = 28.
  EXPECT_EQ(At(image, 35, 26), 0xFF0000u);
  EXPECT_EQ(At(image, 38, 26), 0x00FF00u);
  EXPECT_EQ(At(image, 38, 28), kBodyRgb);

  p->SetEdgesTransparent(false);
  image = Grab(*p);
  EXPECT_EQ(At(image, 38, 28), 0xFF00FFu);

  // Larger than the panel: drawn anyway, clipped.
  QImage huge(100, 100, QImage::Format_RGB32);
  huge.fill(QColor(0, 0, 255));
  huge.setPixel(0, 99, qRgb(1, 1, 1));
  p->SetEdge(TPanelCorner::TopLeft, huge);
  image = Grab(*p);
  EXPECT_EQ(At(image, 20, 15), 0x0000FFu);
}

TEST(ColoredGroupBox, frameStartsSixPixelsDownAndTheCaptionBreaksItsTopLine) {
  TColoredGroupBox box;
  box.resize(130, 60);
  box.SetColor(kBody);
  box.SetBorderColor(FromRgb(0, 0, 255));
  QImage image = Grab(box);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 130; ++x) ASSERT_EQ(At(image, x, y), kBodyRgb) << x << "," << y;
  for (int x = 0; x < 130; ++x) {
    EXPECT_EQ(At(image, x, 6), 0x0000FFu) << x;
    EXPECT_EQ(At(image, x, 59), 0x0000FFu) << x;
  }
  EXPECT_EQ(At(image, 0, 30), 0x0000FFu);
  EXPECT_EQ(At(image, 129, 30), 0x0000FFu);

  box.SetCaption(QStringLiteral(" Atsakymas: "));
  image = Grab(box);
  const int captionWidth = QFontMetrics(SansFont()).horizontalAdvance(box.Caption());
  // The line runs up to x = 3, stops under the caption, resumes after it.
  EXPECT_EQ(At(image, 3, 6), 0x0000FFu);
  EXPECT_EQ(At(image, 4, 6), kBodyRgb);  // the leading blank
  EXPECT_NE(Ink(image, QRect(4, 0, captionWidth, 13), kBodyRgb), QRect());
  EXPECT_EQ(At(image, 4 + captionWidth + 1, 6), 0x0000FFu);
  EXPECT_EQ(At(image, 129, 6), 0x0000FFu);
}

TEST(ColoredGroupBox, boldCaptionShowsWholeOnItsOpaqueGround) {
  // The overstruck bold caption is wider than the plain strike; the gap in
  // the frame is as wide as the caption drawn, and none of it is cut.
  const QString caption = QStringLiteral("Atsakymas:");
  const TColor red = FromRgb(255, 0, 0);
  const auto redBox = [](const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (At(image, x, y) == 0xFF0000u) box = box.united(QRect(x, y, 1, 1));
    return box;
  };
  TColoredGroupBox box;
  box.resize(200, 60);
  box.SetColor(kBody);
  box.SetFontColor(red);
  box.setFont(SansFont(11, true));
  box.SetCaption(caption);

  auto p = Panel(QSize(200, 21));
  p->SetFontColor(red);
  p->setFont(SansFont(11, true));
  p->SetAlignmentHorz(TAlignment::taLeftJustify);
  p->SetCaption(caption);
  const QRect free = redBox(Grab(*p));
  ASSERT_FALSE(free.isEmpty());
  EXPECT_EQ(redBox(Grab(box)).width(), free.width());
}

TEST(ColoredGroupBox, colourFollowsTheParentPanel) {
  TArtPanel panel;
  panel.SetColor(FromRgb(132, 146, 181));
  auto* box = new TColoredGroupBox(&panel);
  EXPECT_EQ(box->Color(), FromRgb(132, 146, 181));
  box->SetColor(kBody);
  EXPECT_EQ(box->Color(), kBody);
}

// A screen reader says which part of a window a field is in, and reads the
// title bars drawn inside the windows; a bare panel stays a plain pane.
TEST(PanelAccessibility, groupBoxesAndTitleBarsAreNamedByTheirTrimmedCaption) {
  TArtPanel window;
  auto* group = new TColoredGroupBox(&window);
  group->SetCaption(QStringLiteral(" Užduotis nr. 1 "));
  auto* title = new TArtPanel(&window);
  title->SetCaption(QStringLiteral("ROVA 2004 - Žinynas - Trikampiai"));
  auto* body = new TArtPanel(&window);

  QAccessibleInterface* groupSeen = QAccessible::queryAccessibleInterface(group);
  ASSERT_NE(groupSeen, nullptr);
  EXPECT_EQ(groupSeen->role(), QAccessible::Grouping);
  EXPECT_EQ(groupSeen->text(QAccessible::Name), QStringLiteral("Užduotis nr. 1"));
  QAccessibleInterface* titleSeen = QAccessible::queryAccessibleInterface(title);
  ASSERT_NE(titleSeen, nullptr);
  EXPECT_EQ(titleSeen->role(), QAccessible::StaticText);
  EXPECT_EQ(titleSeen->text(QAccessible::Name), QStringLiteral("ROVA 2004 - Žinynas - Trikampiai"));
  EXPECT_NE(QAccessible::queryAccessibleInterface(body)->role(), QAccessible::StaticText);
}

}  // namespace
}  // namespace rova
