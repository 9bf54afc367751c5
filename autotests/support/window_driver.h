// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "window/program_window.h"

namespace rova::testing {

// Runs `step` once control is back in the innermost running loop.
inline void Later(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

// A left click with real mouse events in the middle of `widget`.
inline void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

// Types `text` into `widget` key by key, Lithuanian letters included.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Records every opening of the watched windows, in order, and answers each
// with `reply`, run inside the window's own loop.
class OpenLog {
 public:
  void Watch(ProgramWindow* window, std::function<void(ProgramWindow*)> reply) {
    QObject::connect(window, &ProgramWindow::Opened, window, [this, window, reply] {
      opened.push_back(window->objectName());
      Later([window, reply] { reply(window); });
    });
  }
  int Count(const QString& name) const {
    int n = 0;
    for (const QString& each : opened) n += each == name;
    return n;
  }
  std::vector<QString> opened;
};

}  // namespace rova::testing
