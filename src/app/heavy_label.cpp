// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/heavy_label.h"

#include <QPainter>

#include "controls/heavy_text.h"

namespace rova {

HeavyLabel::HeavyLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void HeavyLabel::SetDrawnBeneath(bool drawnBeneath) {
  drawnBeneath_ = drawnBeneath;
  update();
}

void HeavyLabel::paintEvent(QPaintEvent*) {
  if (drawnBeneath_) return;
  QPainter painter(this);
  DrawHeavyText(painter, font(), text(), palette().color(QPalette::WindowText));
}

}  // namespace rova
