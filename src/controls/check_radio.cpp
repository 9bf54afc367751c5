// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/check_radio.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QTextOption>

#include "controls/arrow_navigation.h"
#include "controls/control_accessibility.h"
#include "controls/control_bitmaps.h"
#include "controls/control_text.h"
#include "controls/button_face.h"
#include "controls/focus_cues.h"
#include "controls/program_fonts.h"
#include "controls/scaled_image.h"
#include "controls/scaled_text.h"

namespace rova {
namespace {

QImage DefaultCheckStrip() { return ControlBitmap(QStringLiteral("DEFCHK")); }

void AnnounceCheckedChange(QWidget* widget) {
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(widget, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

// --- TFontPA -----------------------------------------------------------------

TFontPA::TFontPA(TAMCbRbHost* host, TColor color) : QObject(host), color_(color) {}

TAMCbRbHost* TFontPA::Host() const { return static_cast<TAMCbRbHost*>(parent()); }

void TFontPA::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  Host()->RepaintClients();
}

void TFontPA::SetStyle(TFontStyles value) {
  if (style_ == value) return;
  style_ = value;
  Host()->RepaintClients();
}

QFont TFontPA::Apply(const QFont& font) const {
  QFont result = font;
  result.setBold(style_.testFlag(TFontStyle::fsBold));
  result.setItalic(style_.testFlag(TFontStyle::fsItalic));
  result.setUnderline(style_.testFlag(TFontStyle::fsUnderline));
  result.setStrikeOut(style_.testFlag(TFontStyle::fsStrikeOut));
  return result;
}

// --- TAMCbRbHost -------------------------------------------------------------

TAMCbRbHost::TAMCbRbHost(QObject* owner)
    : QObject(owner),
      glyph_(DefaultCheckStrip()),
      fontActive_(new TFontPA(this, kClBlue)),
      fontInactive_(new TFontPA(this, kClBlack)) {}

void TAMCbRbHost::SetGlyph(const QImage& value) {
  glyph_ = value.isNull() ? DefaultCheckStrip() : value.convertToFormat(QImage::Format_RGB32);
  RepaintClients();
}

void TAMCbRbHost::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 255);
  if (numGlyphs_ == value) return;
  numGlyphs_ = value;
  RepaintClients();
}

void TAMCbRbHost::SetMargin(int value) {
  value = std::clamp(value, 0, 255);
  if (margin_ == value) return;
  margin_ = value;
  RepaintClients();
}

void TAMCbRbHost::SetTransparentColor(TColor value) {
  if (transparentColor_ == value) return;
  transparentColor_ = value;
  RepaintClients();
}

QSize TAMCbRbHost::CellSize() const { return {glyph_.width() / numGlyphs_, glyph_.height()}; }

QImage TAMCbRbHost::Cell(int index, double scale) const {
  const QSize cell = CellSize();
  const QImage strip = ControlBitmapForScale(glyph_, scale);
  const int ratio = qRound(strip.devicePixelRatio());
  QImage copy = strip.copy(index * cell.width() * ratio, 0, cell.width() * ratio, cell.height() * ratio);
  copy.setDevicePixelRatio(ratio);
  return copy;
}

void TAMCbRbHost::RepaintClients() {
  auto* window = qobject_cast<QWidget*>(parent());
  if (window == nullptr) return;
  for (TAMCbRbBase* client : window->findChildren<TAMCbRbBase*>())
    if (client->Host() == this) client->update();
}

// --- TAMCbRbBase -------------------------------------------------------------

TAMCbRbBase::TAMCbRbBase(QWidget* parent) : QWidget(parent) {
  setFont(SansFont());
  resize(97, 17);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  InstallControlAccessibility();
  InstallFocusCues();
}

TAMCbRbBase::~TAMCbRbBase() = default;

void TAMCbRbBase::SetAlignment(TAlignment value) {
  if (value == TAlignment::taCenter) value = TAlignment::taLeftJustify;
  if (alignment_ == value) return;
  alignment_ = value;
  repaint();
}

void TAMCbRbBase::SetCaption(const QString& value) {
  if (caption_ == value) return;
  caption_ = value;
  UpdateAcceleratorShortcut();
  update();
}

TColor TAMCbRbBase::Color() const { return parentColor_ ? InheritedColor(this) : color_; }

void TAMCbRbBase::SetColor(TColor value) {
  if (!parentColor_ && color_ == value) return;
  color_ = value;
  parentColor_ = false;
  update();
}

void TAMCbRbBase::SetFontColor(TColor value) {
  if (fontColor_ == value) return;
  fontColor_ = value;
  update();
}

void TAMCbRbBase::SetTab(int value) {
  value = std::clamp(value, 0, 255);
  if (tab_ == value) return;
  tab_ = value;
  repaint();
}

QImage TAMCbRbBase::Render(double scale) const {
  QImage image = ScaledImage(QSize(std::max(width(), 1), std::max(height(), 1)), scale, QImage::Format_RGB32);
  const QPalette& pal = palette();
  const QColor background = Resolve(Color(), pal);
  image.fill(background);
  QPainter canvas(&image);
  const TAMCbRbHost* host = host_.data();

  if (host == nullptr) {
    canvas.setFont(font());
    canvas.setPen(Resolve(fontColor_, pal));
    DrawPlainText(canvas, rect(), Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
    DrawDottedFrame(canvas, rect(), Resolve(kClWindowText, pal));
    return image;
  }

  const QSize cell = host->CellSize();
  const int w = cell.width();
  const bool left = alignment_ != TAlignment::taRightJustify;
  const QPoint boxAt = left ? QPoint(1, 1) : QPoint(width() - w - 1, 1);
  QImage box = host->Cell(CellIndex(), scale).convertToFormat(QImage::Format_RGB32);
  const QRgb key = Resolve(host->TransparentColor(), pal).rgb();
  for (int y = 0; y < box.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(box.scanLine(y));
    for (int x = 0; x < box.width(); ++x)
      if (line[x] == key) line[x] = background.rgb();
  }
  // A cell drawn for a finer screen is reduced smoothly, not by dropping pixels.
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, box.devicePixelRatio() > scale);
  canvas.drawImage(boxAt, box);

  if (caption_.isEmpty()) {
    // Round the box when no labels beside it say what it chooses.
    if (captionFocusFrame_ == nullptr && ShowsFocusMark(*this)) DrawFocusMark(canvas, *this, rect());
    return image;
  }
  const TFontPA* style = hot_ ? host->FontActive() : host->FontInactive();
  QFont captionFont = style->Apply(font());
  if (hasFocus()) captionFont.setUnderline(true);
  const QRect area = left ? QRect(QPoint(w + host->Margin(), 1), QPoint(width() - 2, height() - 2))
                          : QRect(QPoint(1, 1), QPoint(width() - w - host->Margin() - 1, height() - 2));
  if (area.width() <= 0 || area.height() <= 0) return image;
  canvas.setFont(captionFont);
  canvas.setPen(isEnabled() ? Resolve(style->Color(), pal) : Resolve(kClGray, pal));
  const QFontMetrics metrics(captionFont);
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::WordWrap);
  option.setTabStopDistance(std::max(1, tab_) * metrics.averageCharWidth());
  // A line too long for the area ends in an ellipsis instead of running on;
  // measured as drawn, as an overstruck bold caption is wider.
  const QFontMetrics drawn(DrawnFont(captionFont));
  QString text = caption_;
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  if (!text.contains(QLatin1Char(' ')) && drawn.horizontalAdvance(text) > area.width())
    text = drawn.elidedText(text, Qt::ElideRight, area.width());
  canvas.setClipRect(area);
  DrawCaption(canvas, QRectF(area), text, option);
  if (ShowsFocusMark(*this)) {
    canvas.setClipping(false);
    DrawFocusMark(canvas, *this, area.adjusted(-2, 0, 1, 0));
  }
  return image;
}

void TAMCbRbBase::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Render(DeviceScale(painter)));
  // The mark round the caption follows every repaint of the control.
  if (captionFocusFrame_ != nullptr) captionFocusFrame_->update();
}

void TAMCbRbBase::SetCaptionLabels(const QList<QWidget*>& labels) {
  delete captionFocusFrame_;
  captionFocusFrame_ = AddCaptionFocusFrame(this, labels);
  if (captionFocusFrame_ != nullptr) captionFocusFrame_->setVisible(!isHidden());
}

void TAMCbRbBase::UpdateAcceleratorShortcut() {
  if (acceleratorShortcut_ != 0) releaseShortcut(acceleratorShortcut_);
  acceleratorShortcut_ = 0;
  const QKeySequence key = QKeySequence::mnemonic(caption_);
  if (!key.isEmpty()) acceleratorShortcut_ = grabShortcut(key);
}

void TAMCbRbBase::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  leftPressed_ = true;
  if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
  repaint();
  QWidget::mousePressEvent(event);
}

void TAMCbRbBase::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  repaint();
  QWidget::mouseReleaseEvent(event);
  const bool inside = rect().contains(event->position().toPoint());
  if (leftPressed_ && inside) {
    leftPressed_ = false;
    Click();
  }
  leftPressed_ = false;
}

void TAMCbRbBase::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  emit OnDblClick();
  Click();
}

void TAMCbRbBase::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  if (!hot_ && isEnabled()) {
    hot_ = true;
    repaint();
  }
}

void TAMCbRbBase::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) {
    ShowFocusCues();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TAMCbRbBase::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    event->accept();
    Click();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void TAMCbRbBase::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (isEnabled()) {
    hot_ = true;
    repaint();
  }
  emit OnMouseEnter();
}

void TAMCbRbBase::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (isEnabled()) {
    hot_ = false;
    repaint();
  }
  emit OnMouseLeave();
}

void TAMCbRbBase::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  repaint();
}

void TAMCbRbBase::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  repaint();
}

void TAMCbRbBase::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    if (!isEnabled()) hot_ = false;
    update();
  }
}

bool TAMCbRbBase::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    if (focusPolicy() == Qt::NoFocus || !isEnabled() || !isVisible()) return false;
    Click();
    return true;
  }
  return QWidget::event(event);
}

// --- TAMRadioButton ----------------------------------------------------------

TAMRadioButton::TAMRadioButton(QWidget* parent) : TAMCbRbBase(parent) { UpdateGroupTabStop(); }

void TAMRadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  if (value && parentWidget() != nullptr) {
    for (TAMRadioButton* other : parentWidget()->findChildren<TAMRadioButton*>(Qt::FindDirectChildrenOnly))
      if (other != this) other->SetChecked(false);
  }
  UpdateGroupTabStop();
  AnnounceCheckedChange(this);
  repaint();
}

QList<TAMRadioButton*> TAMRadioButton::Group() const {
  if (parentWidget() == nullptr) return {const_cast<TAMRadioButton*>(this)};
  QList<TAMRadioButton*> group = parentWidget()->findChildren<TAMRadioButton*>(Qt::FindDirectChildrenOnly);
  std::stable_sort(group.begin(), group.end(), [](const TAMRadioButton* a, const TAMRadioButton* b) {
    return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
  });
  return group;
}

void TAMRadioButton::UpdateGroupTabStop() {
  const QList<TAMRadioButton*> group = Group();
  const TAMRadioButton* stop = group.first();
  for (const TAMRadioButton* radio : group)
    if (radio->checked_) stop = radio;
  for (TAMRadioButton* radio : group) radio->setFocusPolicy(radio == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TAMRadioButton::keyPressEvent(QKeyEvent* event) {
  const std::optional<Arrow> arrow = ArrowOfKey(event->key());
  if (!arrow || event->modifiers() != Qt::NoModifier) {
    TAMCbRbBase::keyPressEvent(event);
    return;
  }
  event->accept();
  ShowFocusCues();
  QList<TAMRadioButton*> group = Group();
  group.removeIf([this](const TAMRadioButton* radio) {
    return radio != this && (radio->isHidden() || !radio->isEnabled());
  });
  const qsizetype here = group.indexOf(this);
  const qsizetype next = here + (*arrow == Arrow::Down || *arrow == Arrow::Right ? 1 : -1);
  if (next < 0 || next >= group.size()) return;
  // The button reached becomes the stop, so the focus goes to it.
  group[next]->Click();
  group[next]->setFocus(Qt::TabFocusReason);
}

void TAMRadioButton::moveEvent(QMoveEvent* event) {
  TAMCbRbBase::moveEvent(event);
  UpdateGroupTabStop();
}

void TAMRadioButton::showEvent(QShowEvent* event) {
  TAMCbRbBase::showEvent(event);
  UpdateGroupTabStop();
}

void TAMRadioButton::SetHost(TAMCbRbHost* host) {
  if (Host() == host) return;
  StoreHost(host);
  repaint();
}

int TAMRadioButton::CellIndex() const {
  if (!isEnabled()) return 2;
  return checked_ ? 1 : 0;
}

void TAMRadioButton::Click() {
  emit OnClick();
  SetChecked(true);
  repaint();
}

// --- TAMCheckBox -------------------------------------------------------------

TAMCheckBox::TAMCheckBox(QWidget* parent) : TAMCbRbBase(parent) { setFocusPolicy(Qt::StrongFocus); }

void TAMCheckBox::SetChecked(bool value) {
  if (checked_ == value || !isEnabled()) return;
  checked_ = value;
  state_ = value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked;
  AnnounceCheckedChange(this);
  repaint();
}

void TAMCheckBox::SetState(TCheckBoxState value) {
  if (value == TCheckBoxState::cbGrayed && !allowGrayed_) return;
  if (value == state_ || !isEnabled()) return;
  state_ = value;
  checked_ = value == TCheckBoxState::cbChecked;
  AnnounceCheckedChange(this);
  repaint();
}

void TAMCheckBox::SetAllowGrayed(bool value) {
  if (allowGrayed_ == value) return;
  allowGrayed_ = value;
  // Through the setter: a disabled box keeps its state.
  if (!value) SetState(TCheckBoxState::cbUnchecked);
}

void TAMCheckBox::SetHost(TAMCbRbHost* host) {
  StoreHost(host);
  repaint();
}

int TAMCheckBox::CellIndex() const {
  if (!isEnabled()) return 2;
  switch (state_) {
    case TCheckBoxState::cbUnchecked:
      return 0;
    case TCheckBoxState::cbChecked:
      return 1;
    case TCheckBoxState::cbGrayed:
      break;
  }
  return 3;
}

void TAMCheckBox::Click() {
  emit OnClick();
  switch (state_) {
    case TCheckBoxState::cbUnchecked:
      state_ = allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked;
      break;
    case TCheckBoxState::cbGrayed:
      state_ = TCheckBoxState::cbChecked;
      break;
    case TCheckBoxState::cbChecked:
      state_ = TCheckBoxState::cbUnchecked;
      break;
  }
  checked_ = state_ == TCheckBoxState::cbChecked;
  AnnounceCheckedChange(this);
  repaint();
}

}  // namespace rova
