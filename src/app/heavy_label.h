// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace rova {

// A label whose bold text is drawn with a thin outline as well as filled.
// The shipped Tahoma bold face draws hairline strokes at the splash's large
// sizes; the outline gives the titles the weight a bold face should have.
class HeavyLabel : public QLabel {
  Q_OBJECT

 public:
  HeavyLabel(const QString& text, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace rova
