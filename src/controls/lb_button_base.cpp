// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/lb_button_base.h"

#include <QEnterEvent>
#include <QKeySequence>
#include <QPainter>

#include "controls/control_accessibility.h"
#include "controls/fade_worker.h"
#include "controls/program_fonts.h"
#include "controls/scaled_image.h"
#include "controls/scaled_text.h"

namespace rova {

TLbButtonBase::TLbButtonBase(QWidget* parent, const Defaults& defaults)
    : QWidget(parent),
      alignment_(defaults.alignment),
      parentColor_(defaults.parentColor),
      hotTrackFont_(SansFont()),
      shadowColor_(defaults.shadowColor),
      repaintOnColorWhenDown_(defaults.repaintOnColorWhenDown) {
  setFont(SansFont());
  resize(100, 23);
  InstallControlAccessibility();
}

TLbButtonBase::~TLbButtonBase() { BeginDestruction(); }

void TLbButtonBase::BeginDestruction() {
  destroying_ = true;
  ReleaseFadeWorker();
}

void TLbButtonBase::SetStockGlyph(const QImage& strip) {
  numGlyphs_ = 2;
  glyph_ = strip;
}

void TLbButtonBase::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Refresh();
}

void TLbButtonBase::SetCaption(const QString& value) {
  if (caption_ == value) return;
  caption_ = value;
  UpdateAcceleratorShortcut();
  Invalidate();
}

TColor TLbButtonBase::Color() const { return parentColor_ ? InheritedColor(this) : color_; }

void TLbButtonBase::SetColor(TColor value) {
  if (!parentColor_ && color_ == value) return;
  color_ = value;
  parentColor_ = false;
  Refresh();
}

void TLbButtonBase::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  if (!value) color_ = Color();
  parentColor_ = value;
  Refresh();
}

void TLbButtonBase::SetColorWhenDown(TColor value) {
  if (colorWhenDown_ == value) return;
  colorWhenDown_ = value;
  if (repaintOnColorWhenDown_) Refresh();
}

void TLbButtonBase::SetColorStyle(TLbColorStyle value) {
  const std::optional<TLbColorPreset> preset = ApplyColorStyle(value);
  if (!preset) return;
  SetColor(preset->color);
  SetFontColor(preset->fontColor);
  lightColor_ = preset->lightColor;
  shadowColor_ = preset->shadowColor;
  hotTrackColor_ = preset->hotTrackColor;
  colorWhenDown_ = preset->colorWhenDown;
  flat_ = preset->flat;
  style_ = preset->style;
  Refresh();
}

void TLbButtonBase::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  Refresh();
}

void TLbButtonBase::SetFontColor(TColor value) {
  if (fontColor_ == value) return;
  fontColor_ = value;
  Refresh();
}

void TLbButtonBase::SetGlyph(const QImage& value) {
  glyph_ = value.isNull() ? QImage() : value.convertToFormat(QImage::Format_RGB32);
  numGlyphs_ = glyph_.height() > 0 ? glyph_.width() / glyph_.height() : 0;
  Invalidate();
}

void TLbButtonBase::SetHotTrackColor(TColor value) { hotTrackColor_ = value; }

void TLbButtonBase::SetHotTrackFont(const QFont& value) { hotTrackFont_ = value; }

void TLbButtonBase::SetHotTrackFontColor(TColor value) { hotTrackFontColor_ = value; }

void TLbButtonBase::SetLayout(TLbButtonLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  Refresh();
}

void TLbButtonBase::SetLightColor(TColor value) {
  if (lightColor_ == value) return;
  lightColor_ = value;
  Refresh();
}

void TLbButtonBase::SetNumGlyphs(int value) {
  if (numGlyphs_ == value) return;
  numGlyphs_ = std::max(value, 0);
  Invalidate();
}

void TLbButtonBase::SetShadowColor(TColor value) {
  if (shadowColor_ == value) return;
  shadowColor_ = value;
  Refresh();
}

void TLbButtonBase::SetSlowDecease(bool value) {
  if (slowDecease_ == value) return;
  slowDecease_ = value;
  if (value) {
    if (!fadeWorker_)
      fadeWorker_ = std::make_unique<TLbButtonThread>([this](TLbButtonThread* sender) { FadeTick(sender); });
  } else if (fadeWorker_) {
    fadeStep_ = 0;
    ReleaseFadeWorker();
  }
  Invalidate();
}

void TLbButtonBase::SetStyle(TLbButtonStyle value) {
  if (style_ == value) return;
  style_ = value;
  Invalidate();
}

void TLbButtonBase::SetUseHotTrackFont(bool value) { useHotTrackFont_ = value; }

void TLbButtonBase::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  Refresh();
}

void TLbButtonBase::SetPopupMenu(QMenu* menu) {
  if (popupMenu_ == menu) return;
  popupMenu_ = menu;
  Invalidate();
}

QImage TLbButtonBase::RenderFace() const { return FaceImage(Face()); }

TLbButtonFace TLbButtonBase::BaseFace() const {
  TLbButtonFace face;
  face.width = width();
  face.height = height();
  face.alignment = alignment_;
  face.caption = caption_;
  face.layout = layout_;
  face.font = font();
  face.fontColor = fontColor_;
  face.shadowColor = shadowColor_;
  face.lightColor = lightColor_;
  face.hotTrackColor = hotTrackColor_;
  face.colorWhenDown = colorWhenDown_;
  face.color = Color();
  face.style = style_;
  face.hasPopupMenu = !popupMenu_.isNull();
  face.wordWrap = wordWrap_;
  face.flat = flat_;
  face.enabled = isEnabled();
  face.hot = hot_;
  face.glyph = glyph_;
  face.numGlyphs = numGlyphs_;
  face.fadeStep = fadeStep_;
  return face;
}

QImage TLbButtonBase::FaceImage(const TLbButtonFace& face, double scale) const {
  if (face.width <= 0 || face.height <= 0) return {};
  const bool keyed = face.transparent || face.style == TLbButtonStyle::bsModern ||
                     face.style == TLbButtonStyle::bsShape || face.style == TLbButtonStyle::bsQuicken;
  QImage image = ScaledImage(QSize(face.width, face.height), scale, QImage::Format_ARGB32);
  const QRgb key = Resolve(kClFuchsia).rgb();
  image.fill(keyed ? QColor(key) : QColor(Qt::transparent));
  {
    QPainter canvas(&image);
    PaintButtonFace(canvas, face, palette());
  }
  if (keyed) {
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x)
        if (line[x] == key) line[x] = 0;
    }
  }
  return image;
}

void TLbButtonBase::PaintFace(const TLbButtonFace& face) {
  QPainter painter(this);
  painter.drawImage(0, 0, FaceImage(face, DeviceScale(painter)));
}

void TLbButtonBase::PopUpMenu() {
  if (popupMenu_) popupMenu_->popup(mapToGlobal(QPoint(0, height())));
}

bool TLbButtonBase::CanTrack() const {
  return isEnabled() && isVisible() && parentWidget() != nullptr && parentWidget()->isVisible();
}

void TLbButtonBase::UpdateAcceleratorShortcut() {
  if (acceleratorShortcut_ != 0) releaseShortcut(acceleratorShortcut_);
  acceleratorShortcut_ = 0;
  const QKeySequence key = QKeySequence::mnemonic(caption_);
  if (!key.isEmpty()) acceleratorShortcut_ = grabShortcut(key);
}

void TLbButtonBase::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (!CanTrack()) return;
  hot_ = true;
  fadeStep_ = kFadeSteps;
  Refresh();
  emit OnMouseEnter();
}

void TLbButtonBase::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  const bool wasHot = hot_;
  hot_ = false;
  if (slowDecease_ && fadeWorker_) {
    if (fadeWorker_->Paused() && fadeStep_ > 0) fadeWorker_->Resume();
  } else if (wasHot || fadeStep_ != 0) {
    fadeStep_ = 0;
    Refresh();
  }
  if (CanTrack()) emit OnMouseExit();
}

void TLbButtonBase::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
}

void TLbButtonBase::FadeTick(TLbButtonThread* sender) {
  Q_UNUSED(sender);
  if (destroying_) return;
  --fadeStep_;
  if (fadeStep_ <= 0) {
    if (fadeWorker_ && !fadeWorker_->Paused()) fadeWorker_->Pause();
    fadeStep_ = 0;
  }
  Refresh();
}

void TLbButtonBase::ReleaseFadeWorker() {
  if (!fadeWorker_) return;
  fadeWorker_->Release();
  fadeWorker_.reset();
}

}  // namespace rova
