// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/focus_cues.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
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

class CaptionFocusFrame : public QWidget {
 public:
  CaptionFocusFrame(QWidget* control, const QRect& around) : QWidget(control->parentWidget()), control_(control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(around);
    raise();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (control_ == nullptr || !ShowsFocusMark(*control_)) return;
    QPainter canvas(this);
    DrawFocusMark(canvas, *control_, rect());
  }

 private:
  QPointer<QWidget> control_;
};

}  // namespace

QWidget* AddCaptionFocusFrame(QWidget* control, const QList<QWidget*>& caption) {
  QRect around;
  for (const QWidget* part : caption) around |= part->geometry();
  if (around.isEmpty() || control->parentWidget() == nullptr) return nullptr;
  // One pixel clear of the text on every side.
  return new CaptionFocusFrame(control, around.adjusted(-2, -1, 2, 1));
}

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
