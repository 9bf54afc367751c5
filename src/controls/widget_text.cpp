// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/widget_text.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "controls/scaled_text.h"

namespace rova {

bool RenderWithScaledText(QWidget* surface, const QRegion& region) {
  if (surface->devicePixelRatioF() == 1.0) return false;
  QPainter screen(surface);
  if (ChooseTextRendition(DeviceScale(screen)).kind == TextRendition::Kind::Native) return false;
  ScaledTextDevice device(screen, surface->size());
  // The repaint runs inside the widget's own paint event, which Qt would
  // report as recursive on every paint; the mark is set again after it.
  const bool inPaintEvent = surface->testAttribute(Qt::WA_WState_InPaintEvent);
  surface->setAttribute(Qt::WA_WState_InPaintEvent, false);
  // render() puts the region's top left at the offset given: where it is.
  surface->render(&device, region.boundingRect().topLeft(), region, QWidget::RenderFlags());
  surface->setAttribute(Qt::WA_WState_InPaintEvent, inPaintEvent);
  return true;
}

namespace {

class ScaledTextFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || watched == rendering_) return false;
    rendering_ = static_cast<QWidget*>(watched);
    const bool painted = RenderWithScaledText(rendering_, static_cast<QPaintEvent*>(event)->region());
    rendering_ = nullptr;
    return painted;
  }

 private:
  QPointer<QWidget> rendering_;
};

}  // namespace

void DrawTextAtScreenScale(QWidget* surface) {
  static ScaledTextFilter* filter = new ScaledTextFilter(QCoreApplication::instance());
  surface->installEventFilter(filter);
}

void ScaledTextComboBox::showPopup() {
  if (!popupWatched_) {
    DrawTextAtScreenScale(view()->viewport());
    popupWatched_ = true;
  }
  WithScaledText<QComboBox>::showPopup();
}

}  // namespace rova
