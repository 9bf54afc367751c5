// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/lb_button_base.h"

namespace rova {

// A light button drawn on its parent's surface: it lets the parent show
// through where it paints nothing. Grouped speed buttons (same non-zero
// GroupIndex, same parent) are mutually exclusive.
//
// The keyboard reaches it with Tab (a mouse click leaves the focus where it
// was, in an answer field say); Enter and Space press it as the left mouse
// button does, and the arrow keys move to the next button of its parent.
class TLbSpeedButton : public TLbButtonBase {
  Q_OBJECT
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

 public:
  explicit TLbSpeedButton(QWidget* parent = nullptr);
  ~TLbSpeedButton() override;

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  void SetStyle(TLbButtonStyle value) override;

  // Presses the button in code as a click on it would.
  void Click();

 protected:
  void Refresh() override;
  TLbButtonFace Face() const override;

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ReleaseOthersInGroup();
  // What a left button press and release do, from the mouse or the keyboard.
  void PressDown();
  void LetUp();

  bool allowAllUp_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool transparent_ = false;
  bool leftPressed_ = false;
  bool keyPressed_ = false;
};

}  // namespace rova
