// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QEvent>
#include <QObject>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>

namespace rova::testing {

// Counts the paint events a widget receives and runs `onPaint` before each.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget, std::function<void()> onPaint = {})
      : widget_(widget), onPaint_(std::move(onPaint)) {
    widget->installEventFilter(this);
  }
  int count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::Paint) {
      ++count_;
      if (onPaint_) onPaint_();
    }
    return false;
  }

 private:
  QWidget* widget_;
  std::function<void()> onPaint_;
  int count_ = 0;
};

// A shown, exposed, active top-level window for controls to live on.
inline std::unique_ptr<QWidget> ShownWindow(QSize size = QSize(300, 200)) {
  auto window = std::make_unique<QWidget>();
  window->resize(size);
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  (void)QTest::qWaitForWindowExposed(window.get());
  // The pointer starts in the bottom-right corner, where tests place nothing.
  QTest::mouseMove(window.get(), QPoint(size.width() - 1, size.height() - 1));
  return window;
}

// Runs every pending event, paints included.
inline void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

// Processes events until `done` holds. The deadline only turns a fault into
// a failure instead of a hang; no test asserts on how long anything takes.
inline bool ProcessUntil(const std::function<bool()>& done) {
  const QDeadlineTimer giveUp(std::chrono::seconds(60));
  while (!done()) {
    if (giveUp.hasExpired()) return false;
    QCoreApplication::processEvents();
    QThread::usleep(200);
  }
  return true;
}

}  // namespace rova::testing
