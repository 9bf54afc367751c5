// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/colored_group_box.h"

#include <QPainter>

#include "controls/control_accessibility.h"
#include "controls/control_text.h"
#include "controls/program_fonts.h"
#include "controls/scaled_image.h"
#include "controls/scaled_text.h"

namespace rova {

TColoredGroupBox::TColoredGroupBox(QWidget* parent) : QWidget(parent) {
  InstallControlAccessibility();
  setFont(SansFont());
  resize(185, 105);
}

void TColoredGroupBox::SetBorderColor(TColor value) {
  if (borderColor_ == value) return;
  borderColor_ = value;
  update();
}

TColor TColoredGroupBox::Color() const { return parentColor_ ? InheritedColor(this) : color_; }

void TColoredGroupBox::SetColor(TColor value) {
  if (!parentColor_ && color_ == value) return;
  color_ = value;
  parentColor_ = false;
  update();
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->update();
}

void TColoredGroupBox::SetFontColor(TColor value) {
  if (fontColor_ == value) return;
  fontColor_ = value;
  update();
}

void TColoredGroupBox::SetCaption(const QString& value) {
  if (caption_ == value) return;
  caption_ = value;
  update();
}

void TColoredGroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QImage image = ScaledImage(size(), DeviceScale(painter), QImage::Format_RGB32);
  {
    QPainter canvas(&image);
    const QPalette& pal = palette();
    const QColor background = Resolve(Color(), pal);
    canvas.fillRect(rect(), background);
    // One-pixel frame round (0, 6)-(width, height), the end excluded.
    const QColor border = Resolve(borderColor_, pal);
    const QRect frame(QPoint(0, kFrameTop), QPoint(width() - 1, height() - 1));
    if (frame.width() > 0 && frame.height() > 0) {
      canvas.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), border);
      canvas.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), border);
      canvas.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), border);
      canvas.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), border);
    }
    if (!caption_.isEmpty()) {
      // Opaque, so the caption breaks the top line of the frame.
      canvas.setFont(font());
      // The drawn width: an overstruck bold caption is wider than its plain strike.
      const QFontMetrics metrics(DrawnFont(font()));
      const int flags = Qt::TextSingleLine | Qt::TextShowMnemonic;
      const QRect text = metrics.boundingRect(QRect(4, 0, 0x10000, metrics.height()), flags | Qt::AlignLeft | Qt::AlignTop,
                                              caption_);
      const QRect box(4, 0, text.width(), metrics.height());
      canvas.fillRect(box, background);
      canvas.setPen(Resolve(fontColor_, pal));
      DrawCaption(canvas, box, flags | Qt::AlignLeft | Qt::AlignTop, caption_);
    }
  }
  painter.drawImage(0, 0, image);
}

}  // namespace rova
