// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/lb_speed_button.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace rova {

TLbSpeedButton::TLbSpeedButton(QWidget* parent)
    : TLbButtonBase(parent, {.alignment = TAlignment::taLeftJustify,
                             .parentColor = true,
                             .shadowColor = kClBlack,
                             .repaintOnColorWhenDown = true}) {
  // Drawn on the parent's surface: never focused, the parent shows through.
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground, false);
  setAutoFillBackground(false);
}

TLbSpeedButton::~TLbSpeedButton() { BeginDestruction(); }

void TLbSpeedButton::Refresh() {
  if (transparent_)
    update();
  else
    repaint();
}

void TLbSpeedButton::SetAllowAllUp(bool value) { allowAllUp_ = value; }

void TLbSpeedButton::SetDown(bool value) {
  if (down_ == value) return;
  if (groupIndex_ != 0) ReleaseOthersInGroup();
  down_ = value;
  Refresh();
}

void TLbSpeedButton::ReleaseOthersInGroup() {
  if (parentWidget() == nullptr) return;
  const auto siblings = parentWidget()->findChildren<TLbSpeedButton*>(Qt::FindDirectChildrenOnly);
  for (TLbSpeedButton* other : siblings)
    if (other != this && other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      other->Refresh();
    }
}

void TLbSpeedButton::SetGroupIndex(int value) {
  if (groupIndex_ == value) return;
  groupIndex_ = value;
  Refresh();
}

void TLbSpeedButton::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  if (value)
    update();
  else
    repaint();
}

void TLbSpeedButton::SetStyle(TLbButtonStyle value) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (value == TLbButtonStyle::bsModern && screen != nullptr && screen->depth() <= 8) value = TLbButtonStyle::bsNormal;
  TLbButtonBase::SetStyle(value);
}

void TLbSpeedButton::Click() {
  PopUpMenu();
  emit OnClick();
}

TLbButtonFace TLbSpeedButton::Face() const {
  TLbButtonFace face = BaseFace();
  if (Hot() && UseHotTrackFont()) {
    face.font = HotTrackFont();
    face.fontColor = HotTrackFontColor();
  }
  face.transparent = transparent_;
  face.down = down_;
  return face;
}

bool TLbSpeedButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    if (!CanTrack()) return false;
    const bool saved = down_;
    down_ = true;
    Refresh();
    Click();
    down_ = saved;
    Refresh();
    return true;
  }
  return TLbButtonBase::event(event);
}

void TLbSpeedButton::paintEvent(QPaintEvent*) {
  if (!isVisible()) return;
  PaintFace(Face());
}

void TLbSpeedButton::mousePressEvent(QMouseEvent* event) {
  TLbButtonBase::mousePressEvent(event);
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  leftPressed_ = true;
  if (groupIndex_ == 0 || !down_)
    SetDown(true);
  else if (allowAllUp_)
    SetDown(false);
}

void TLbSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  TLbButtonBase::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  if (groupIndex_ == 0) SetDown(false);
  if (rect().contains(event->position().toPoint()) && isEnabled()) Click();
}

void TLbSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

}  // namespace rova
