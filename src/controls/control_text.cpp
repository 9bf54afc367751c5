// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/control_text.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTextOption>

#include "controls/scaled_text.h"

namespace rova {
namespace {

QImage Sample(QFont font, bool bold) {
  font.setBold(bold);
  QImage image(32, 32, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 0, 32, 32), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Hm"));
  return image;
}

}  // namespace

bool NeedsOverstrike(const QFont& font) {
  if (!font.bold()) return false;
  // Asked once per face and size: does bold change a single pixel?
  static QHash<QString, bool> known;
  const QString key = font.family() + QLatin1Char('/') + QString::number(font.pixelSize()) + QLatin1Char('/') +
                      QString::number(font.pointSizeF());
  auto it = known.find(key);
  if (it == known.end()) it = known.insert(key, Sample(font, true) == Sample(font, false));
  return *it;
}

QFont DrawnFont(const QFont& font) {
  if (!NeedsOverstrike(font)) return font;
  // Each letter one pixel wider, so that the doubled strokes keep apart.
  QFont spaced = font;
  spaced.setLetterSpacing(QFont::AbsoluteSpacing, font.letterSpacing() + 1);
  return spaced;
}

namespace {

class Overstrike {
 public:
  explicit Overstrike(QPainter& canvas) : canvas_(canvas), font_(canvas.font()), on_(NeedsOverstrike(font_)) {
    if (on_) canvas_.setFont(DrawnFont(font_));
  }
  ~Overstrike() { canvas_.setFont(font_); }
  bool on() const { return on_; }

 private:
  QPainter& canvas_;
  QFont font_;
  bool on_;
};

}  // namespace

namespace {

// On a scaled screen the text is laid out as at 1x and each line drawn in
// the face's rendition for the scale, bold included.
template <typename Draw>
bool DrawScaled(QPainter& canvas, bool overstrike, Draw draw) {
  if (!IsSansFace(canvas.font()) || ChooseTextRendition(DeviceScale(canvas)).kind == TextRendition::Kind::Native)
    return false;
  ScaledTextDevice device(canvas, QSize(canvas.device()->width(), canvas.device()->height()), overstrike);
  QPainter layout(&device);
  layout.setFont(canvas.font());
  layout.setPen(canvas.pen());
  draw(layout);
  return true;
}

}  // namespace

void DrawPlainText(QPainter& canvas, const QRect& rect, int flags, const QString& text) {
  if (DrawScaled(canvas, false, [&](QPainter& layout) { layout.drawText(rect, flags, text); })) return;
  canvas.drawText(rect, flags, text);
}

void DrawCaption(QPainter& canvas, const QRect& rect, int flags, const QString& text) {
  const Overstrike bold(canvas);
  if (DrawScaled(canvas, bold.on(), [&](QPainter& layout) { layout.drawText(rect, flags, text); })) return;
  canvas.drawText(rect, flags, text);
  if (bold.on()) canvas.drawText(rect.translated(1, 0), flags, text);
}

void DrawCaption(QPainter& canvas, const QRectF& rect, const QString& text, const QTextOption& option) {
  const Overstrike bold(canvas);
  if (DrawScaled(canvas, bold.on(), [&](QPainter& layout) { layout.drawText(rect, text, option); })) return;
  canvas.drawText(rect, text, option);
  if (bold.on()) canvas.drawText(rect.translated(1, 0), text, option);
}

}  // namespace rova
