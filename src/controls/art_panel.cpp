// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/art_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/control_accessibility.h"
#include "controls/control_text.h"
#include "controls/program_fonts.h"
#include "controls/scaled_image.h"
#include "controls/scaled_text.h"

namespace rova {
namespace {

int VerticalFlag(TAlignmentVert alignment) {
  switch (alignment) {
    case TAlignmentVert::tavTop:
      return Qt::AlignTop;
    case TAlignmentVert::tavBottom:
      return Qt::AlignBottom;
    case TAlignmentVert::tavCenter:
      break;
  }
  return Qt::AlignVCenter;
}

template <typename T>
bool Store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

QRect DrawFrame3D(QPainter& canvas, QRect rect, const QColor& topColor, const QColor& bottomColor, int width) {
  for (int ring = 0; ring < width && rect.width() > 0 && rect.height() > 0; ++ring) {
    // Left and top in the top colour, right and bottom in the bottom colour;
    // the top-right and bottom-left corner pixels go to the bottom colour.
    canvas.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topColor);
    canvas.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topColor);
    canvas.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomColor);
    canvas.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomColor);
    rect.adjust(1, 1, -1, -1);
  }
  return rect;
}

TArtPanel::TArtPanel(QWidget* parent) : QWidget(parent) {
  InstallControlAccessibility();
  setFont(SansFont());
  resize(185, 41);
}

TArtPanel::~TArtPanel() = default;

void TArtPanel::SetAlignmentHorz(TAlignment value) {
  if (Store(alignmentHorz_, value)) update();
}

void TArtPanel::SetAlignmentVert(TAlignmentVert value) {
  if (Store(alignmentVert_, value)) update();
}

void TArtPanel::SetEdge(TPanelCorner corner, const QImage& image) {
  edges_[static_cast<int>(corner)] = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
  update();
}

void TArtPanel::SetEdgesTransparent(bool value) {
  if (Store(edgesTransparent_, value)) update();
}

void TArtPanel::SetColorHighlight(TColor value) {
  if (Store(colorHighlight_, value)) update();
}

void TArtPanel::SetColorShadow(TColor value) {
  if (Store(colorShadow_, value)) update();
}

void TArtPanel::SetColor(TColor value) {
  if (!Store(color_, value)) return;
  // Children that follow the panel's colour repaint with it.
  update();
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->update();
}

void TArtPanel::SetFontColor(TColor value) {
  if (Store(fontColor_, value)) update();
}

void TArtPanel::SetBevelOuter(TPanelBevel value) {
  if (Store(bevelOuter_, value)) update();
}

void TArtPanel::SetBevelInner(TPanelBevel value) {
  if (Store(bevelInner_, value)) update();
}

void TArtPanel::SetBevelWidth(int value) {
  if (Store(bevelWidth_, std::max(value, 1))) update();
}

void TArtPanel::SetBorderWidth(int value) {
  if (Store(borderWidth_, std::max(value, 0))) update();
}

void TArtPanel::SetCaption(const QString& value) {
  if (Store(caption_, value)) update();
}

void TArtPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Drawn off-screen first, at the screen's resolution, and copied once.
  QImage image = ScaledImage(size(), DeviceScale(painter), QImage::Format_RGB32);
  {
    QPainter canvas(&image);
    const QPalette& pal = palette();
    QRect r = rect();
    canvas.fillRect(r, Resolve(color_, pal));
    const QColor highlight = Resolve(colorHighlight_, pal);
    const QColor shadow = Resolve(colorShadow_, pal);
    const auto frame = [&](TPanelBevel bevel) {
      if (bevel == TPanelBevel::bvNone) return;
      const bool lowered = bevel == TPanelBevel::bvLowered;
      r = DrawFrame3D(canvas, r, lowered ? shadow : highlight, lowered ? highlight : shadow, bevelWidth_);
    };
    frame(bevelOuter_);
    r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    frame(bevelInner_);

    if (!caption_.isEmpty()) {
      canvas.setFont(font());
      canvas.setPen(Resolve(fontColor_, pal));
      canvas.setClipRect(r);
      DrawCaption(canvas, r,
                      Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextShowMnemonic | HorizontalAlignmentFlag(alignmentHorz_) |
                          VerticalFlag(alignmentVert_),
                      caption_);
      canvas.setClipping(false);
    }

    const QRect reference = rect().adjusted(1, 1, -1, -1);
    for (int corner = 0; corner < 4; ++corner) {
      const QImage& edge = edges_[corner];
      if (edge.isNull()) continue;
      const bool right = corner == 1 || corner == 3;
      const bool bottom = corner >= 2;
      const int x = right ? reference.right() + 1 - edge.width() : reference.left();
      const int y = bottom ? reference.bottom() + 1 - edge.height() : reference.top();
      if (!edgesTransparent_) {
        canvas.drawImage(x, y, edge);
        continue;
      }
      const QRgb key = edge.pixel(0, edge.height() - 1);
      QImage keyed = edge.convertToFormat(QImage::Format_ARGB32);
      for (int yy = 0; yy < keyed.height(); ++yy) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(yy));
        for (int xx = 0; xx < keyed.width(); ++xx)
          if (line[xx] == key) line[xx] = 0;
      }
      canvas.drawImage(x, y, keyed);
    }
  }
  painter.drawImage(0, 0, image);
}

void TArtPanel::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit OnClick();
}

}  // namespace rova
