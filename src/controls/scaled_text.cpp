// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/scaled_text.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <optional>

#include "controls/program_fonts.h"

namespace rova {

TextRendition ChooseTextRendition(double scale) {
  if (std::abs(scale - 1.0) < 1e-6) return {};
  // The strike nearest the 1x strike scaled, if it is within half a pixel:
  // 1.25 x 13 = 16.25 is the 16-pixel strike, 1.5 x 13 = 19.5 the 20-pixel one.
  const double wanted = scale * kSansWindowStrike;
  for (const int strike : kSansStrikes) {
    if (std::abs(wanted - strike) <= 0.5) return {TextRendition::Kind::Strike, strike};
  }
  return {TextRendition::Kind::Enlarged, 0};
}

std::vector<PlacedWord> PlaceWords(const std::vector<WordSpan>& words, double end, double space, double minSpace,
                                   double drift) {
  std::vector<PlacedWord> placed(words.size());
  for (size_t i = 0; i < words.size(); ++i) {
    double& start = placed[i].start;
    start = words[i].scaledStart;
    if (i > 0) {
      const double previousEnd = placed[i - 1].start + words[i - 1].width - placed[i - 1].narrowedGaps;
      start = std::max(start, std::min(previousEnd + space, words[i].scaledStart + drift));
      // Where narrowing could not make room, the word moves on rather than overlap.
      start = std::max(start, previousEnd + minSpace);
    }
    // The room up to the next word at its furthest, or the line's end.
    const double limit = i + 1 < words.size() ? words[i + 1].scaledStart + drift - minSpace : end;
    const double over = std::ceil(start + words[i].width - limit - 1e-9);
    if (over > 0) placed[i].narrowedGaps = static_cast<int>(std::min<double>(over, std::max(0, words[i].letters - 1)));
  }
  return placed;
}

double DeviceScale(const QPainter& painter) {
  if (!painter.isActive()) return 1.0;
  const QTransform device = painter.deviceTransform();
  // Windows are never turned; the scale is the length of a unit step.
  return std::hypot(device.m11(), device.m12());
}

bool IsSansFace(const QFont& font) { return font.family() == QLatin1String(kSansFamily); }

namespace {

// The whole pixel a glyph drawn at `v` lands on, as Qt's raster engine
// places aliased glyphs: halves go down.
double WholePixel(double v) { return std::floor(v + 0.5 - 1.0 / 64); }

// The pixels a font adds after each letter at 1x (an overstruck bold's).
double LetterSpacing(const QFont& font) {
  return font.letterSpacingType() == QFont::AbsoluteSpacing ? font.letterSpacing() : 0.0;
}

void DrawEnlarged(QPainter& canvas, QPointF baseline, const QString& text, const QFont& font, bool overstrike) {
  // The 1x text, drawn as a 1x screen draws it, then copied pixel by pixel.
  const QFontMetrics metrics(font);
  constexpr int kMargin = 1;
  const QSize size(metrics.horizontalAdvance(text) + 2 * kMargin + (overstrike ? 1 : 0), metrics.height());
  if (size.width() <= 2 * kMargin || size.height() <= 0) return;
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter text1x(&image);
    text1x.setFont(font);
    text1x.setPen(canvas.pen());
    text1x.drawText(QPointF(kMargin, metrics.ascent()), text);
    if (overstrike) text1x.drawText(QPointF(kMargin + 1, metrics.ascent()), text);
  }
  canvas.save();
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // On whole pixels, as the 1x screen places them.
  canvas.drawImage(QPointF(WholePixel(baseline.x()) - kMargin, WholePixel(baseline.y()) - metrics.ascent()), image);
  canvas.restore();
}

// In device pixels: the gap below which a strike's word moves right, by at
// most kDrift from its scaled 1x place, and the gap it never closes below.
// Three pixels read as a word space in both strikes.
constexpr double kWordGap = 3;
constexpr double kDrift = 2;
constexpr double kMinSpace = 2;

// Draws the run in the strike; false when the strike lacks a letter of it.
bool DrawInStrike(QPainter& canvas, QPointF baseline, const QString& text, const QFont& font, int strikePixels,
                  bool overstrike) {
  const QRawFont strike = SansStrike(strikePixels);
  if (!strike.isValid()) return false;
  const QTransform toDevice = canvas.deviceTransform();
  bool invertible = false;
  const QTransform toLogical = toDevice.inverted(&invertible);
  if (!invertible) return false;
  const QFontMetricsF metrics1x(font);
  // The spacing an overstruck bold adds, scaled: a word keeps its 1x length.
  const double spacing = LetterSpacing(font) * DeviceScale(canvas);
  const double y = WholePixel(toDevice.map(QPointF(0, WholePixel(baseline.y()))).y());

  struct Word {
    QList<quint32> glyphs;
    QList<double> advances;
  };
  std::vector<Word> words;
  std::vector<WordSpan> spans;
  double end1x = baseline.x();
  for (qsizetype start = 0; start < text.size();) {
    if (text[start].isSpace()) {
      ++start;
      continue;
    }
    qsizetype end = start;
    while (end < text.size() && !text[end].isSpace()) ++end;
    Word word;
    word.glyphs = strike.glyphIndexesForString(text.mid(start, end - start));
    if (word.glyphs.contains(0u)) return false;
    WordSpan span;
    for (const QPointF& advance : strike.advancesForGlyphIndexes(word.glyphs)) {
      word.advances.append(advance.x() + spacing);
      span.width += advance.x() + spacing;
    }
    span.width -= spacing;
    span.letters = static_cast<int>(word.glyphs.size());
    // The word starts where the 1x word starts, on the 1x pixel grid, scaled.
    const double left1x = WholePixel(baseline.x() + metrics1x.horizontalAdvance(text.left(start)));
    span.scaledStart = WholePixel(toDevice.map(QPointF(left1x, 0)).x());
    end1x = baseline.x() + metrics1x.horizontalAdvance(text.left(end));
    words.push_back(word);
    spans.push_back(span);
    start = end;
  }
  const std::vector<PlacedWord> placed =
      PlaceWords(spans, WholePixel(toDevice.map(QPointF(end1x, 0)).x()), kWordGap, kMinSpace, kDrift);

  QList<quint32> glyphs;
  QList<QPointF> positions;
  for (size_t w = 0; w < words.size(); ++w) {
    const Word& word = words[w];
    const int gaps = static_cast<int>(word.glyphs.size()) - 1;
    int narrowed = 0;
    double advance = 0;
    for (qsizetype i = 0; i < word.glyphs.size(); ++i) {
      // The narrowed gaps spread evenly over the word.
      if (i > 0 && gaps > 0) {
        const int due = static_cast<int>((static_cast<qint64>(placed[w].narrowedGaps) * i + gaps / 2) / gaps);
        advance -= due - narrowed;
        narrowed = due;
      }
      glyphs.append(word.glyphs[i]);
      positions.append(QPointF(placed[w].start + WholePixel(advance), y));
      advance += word.advances[i];
    }
  }
  if (glyphs.isEmpty()) return true;
  // Drawn in device pixels: under a fractional scale Qt would place glyphs
  // a pixel either way of where they were asked to go.
  const QTransform world = canvas.worldTransform();
  canvas.setWorldTransform(toLogical * world);
  QGlyphRun run;
  run.setRawFont(strike);
  run.setGlyphIndexes(glyphs);
  run.setPositions(positions);
  canvas.drawGlyphRun(QPointF(0, 0), run);
  if (overstrike) canvas.drawGlyphRun(QPointF(1, 0), run);
  canvas.setWorldTransform(world);
  return true;
}

}  // namespace

void DrawTextRun(QPainter& canvas, QPointF baseline, const QString& text, const QFont& font, bool overstrike) {
  const TextRendition rendition = IsSansFace(font) ? ChooseTextRendition(DeviceScale(canvas)) : TextRendition{};
  if (rendition.kind == TextRendition::Kind::Strike &&
      DrawInStrike(canvas, baseline, text, font, rendition.strikePixels, overstrike)) {
    return;
  }
  if (rendition.kind != TextRendition::Kind::Native) {
    DrawEnlarged(canvas, baseline, text, font, overstrike);
    return;
  }
  const QFont saved = canvas.font();
  canvas.setFont(font);
  canvas.drawText(baseline, text);
  if (overstrike) canvas.drawText(baseline + QPointF(1, 0), text);
  canvas.setFont(saved);
}

namespace {

// Passes everything on to the target painter, in the target's coordinates
// as they were when it began, and draws the text itself.
class ScaledTextEngine : public QPaintEngine {
 public:
  ScaledTextEngine(QPainter& target, bool overstrike)
      : QPaintEngine(AllFeatures), target_(target), overstrike_(overstrike) {}

  bool begin(QPaintDevice*) override {
    target_.save();
    base_ = target_.worldTransform();
    if (target_.hasClipping()) baseClip_ = target_.clipPath();
    return true;
  }
  bool end() override {
    target_.restore();
    return true;
  }
  Type type() const override { return User; }

  void updateState(const QPaintEngineState& state) override {
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyTransform) target_.setWorldTransform(state.transform() * base_);
    if (dirty & DirtyPen) target_.setPen(state.pen());
    if (dirty & DirtyBrush) target_.setBrush(state.brush());
    if (dirty & DirtyBrushOrigin) target_.setBrushOrigin(state.brushOrigin());
    if (dirty & DirtyBackground) target_.setBackground(state.backgroundBrush());
    if (dirty & DirtyBackgroundMode) target_.setBackgroundMode(state.backgroundMode());
    if (dirty & DirtyFont) target_.setFont(state.font());
    if (dirty & DirtyClipRegion) {
      QPainterPath path;
      path.addRegion(state.clipRegion());
      Clip(state.clipOperation(), path);
    }
    if (dirty & DirtyClipPath) Clip(state.clipOperation(), state.clipPath());
    if (dirty & DirtyClipEnabled) {
      if (state.isClipEnabled()) {
        if (innerClip_) Clip(Qt::ReplaceClip, *innerClip_);
      } else {
        RestoreBaseClip();
      }
    }
    if (dirty & DirtyHints) {
      target_.setRenderHints(~QPainter::RenderHints(), false);
      target_.setRenderHints(state.renderHints(), true);
    }
    if (dirty & DirtyCompositionMode) target_.setCompositionMode(state.compositionMode());
    if (dirty & DirtyOpacity) target_.setOpacity(state.opacity());
  }

  void drawRects(const QRect* rects, int count) override { target_.drawRects(rects, count); }
  void drawRects(const QRectF* rects, int count) override { target_.drawRects(rects, count); }
  void drawLines(const QLine* lines, int count) override { target_.drawLines(lines, count); }
  void drawLines(const QLineF* lines, int count) override { target_.drawLines(lines, count); }
  void drawEllipse(const QRectF& rect) override { target_.drawEllipse(rect); }
  void drawEllipse(const QRect& rect) override { target_.drawEllipse(rect); }
  void drawPath(const QPainterPath& path) override { target_.drawPath(path); }
  void drawPoints(const QPointF* points, int count) override { target_.drawPoints(points, count); }
  void drawPoints(const QPoint* points, int count) override { target_.drawPoints(points, count); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    switch (mode) {
      case OddEvenMode:
        target_.drawPolygon(points, count, Qt::OddEvenFill);
        break;
      case WindingMode:
        target_.drawPolygon(points, count, Qt::WindingFill);
        break;
      case ConvexMode:
        target_.drawConvexPolygon(points, count);
        break;
      case PolylineMode:
        target_.drawPolyline(points, count);
        break;
    }
  }
  void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
    QList<QPointF> exact(points, points + count);
    drawPolygon(exact.constData(), count, mode);
  }
  void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override {
    target_.drawPixmap(rect, pixmap, source);
  }
  void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset) override {
    target_.drawTiledPixmap(rect, pixmap, offset);
  }
  void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                 Qt::ImageConversionFlags flags) override {
    target_.drawImage(rect, image, source, flags);
  }
  void drawTextItem(const QPointF& at, const QTextItem& item) override {
    DrawTextRun(target_, at, item.text(), item.font(), overstrike_);
  }

 private:
  // The target keeps the clip it had when this began: a clip the painting
  // replaces or removes is the painting's own.
  void RestoreBaseClip() {
    const QTransform current = target_.worldTransform();
    target_.setWorldTransform(base_);
    if (baseClip_) {
      target_.setClipPath(*baseClip_);
    } else {
      target_.setClipping(false);
    }
    target_.setWorldTransform(current);
  }

  void Clip(Qt::ClipOperation operation, const QPainterPath& path) {
    if (operation == Qt::NoClip) {
      innerClip_.reset();
      RestoreBaseClip();
      return;
    }
    if (operation == Qt::ReplaceClip) RestoreBaseClip();
    innerClip_ = path;
    target_.setClipPath(path, target_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  }

  QPainter& target_;
  bool overstrike_;
  QTransform base_;
  std::optional<QPainterPath> baseClip_;
  std::optional<QPainterPath> innerClip_;
};

}  // namespace

ScaledTextDevice::ScaledTextDevice(QPainter& target, QSize size, bool overstrike)
    : engine_(std::make_unique<ScaledTextEngine>(target, overstrike)), size_(size) {}

ScaledTextDevice::~ScaledTextDevice() = default;

QPaintEngine* ScaledTextDevice::paintEngine() const { return engine_.get(); }

int ScaledTextDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
      return size_.width();
    case PdmHeight:
      return size_.height();
    case PdmWidthMM:
      return qRound(size_.width() * 25.4 / 96);
    case PdmHeightMM:
      return qRound(size_.height() * 25.4 / 96);
    case PdmNumColors:
      return 0;
    case PdmDepth:
      return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return 96;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(devicePixelRatioFScale());
  }
  return 0;
}

}  // namespace rova
