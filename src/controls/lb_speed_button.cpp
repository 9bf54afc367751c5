// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/lb_speed_button.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "controls/arrow_navigation.h"
#include "controls/focus_cues.h"

namespace rova {

TLbSpeedButton::TLbSpeedButton(QWidget* parent)
    : TLbButtonBase(parent, {.alignment = TAlignment::taLeftJustify,
                             .parentColor = true,
                             .shadowColor = kClBlack,
                             .repaintOnColorWhenDown = true}) {
  // Reached with Tab only: a click with the mouse does not take the focus
  // from where the pupil is typing.
  setFocusPolicy(Qt::TabFocus);
  InstallFocusCues();
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
  if (ShowsFocusMark(*this)) {
    QPainter painter(this);
    DrawFocusMark(painter, *this, QRect(QPoint(4, 4), QPoint(width() - 5, height() - 5)));
  }
}

void TLbSpeedButton::PressDown() {
  if (groupIndex_ == 0 || !down_)
    SetDown(true);
  else if (allowAllUp_)
    SetDown(false);
}

void TLbSpeedButton::LetUp() {
  if (groupIndex_ == 0) SetDown(false);
}

void TLbSpeedButton::mousePressEvent(QMouseEvent* event) {
  TLbButtonBase::mousePressEvent(event);
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  leftPressed_ = true;
  PressDown();
}

void TLbSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  TLbButtonBase::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  LetUp();
  if (rect().contains(event->position().toPoint()) && isEnabled()) Click();
}

namespace {

bool IsPressKey(const QKeyEvent& event) {
  // The keypad's Enter carries the keypad modifier; it presses all the same.
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const int key = event.key();
  return (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && modifiers == Qt::NoModifier;
}

}  // namespace

void TLbSpeedButton::keyPressEvent(QKeyEvent* event) {
  if (IsPressKey(*event)) {
    // Pressed as the key goes down, clicked as it comes up: a key whose press
    // opened this window from another does not click here.
    if (!event->isAutoRepeat() && isEnabled() && !keyPressed_) {
      keyPressed_ = true;
      ShowFocusCues();
      PressDown();
    }
    event->accept();
    return;
  }
  if (const std::optional<Arrow> arrow = ArrowOfKey(event->key()); arrow && event->modifiers() == Qt::NoModifier) {
    ShowFocusCues();
    if (QWidget* next = ArrowNeighbour(*this, *arrow)) next->setFocus(Qt::TabFocusReason);
    event->accept();
    return;
  }
  TLbButtonBase::keyPressEvent(event);
}

void TLbSpeedButton::keyReleaseEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
    if (keyPressed_ && !event->isAutoRepeat()) {
      keyPressed_ = false;
      LetUp();
      if (isEnabled()) Click();
    }
    event->accept();
    return;
  }
  TLbButtonBase::keyReleaseEvent(event);
}

void TLbSpeedButton::focusInEvent(QFocusEvent* event) {
  TLbButtonBase::focusInEvent(event);
  update();
}

// A key held down while the focus leaves lets the button up without a click.
void TLbSpeedButton::focusOutEvent(QFocusEvent* event) {
  TLbButtonBase::focusOutEvent(event);
  if (keyPressed_) {
    keyPressed_ = false;
    LetUp();
  }
  update();
}

void TLbSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

}  // namespace rova
