// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/widget_text.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "controls/scaled_text.h"

namespace rova {
namespace {

// Takes a watched widget's paint on a scaled screen and paints the widget
// again, as its class does, into a ScaledTextDevice over the screen.
class ScaledTextFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || watched == rendering_) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->devicePixelRatioF() == 1.0) return false;
    QPainter screen(widget);
    if (ChooseTextRendition(DeviceScale(screen)).kind == TextRendition::Kind::Native) return false;
    ScaledTextDevice device(screen, widget->size());
    rendering_ = widget;
    // render() puts the region's top left at the offset given: where it is.
    const QRegion& region = static_cast<QPaintEvent*>(event)->region();
    widget->render(&device, region.boundingRect().topLeft(), region, QWidget::RenderFlags());
    rendering_ = nullptr;
    return true;
  }

 private:
  QPointer<QWidget> rendering_;
};

ScaledTextFilter* Filter() {
  static ScaledTextFilter* filter = new ScaledTextFilter(QCoreApplication::instance());
  return filter;
}

}  // namespace

void DrawTextAtScreenScale(QWidget* surface) { surface->installEventFilter(Filter()); }

}  // namespace rova
