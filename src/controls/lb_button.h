// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/lb_button_base.h"

namespace rova {

// A button that takes the focus: Enter and Space press it, its accelerator,
// Default (Enter) and Cancel (Escape) click it, and a non-zero ModalResult is
// handed to its window (a ModalResultTarget) on click.
class TLbButton : public TLbButtonBase {
  Q_OBJECT
  Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
  Q_PROPERTY(bool Default READ Default WRITE SetDefault)
  Q_PROPERTY(rova::TLbButtonKind Kind READ Kind WRITE SetKind)
  Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)

 public:
  explicit TLbButton(QWidget* parent = nullptr);
  ~TLbButton() override;

  bool Cancel() const { return cancel_; }
  void SetCancel(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  TLbButtonKind Kind() const { return kind_; }
  void SetKind(TLbButtonKind value);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value);

  void SetGlyph(const QImage& value) override;
  void SetStyle(TLbButtonStyle value) override;

  bool Pressed() const { return pressed_; }

  // Clicks the button as its own input does.
  void Click();

 protected:
  void Refresh() override;
  TLbButtonFace Face() const override;

  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool TakesDialogKey(const QKeyEvent& key) const;
  void WatchWindowKeys();

  bool cancel_ = false;
  bool default_ = false;
  TLbButtonKind kind_ = TLbButtonKind::bkCustom;
  int modalResult_ = 0;
  bool pressed_ = false;
  QPointer<QWidget> watchedWindow_;
};

}  // namespace rova
