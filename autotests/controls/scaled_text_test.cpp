// SPDX-License-Identifier: GPL-3.0-or-later
// The sans face on scaled screens: which strike or enlargement each scale
// gets, where a line's words go, and the text drawn at 1x, 1.25, 1.5 and 2
// against the 1x text.
#include <QPainter>
#include <gtest/gtest.h>

#include "controls/control_bitmaps.h"
#include "controls/control_text.h"
#include "controls/program_fonts.h"
#include "controls/scaled_text.h"

namespace rova {
namespace {

using Kind = TextRendition::Kind;

TEST(TextRendition, eachScaleGetsTheStrikeWithinHalfAPixelOrTheOneTimesTextEnlarged) {
  const struct {
    double scale;
    Kind kind;
    int strike;
  } rows[] = {
      {1.0, Kind::Native, 0},    {1.25, Kind::Strike, 16},   {1.5, Kind::Strike, 20},
      {1.2, Kind::Strike, 16},   {1.1, Kind::Enlarged, 0},   {1.75, Kind::Enlarged, 0},
      {2.0, Kind::Enlarged, 0},  {1.58, Kind::Enlarged, 0},  {3.0, Kind::Enlarged, 0},
  };
  for (const auto& row : rows) {
    const TextRendition rendition = ChooseTextRendition(row.scale);
    EXPECT_EQ(rendition.kind, row.kind) << row.scale;
    if (row.kind == Kind::Strike) {
      EXPECT_EQ(rendition.strikePixels, row.strike) << row.scale;
    }
  }
}

// Words as {scaled 1x start, strike width, letters}; gaps of 3, drift 2, never closer than 2.
TEST(PlaceWords, wordsStayAtTheirPlacesUnlessTooCloseAndNeverRunPastTheEnd) {
  const struct {
    const char* what;
    std::vector<WordSpan> words;
    double end;
    std::vector<double> starts;
    std::vector<int> narrowed;
  } rows[] = {
      {"room everywhere", {{0, 20, 4}, {26, 10, 2}}, 40, {0, 26}, {0, 0}},
      {"a wide word moves the next one on", {{0, 24, 4}, {26, 10, 2}}, 40, {0, 27}, {0, 0}},
      {"by two pixels at most", {{0, 26, 4}, {26, 10, 2}}, 40, {0, 28}, {0, 0}},
      {"then the wide word's letters close up", {{0, 29, 5}, {26, 10, 2}}, 40, {0, 28}, {3, 0}},
      {"the last word ends by the end", {{0, 20, 4}, {26, 12, 4}}, 37, {0, 26}, {0, 1}},
      {"out of gaps, words move on", {{0, 30, 2}, {26, 10, 2}}, 41, {0, 31}, {1, 0}},
      {"none at all", {}, 10, {}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const std::vector<PlacedWord> placed = PlaceWords(row.words, row.end, 3, 2, 2);
    ASSERT_EQ(placed.size(), row.starts.size());
    for (size_t i = 0; i < placed.size(); ++i) {
      EXPECT_EQ(placed[i].start, row.starts[i]) << i;
      EXPECT_EQ(placed[i].narrowedGaps, row.narrowed[i]) << i;
    }
  }
}

constexpr QRgb kPaper = 0xFFE8E4E5;

// `text` drawn as the controls draw captions, on an image of `size` logical
// pixels at `scale`.
QImage Caption(double scale, const QString& text, bool bold, QSize size = {260, 20}) {
  QImage image(QSize(qRound(size.width() * scale), qRound(size.height() * scale)), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(kPaper);
  QPainter canvas(&image);
  canvas.setFont(SansFont(11, bold));
  canvas.setPen(Qt::black);
  DrawCaption(canvas, QRect(QPoint(3, 2), size), Qt::AlignLeft | Qt::AlignTop, text);
  canvas.end();
  image.setDevicePixelRatio(1);
  return image;
}

QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kPaper) box |= QRect(x, y, 1, 1);
  return box;
}

const QString kLine = QStringLiteral("Įveskite savo vartotojo vardą ir slaptažodį:");

TEST(ScaledText, oneTimesTextIsQtsOwnAndTwiceIsItPixelForPixel) {
  for (const bool bold : {false, true}) {
    SCOPED_TRACE(bold ? "bold" : "regular");
    QImage qt(260, 20, QImage::Format_RGB32);
    qt.fill(kPaper);
    QPainter canvas(&qt);
    canvas.setFont(DrawnFont(SansFont(11, bold)));
    canvas.setPen(Qt::black);
    canvas.drawText(QRect(3, 2, 260, 20), Qt::AlignLeft | Qt::AlignTop, kLine);
    if (bold) canvas.drawText(QRect(4, 2, 260, 20), Qt::AlignLeft | Qt::AlignTop, kLine);
    canvas.end();
    const QImage oneX = Caption(1.0, kLine, bold);
    EXPECT_EQ(oneX, qt);
    EXPECT_EQ(Caption(2.0, kLine, bold), oneX.scaled(oneX.size() * 2));
  }
}

TEST(ScaledText, inAStrikeTheLineHasTheOneTimesExtentScaled) {
  for (const bool bold : {false, true}) {
    const QRect oneX = InkBox(Caption(1.0, kLine, bold));
    for (const double scale : {1.25, 1.5}) {
      SCOPED_TRACE(QStringLiteral("%1 at %2").arg(bold ? "bold" : "regular").arg(scale).toStdString());
      const QRect scaled = InkBox(Caption(scale, kLine, bold));
      // Letters of the strike's size, not the 1x letters spread apart.
      EXPECT_NEAR(scaled.height(), oneX.height() * scale, 2.0);
      EXPECT_NEAR(scaled.top(), oneX.top() * scale, 2.0);
      EXPECT_NEAR(scaled.left(), oneX.left() * scale, 1.0);
      // Never beyond where the 1x line ends, and not far short of it.
      EXPECT_LE(scaled.right(), (oneX.right() + 1) * scale);
      EXPECT_GE(scaled.right(), (oneX.right() + 1) * scale - 6);
    }
  }
}

TEST(ScaledText, aClipTheCaptionIsDrawnInStillHoldsAtEveryScale) {
  for (const double scale : {1.25, 1.5, 2.0}) {
    QImage image(QSize(qRound(100 * scale), qRound(20 * scale)), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(kPaper);
    QPainter canvas(&image);
    canvas.setFont(SansFont());
    canvas.setPen(Qt::black);
    canvas.setClipRect(QRect(0, 0, 40, 20));
    DrawCaption(canvas, QRect(2, 2, 100, 16), Qt::AlignLeft | Qt::AlignTop, kLine);
    canvas.end();
    image.setDevicePixelRatio(1);
    EXPECT_LT(InkBox(image).right(), 40 * scale) << scale;
    EXPECT_FALSE(InkBox(image).isEmpty()) << scale;
  }
}

TEST(ControlBitmaps, aScaledScreenGetsTheCopyDrawnAtTwiceTheSizeAndA1xScreenTheBitmapItself) {
  for (const char* name : {"DEFCHK", "AMRADIO", "LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE", "LBABORT",
                           "LBRETRY", "LBIGNORE", "LBALL", "LBARROW"}) {
    SCOPED_TRACE(name);
    const QImage bitmap = ControlBitmap(QLatin1String(name));
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(ControlBitmapForScale(bitmap, 1.0).cacheKey(), bitmap.cacheKey());
    for (const double scale : {1.25, 2.0}) {
      const QImage twice = ControlBitmapForScale(bitmap, scale);
      EXPECT_EQ(twice.size(), bitmap.size() * 2);
      EXPECT_EQ(twice.devicePixelRatio(), 2.0);
      // The key colour that leaves the background out stays in its corner.
      EXPECT_EQ(twice.pixel(0, twice.height() - 1), bitmap.pixel(0, bitmap.height() - 1));
    }
    QImage changed = bitmap;
    changed.setPixel(0, 0, qRgb(1, 2, 3));
    EXPECT_EQ(ControlBitmapForScale(changed, 2.0).cacheKey(), changed.cacheKey()) << "a changed copy has no 2x copy";
  }
}

}  // namespace
}  // namespace rova
