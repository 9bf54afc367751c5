// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include "controls/lb_color.h"

namespace rova {

// A group box whose frame is drawn in BorderColor: a one-pixel frame from
// y = 6 down, broken at the top by the caption drawn opaquely at (4, 0).
class TColoredGroupBox : public QWidget {
  Q_OBJECT
  Q_PROPERTY(rova::TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(rova::TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(rova::TColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

 public:
  explicit TColoredGroupBox(QWidget* parent = nullptr);

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  // Follows the parent's colour until set.
  TColor Color() const;
  void SetColor(TColor value);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor value);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& value);

  // Top of the frame line, below the caption's middle.
  static constexpr int kFrameTop = 6;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor borderColor_ = kClWindowText;
  TColor color_ = kClBtnFace;
  bool parentColor_ = true;
  TColor fontColor_ = kClWindowText;
  QString caption_;
};

}  // namespace rova
