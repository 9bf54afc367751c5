// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/store_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <chrono>
#include <thread>

#include "textio/store_lock.h"

namespace rova {

void LetWindowsPaint() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
}

void PaintWhileTheStoreWaits() {
  SetStoreLockPause([](std::chrono::milliseconds pause) {
    // Short naps, so that an exposed window is painted within a few
    // milliseconds rather than at the next try.
    constexpr std::chrono::milliseconds kNap{5};
    const auto end = std::chrono::steady_clock::now() + pause;
    for (;;) {
      LetWindowsPaint();
      const auto now = std::chrono::steady_clock::now();
      if (now >= end) break;
      std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(kNap, end - now));
    }
  });
}

}  // namespace rova
