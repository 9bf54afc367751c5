// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/button_face.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include "controls/control_bitmaps.h"
#include "controls/control_text.h"
#include "controls/scaled_text.h"

namespace rova {
namespace {

using Style = TLbButtonStyle;

// Rectangles in this file follow the usual convention: the start is inside,
// the end is not. So does a line: its last point is left for the next one.
void LineTo(QPainter& canvas, QPoint& pen, QPoint to, const QColor& colour) {
  if (pen == to) return;
  const QPoint step((to.x() > pen.x()) - (to.x() < pen.x()), (to.y() > pen.y()) - (to.y() < pen.y()));
  if (step.x() != 0 && step.y() != 0) {
    canvas.setPen(colour);
    canvas.drawLine(pen, to - step);
  } else {
    const int x0 = std::min(pen.x(), to.x() - step.x());
    const int x1 = std::max(pen.x(), to.x() - step.x());
    const int y0 = std::min(pen.y(), to.y() - step.y());
    const int y1 = std::max(pen.y(), to.y() - step.y());
    canvas.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), colour);
  }
  pen = to;
}

void PolyLine(QPainter& canvas, QPoint& pen, std::initializer_list<QPoint> points, const QColor& colour) {
  for (const QPoint& p : points) LineTo(canvas, pen, p, colour);
}

QImage KeyedCopy(const QImage& source, QRgb key) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] & 0xFFFFFFu) == (key & 0xFFFFFFu)) line[x] = 0;
  }
  return image;
}

// Draws `image` leaving out the pixels of its bottom-left colour.
void DrawTransparent(QPainter& canvas, int x, int y, const QImage& image) {
  if (image.isNull()) return;
  canvas.save();
  // A copy drawn for a finer screen is reduced smoothly, not by dropping pixels.
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, image.devicePixelRatio() > DeviceScale(canvas));
  canvas.drawImage(x, y, KeyedCopy(image, image.pixel(0, image.height() - 1)));
  canvas.restore();
}

}  // namespace

TColor BlendFadeColor(TColor color, TColor hotTrackColor, int fadeStep, const QPalette& palette) {
  const QColor n = Resolve(color, palette);
  const QColor h = Resolve(hotTrackColor, palette);
  const double w = fadeStep / static_cast<double>(kFadeSteps);
  const auto mix = [w](int a, int b) { return static_cast<int>(a * (1.0 - w) + b * w); };
  return FromRgb(mix(n.red(), h.red()), mix(n.green(), h.green()), mix(n.blue(), h.blue()));
}

TColor BlendFadeColor(TColor color, TColor hotTrackColor, int fadeStep) {
  return BlendFadeColor(color, hotTrackColor, fadeStep, QGuiApplication::palette());
}

void FillVerticalGradient(QPainter& canvas, TColor from, TColor to, int left, int top, int right, int bottom,
                          const QPalette& palette) {
  constexpr int kBands = 32;
  const QColor f = Resolve(from, palette);
  const QColor t = Resolve(to, palette);
  const int span = bottom - top;
  const int band = span / (kBands - 1) + 1;
  double r = f.red();
  double g = f.green();
  double b = f.blue();
  const double dr = (t.red() - f.red()) / static_cast<double>(kBands - 1);
  const double dg = (t.green() - f.green()) / static_cast<double>(kBands - 1);
  const double db = (t.blue() - f.blue()) / static_cast<double>(kBands - 1);
  for (int i = 0; i < kBands; ++i) {
    const int y0 = top + (i * span) / (kBands - 1);
    const int y1 = std::min(y0 + band, bottom);
    if (y1 > y0 && right > left)
      canvas.fillRect(QRect(left, y0, right - left, y1 - y0),
                      QColor(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)));
    r += dr;
    g += dg;
    b += db;
  }
}

void FillVerticalGradient(QPainter& canvas, TColor from, TColor to, int left, int top, int right, int bottom) {
  FillVerticalGradient(canvas, from, to, left, top, right, bottom, QGuiApplication::palette());
}

std::optional<TLbColorPreset> ApplyColorStyle(TLbColorStyle preset) {
  const auto c = [](quint32 v) { return TColor(v); };
  switch (preset) {
    case TLbColorStyle::lcsCustom:
      return std::nullopt;
    case TLbColorStyle::lcsGold:
      return TLbColorPreset{c(0x00C0C0), c(0), c(0x00FFFF), c(0x008080), c(0x00DFDF), kClNone, false, Style::bsModern};
    case TLbColorStyle::lcsChrome:
      return TLbColorPreset{c(0xC0C0C0), c(0), c(0xFFFFFF), c(0x808080), kClNone, kClNone, false, Style::bsModern};
    case TLbColorStyle::lcsBlue:
      return TLbColorPreset{c(0xFF8000), c(0), c(0xFFFF00), c(0xFF0000), kClNone, kClNone, false, Style::bsModern};
    case TLbColorStyle::lcsRed:
      return TLbColorPreset{c(0x0000FF), c(0), c(0xC0C0FF), c(0x0000C0), kClNone, kClNone, false, Style::bsModern};
    case TLbColorStyle::lcsUltraFlat1:
      return TLbColorPreset{kClBtnFace, c(0), c(0xB59284), c(0xB59284), c(0xDED3D6), c(0xB59284), true, Style::bsNormal};
    case TLbColorStyle::lcsUltraFlat2:
      return TLbColorPreset{kClBtnFace, c(0), c(0), c(0), c(0x8CF6E4), c(0x24DABC), true, Style::bsNormal};
    case TLbColorStyle::lcsUltraFlatXP:
      return TLbColorPreset{c(0xD1D8DB), c(0), c(0xB59284), c(0xB59285), c(0xD2BDB6), c(0xB59285), true, Style::bsNormal};
    case TLbColorStyle::lcsAqua:
      return TLbColorPreset{c(0xECCE94), c(0), c(0xFCE6D4), c(0), kClNone, kClNone, false, Style::bsModern};
    case TLbColorStyle::lcsDefault:
      return TLbColorPreset{kClBtnFace, c(0), c(0xFFFFFF), c(0x808080), kClNone, kClNone, false, Style::bsNormal};
    case TLbColorStyle::lcsQuicken:
      return TLbColorPreset{c(0x603000), c(0xFFFFFF), c(0xC0C0C0), c(0xC0C0C0), c(0xCEAE9C), c(0xAD6529), false,
                            Style::bsQuicken};
  }
  return std::nullopt;
}

void DrawDottedFrame(QPainter& canvas, const QRect& rect, const QColor& colour) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  // Walk round the frame once, dotting every other pixel.
  int n = 0;
  const auto dot = [&](int x, int y) {
    if (n++ % 2 == 0) canvas.fillRect(x, y, 1, 1, colour);
  };
  for (int x = rect.left(); x < rect.right(); ++x) dot(x, rect.top());
  for (int y = rect.top(); y < rect.bottom(); ++y) dot(rect.right(), y);
  for (int x = rect.right(); x > rect.left(); --x) dot(x, rect.bottom());
  for (int y = rect.bottom(); y > rect.top(); --y) dot(rect.left(), y);
  if (rect.width() == 1 || rect.height() == 1) canvas.fillRect(rect.left(), rect.top(), 1, 1, colour);
}

QChar AcceleratorOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return caption[i + 1].toLower();
  }
  return {};
}

void PaintButtonFace(QPainter& canvas, const TLbButtonFace& f, const QPalette& palette) {
  const int W = f.width;
  const int H = f.height;
  const bool down = f.enabled && f.down;
  const int off = (down && f.style != Style::bsEncarta) ? 1 : 0;
  const auto rgb = [&palette](TColor c) { return Resolve(c, palette); };

  TColor face = f.color;
  if (f.enabled && !f.hotTrackColor.IsNone()) face = BlendFadeColor(f.color, f.hotTrackColor, f.fadeStep, palette);
  if (down && !f.colorWhenDown.IsNone()) face = f.colorWhenDown;
  const QColor faceRgb = rgb(face);

  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, false);
  canvas.setBrush(Qt::NoBrush);

  // Background.
  if (f.style == Style::bsShape) {
    canvas.fillRect(QRect(-1, -1, W + 2, H + 2), rgb(kClFuchsia));
  } else if (!f.transparent) {
    switch (f.style) {
      case Style::bsNormal:
      case Style::bsEncarta:
      case Style::bsOld:
        if (faceRgb.isValid()) canvas.fillRect(QRect(-1, -1, W + 2, H + 2), faceRgb);
        break;
      case Style::bsModern: {
        const int middle = H / 4 + off;
        FillVerticalGradient(canvas, f.lightColor, face, 2, 2, W - 2, middle, palette);
        FillVerticalGradient(canvas, face, f.lightColor, 2, middle, W - 2, H - 1, palette);
        break;
      }
      case Style::bsQuicken:
      case Style::bsShape:
        break;
    }
  }

  // Bevel.
  const QColor light = rgb(f.lightColor);
  const QColor shadow = rgb(f.shadowColor);
  const QColor dark3d = rgb(kCl3DDkShadow);
  const bool bevel = !f.flat || (f.enabled && (f.hot || down));
  QPoint pen;
  switch (f.style) {
    case Style::bsNormal:
    case Style::bsEncarta:
      if (!bevel) break;
      pen = QPoint(0, H - 1);
      PolyLine(canvas, pen, {QPoint(0, 0), QPoint(W - 1, 0)}, down ? shadow : light);
      PolyLine(canvas, pen, {QPoint(W - 1, H - 1), QPoint(0, H - 1)}, down ? light : shadow);
      break;
    case Style::bsOld:
      if (!bevel) break;
      if (down) {
        pen = QPoint(1, H - 3);
        PolyLine(canvas, pen, {QPoint(1, 1), QPoint(W - 2, 1)}, shadow);
      } else {
        pen = QPoint(W - 2, 0);
        PolyLine(canvas, pen, {QPoint(W - 2, H - 2), QPoint(0, H - 2)}, shadow);
      }
      pen = QPoint(0, H - 1);
      PolyLine(canvas, pen, {QPoint(0, 0), QPoint(W - 1, 0)}, down ? dark3d : light);
      PolyLine(canvas, pen, {QPoint(W - 1, H - 1), QPoint(-1, H - 1)}, down ? light : dark3d);
      break;
    case Style::bsModern:
      canvas.setPen(down ? shadow : faceRgb);
      canvas.drawRect(QRect(1, 1, W - 3, H - 3));
      canvas.setPen(shadow);
      canvas.drawRoundedRect(QRect(0, 0, W - 1, H - 1), 3, 3);
      break;
    case Style::bsQuicken: {
      QPainterPath path;
      path.addRoundedRect(QRectF(0, 1, W, H - 1), 2, 2);
      canvas.fillPath(path, faceRgb);
      pen = QPoint(4, 0);
      LineTo(canvas, pen, QPoint(W - 5, 0), shadow);
      pen = QPoint(4, H - 1);
      LineTo(canvas, pen, QPoint(W - 5, H - 1), shadow);
      break;
    }
    case Style::bsShape:
      break;
  }

  // Font, glyph cell and caption.
  QFont font = f.font;
  if (f.style == Style::bsEncarta && down) font.setBold(true);
  // Measured as drawn, or an overstruck caption that seems to fit would wrap.
  const QFontMetrics metrics(DrawnFont(font));
  canvas.setFont(font);

  const int gw = f.numGlyphs > 0 ? f.glyph.width() / f.numGlyphs : 0;
  const int gh = f.glyph.height();
  int cell = 0;
  if (!f.enabled) {
    cell = 1;
  } else {
    if (f.hot && f.numGlyphs > 3) cell = 3;
    if (down && f.numGlyphs > 2) cell = 2;
  }
  QImage glyphCell;
  if (gw > 0 && gh > 0) {
    const int x = (cell + 1) * gw <= f.glyph.width() ? cell * gw : 0;
    // On a scaled screen a stock strip's cell comes from its 2x copy.
    const QImage strip = ControlBitmapForScale(f.glyph, DeviceScale(canvas));
    const int ratio = qRound(strip.devicePixelRatio());
    glyphCell = strip.copy(x * ratio, 0, gw * ratio, gh * ratio);
    glyphCell.setDevicePixelRatio(ratio);
  }

  int available = 0;
  switch (f.layout) {
    case TLbButtonLayout::blGlyphLeft:
    case TLbButtonLayout::blGlyphRight:
      available = std::max(W - 8 - (gw > 0 ? gw + 4 : 0), 0);
      break;
    case TLbButtonLayout::blGlyphTop:
    case TLbButtonLayout::blGlyphBottom:
      available = std::max(W - 8, 0);
      break;
  }
  if (f.style == Style::bsShape) available = std::max(W - 8, 0);

  const int singleLine = Qt::TextSingleLine | Qt::TextShowMnemonic;
  QString caption = f.caption;
  if (!f.wordWrap)
    while (!caption.isEmpty() && metrics.boundingRect(QRect(), singleLine, caption).width() > available)
      caption.chop(1);
  const int formatFlags = Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignTop | HorizontalAlignmentFlag(f.alignment);
  const QRect measured =
      caption.isEmpty() ? QRect() : metrics.boundingRect(QRect(0, 0, available, 0x10000), formatFlags, caption);
  const int tw = measured.width();
  const int th = measured.height();
  const int tw4 = caption.isEmpty() ? 0 : tw + 4;
  const QColor captionColour = rgb(f.fontColor);
  const QColor grey = rgb(kClGray);

  if (f.style == Style::bsShape) {
    if (!glyphCell.isNull()) DrawTransparent(canvas, (W - gw) / 2, (H - gh) / 2, glyphCell);
    canvas.setPen(captionColour);
    DrawCaption(canvas, QRect(QPoint(off, (H - th) / 2 + off), QPoint(W - 1, H - 1)),
                    Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignTop | Qt::AlignHCenter, caption);
  } else {
    int textLeft = off + 4;
    int textTop = 0;
    int glyphLeft = off + 4;
    int glyphTop = 0;
    switch (f.layout) {
      case TLbButtonLayout::blGlyphLeft:
      case TLbButtonLayout::blGlyphRight: {
        const bool left = f.layout == TLbButtonLayout::blGlyphLeft;
        textTop = (H - th) / 2 + off;
        glyphTop = (H - gh) / 2 + off;
        if (left && gw > 0) textLeft += gw + 4;
        if (left) {
          glyphLeft = off + 4;
          if (!f.wordWrap) {
            if (f.alignment == TAlignment::taRightJustify) glyphLeft = W - 4 - gw - tw4 + off;
            if (f.alignment == TAlignment::taCenter) glyphLeft = (W - gw) / 2 + off - tw4 / 2;
          }
        } else {
          glyphLeft = off + 4 + tw4;
          if (!f.wordWrap) {
            if (f.alignment == TAlignment::taRightJustify) glyphLeft = W - gw - 4 + off;
            if (f.alignment == TAlignment::taCenter) glyphLeft = (W - gw) / 2 + off + tw4 / 2;
          }
        }
        break;
      }
      case TLbButtonLayout::blGlyphTop:
      case TLbButtonLayout::blGlyphBottom: {
        const int block = th + (gh > 0 ? gh + 4 : 0);
        const int j = (H - block) / 2;
        if (f.layout == TLbButtonLayout::blGlyphTop) {
          glyphTop = j + off;
          textTop = j + gh + off;
        } else {
          textTop = j + off;
          glyphTop = j + th + off;
        }
        if (f.alignment == TAlignment::taRightJustify) glyphLeft = W - gw - 4 + off;
        if (f.alignment == TAlignment::taCenter) glyphLeft = (W - gw) / 2 + off;
        break;
      }
    }
    canvas.setPen(f.enabled ? captionColour : grey);
    if (!caption.isEmpty()) DrawCaption(canvas, QRect(textLeft, textTop, available, th), formatFlags, caption);
    if (!glyphCell.isNull()) DrawTransparent(canvas, glyphLeft, glyphTop, glyphCell);
  }

  if (f.hasPopupMenu) {
    DrawTransparent(canvas, W - 11, H / 2 - 1,
                    ControlBitmapForScale(ControlBitmap(QStringLiteral("LBARROW")), DeviceScale(canvas)));
  }
  canvas.restore();
}

void PaintButtonFace(QPainter& canvas, const TLbButtonFace& face) {
  PaintButtonFace(canvas, face, QGuiApplication::palette());
}

}  // namespace rova
