// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace rova {

// A label whose bold text is drawn with a thin outline as well as filled
// (`DrawHeavyText`). When the same text is already drawn into the picture
// beneath it, the label draws nothing.
class HeavyLabel : public QLabel {
  Q_OBJECT

 public:
  HeavyLabel(const QString& text, QWidget* parent);

  void SetDrawnBeneath(bool drawnBeneath);
  bool IsDrawnBeneath() const { return drawnBeneath_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool drawnBeneath_ = false;
};

}  // namespace rova
