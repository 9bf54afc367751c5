// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/lb_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/control_bitmaps.h"
#include "controls/modal_result_target.h"
#include "controls/scaled_image.h"
#include "controls/scaled_text.h"

namespace rova {
namespace {

struct StockKind {
  TLbButtonKind kind;
  int modalResult;
  const char* resource;
  const char* caption;
};

constexpr StockKind kStockKinds[] = {
    {TLbButtonKind::bkOK, 1, "LBOK", "OK"},
    {TLbButtonKind::bkCancel, 2, "LBCANCEL", "Abbrechen"},
    {TLbButtonKind::bkHelp, 0, "LBHELP", "Hilfe"},
    {TLbButtonKind::bkYes, 6, "LBYES", "Ja"},
    {TLbButtonKind::bkNo, 7, "LBNO", "Nein"},
    {TLbButtonKind::bkClose, 0, "LBCLOSE", "Schließen"},
    {TLbButtonKind::bkAbort, 3, "LBABORT", "Abbrechen"},
    {TLbButtonKind::bkRetry, 4, "LBRETRY", "Wiederholen"},
    {TLbButtonKind::bkIgnore, 5, "LBIGNORE", "Ignorieren"},
    {TLbButtonKind::bkAll, 8, "LBALL", "Alle"},
};

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

TLbButton::TLbButton(QWidget* parent)
    : TLbButtonBase(parent, {.alignment = TAlignment::taCenter,
                             .parentColor = false,
                             .shadowColor = kClGray,
                             .repaintOnColorWhenDown = false}) {
  setFocusPolicy(Qt::StrongFocus);
}

TLbButton::~TLbButton() {
  BeginDestruction();
  if (watchedWindow_) watchedWindow_->removeEventFilter(this);
}

void TLbButton::Refresh() { repaint(); }

void TLbButton::SetCancel(bool value) {
  cancel_ = value;
  WatchWindowKeys();
}

void TLbButton::SetDefault(bool value) {
  default_ = value;
  WatchWindowKeys();
}

void TLbButton::SetKind(TLbButtonKind value) {
  for (const StockKind& stock : kStockKinds) {
    if (stock.kind != value) continue;
    modalResult_ = stock.modalResult;
    // Loaded as is: the strip always holds two cells, whatever its height.
    SetStockGlyph(ControlBitmap(QString::fromLatin1(stock.resource)));
    SetCaption(QString::fromUtf8(stock.caption));
  }
  kind_ = value;
  Invalidate();
}

void TLbButton::SetModalResult(int value) {
  modalResult_ = value;
  kind_ = TLbButtonKind::bkCustom;
}

void TLbButton::SetGlyph(const QImage& value) {
  TLbButtonBase::SetGlyph(value);
  kind_ = TLbButtonKind::bkCustom;
}

void TLbButton::SetStyle(TLbButtonStyle value) { TLbButtonBase::SetStyle(value); }

void TLbButton::Click() {
  pressed_ = true;
  if (!isVisible() || !isEnabled()) return;
  pressed_ = false;
  emit OnClick();
  if (modalResult_ != 0)
    if (auto* target = dynamic_cast<ModalResultTarget*>(window())) target->SetModalResult(modalResult_);
  PopUpMenu();
}

TLbButtonFace TLbButton::Face() const {
  TLbButtonFace face = BaseFace();
  const bool focused = hasFocus();
  if ((Hot() || focused) && UseHotTrackFont()) {
    face.font = HotTrackFont();
    face.fontColor = HotTrackFontColor();
  }
  face.hot = Hot() || focused;
  face.down = pressed_;
  face.transparent = false;
  return face;
}

bool TLbButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    if (!CanTrack()) return false;
    pressed_ = true;
    Click();
    pressed_ = false;
    repaint();
    return true;
  }
  if (event->type() == QEvent::ParentChange) WatchWindowKeys();
  return TLbButtonBase::event(event);
}

bool TLbButton::TakesDialogKey(const QKeyEvent& key) const {
  if (IsEnter(key.key())) return default_;
  if (key.key() == Qt::Key_Escape)
    return cancel_ && !(key.modifiers() & Qt::ShiftModifier) && isVisible() && isEnabled();
  return false;
}

bool TLbButton::eventFilter(QObject* watched, QEvent* event) {
  if (watched != watchedWindow_ || event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!TakesDialogKey(*key)) return false;
  // A focused button of another kind handles the key itself.
  if (const QWidget* focused = watchedWindow_->focusWidget()) {
    const QString name = QString::fromLatin1(focused->metaObject()->className()).toUpper();
    if (name.contains(QLatin1String("BUTTON")) && !name.contains(QLatin1String("RADIOBUTTON"))) return false;
  }
  pressed_ = true;
  Click();
  pressed_ = false;
  repaint();
  return true;
}

void TLbButton::WatchWindowKeys() {
  QWidget* target = (default_ || cancel_) && window() != this ? window() : nullptr;
  if (target == watchedWindow_) return;
  if (watchedWindow_) watchedWindow_->removeEventFilter(this);
  watchedWindow_ = target;
  if (target) target->installEventFilter(this);
}

void TLbButton::paintEvent(QPaintEvent*) {
  if (!isVisible() || Destroying()) return;
  TLbButtonFace face = Face();
  const bool focused = hasFocus();
  QPainter painter(this);
  const double scale = DeviceScale(painter);
  QImage image;
  if (Style() == TLbButtonStyle::bsOld && focused && width() > 2 && height() > 2) {
    face.width = width() - 2;
    face.height = height() - 2;
    if (pressed_) face.lightColor = face.shadowColor;
    const QImage inner = FaceImage(face, scale);
    image = ScaledImage(size(), scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter canvas(&image);
    canvas.drawImage(0, 0, inner);
    canvas.drawImage(1, 1, inner);
    canvas.setPen(Resolve(kClBlack));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(QRect(0, 0, width() - 1, height() - 1));
  } else {
    image = FaceImage(face, scale);
  }
  painter.drawImage(0, 0, image);
  if (focused && isEnabled() && Style() != TLbButtonStyle::bsShape) {
    DrawDottedFrame(painter, QRect(QPoint(4, 4), QPoint(width() - 5, height() - 5)), Resolve(kClWindowText, palette()));
  }
}

void TLbButton::mousePressEvent(QMouseEvent* event) {
  TLbButtonBase::mousePressEvent(event);
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  pressed_ = true;
  setFocus(Qt::MouseFocusReason);
  repaint();
}

void TLbButton::mouseReleaseEvent(QMouseEvent* event) {
  TLbButtonBase::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  if (pressed_) Click();
  pressed_ = false;
  repaint();
}

// Double clicks arrive as a second press.
void TLbButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TLbButton::keyPressEvent(QKeyEvent* event) {
  // The keypad's Enter carries the keypad modifier; it presses all the same.
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if ((IsEnter(event->key()) || event->key() == Qt::Key_Space) && modifiers == Qt::NoModifier) {
    if (isEnabled() && !event->isAutoRepeat()) {
      pressed_ = true;
      repaint();
    }
    event->accept();
    return;
  }
  TLbButtonBase::keyPressEvent(event);
}

void TLbButton::keyReleaseEvent(QKeyEvent* event) {
  if ((IsEnter(event->key()) || event->key() == Qt::Key_Space) && !event->isAutoRepeat()) {
    if (pressed_) Click();
    pressed_ = false;
    repaint();
    event->accept();
    return;
  }
  TLbButtonBase::keyReleaseEvent(event);
}

void TLbButton::focusInEvent(QFocusEvent* event) {
  TLbButtonBase::focusInEvent(event);
  repaint();
}

void TLbButton::focusOutEvent(QFocusEvent* event) {
  TLbButtonBase::focusOutEvent(event);
  repaint();
}

void TLbButton::changeEvent(QEvent* event) {
  TLbButtonBase::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    pressed_ = false;
    repaint();
  }
}

}  // namespace rova
