// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/focus_cues.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

#include "controls/button_face.h"
#include "controls/lb_color.h"

namespace rova {
namespace {

bool cuesShown = false;

void SetCues(bool shown) {
  if (cuesShown == shown) return;
  cuesShown = shown;
  if (QWidget* focused = QApplication::focusWidget()) focused->update();
}

class FocusCueWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  // An event passed on from a control to its parents is seen again, which
  // does no harm: each sets the same state.
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) SetCues(true);
        break;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        SetCues(false);
        break;
      default:
        break;
    }
    return false;
  }
};

}  // namespace

bool FocusCuesShown() { return cuesShown; }

void ShowFocusCues() { SetCues(true); }

void HideFocusCues() { SetCues(false); }

void InstallFocusCues() {
  static QObject* watcher = [] {
    auto* w = new FocusCueWatcher(qApp);
    qApp->installEventFilter(w);
    return w;
  }();
  Q_UNUSED(watcher);
}

bool ShowsFocusMark(const QWidget& control) { return cuesShown && control.hasFocus() && control.isEnabled(); }

void DrawFocusMark(QPainter& canvas, const QWidget& control, const QRect& rect) {
  DrawDottedFrame(canvas, rect, Resolve(kClWindowText, control.palette()));
}

}  // namespace rova
