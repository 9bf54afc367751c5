// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/fade_worker.h"

#include <QAbstractEventDispatcher>
#include <QMetaObject>
#include <atomic>

namespace rova {
namespace {

std::atomic<TLbButtonThread::Pacing> g_defaultPacing{TLbButtonThread::Pacing::Clock};

// The worker runs no event loop and no object lives in its thread, so it
// needs no dispatcher of the platform's: one costs a main context and a
// wake-up descriptor per worker, and a window has several buttons.
class IdleDispatcher : public QAbstractEventDispatcher {
 public:
  bool processEvents(QEventLoop::ProcessEventsFlags) override { return false; }
  void registerSocketNotifier(QSocketNotifier*) override {}
  void unregisterSocketNotifier(QSocketNotifier*) override {}
  void registerTimer(int, qint64, Qt::TimerType, QObject*) override {}
  bool unregisterTimer(int) override { return false; }
  bool unregisterTimers(QObject*) override { return false; }
  QList<TimerInfo> registeredTimers(QObject*) const override { return {}; }
  int remainingTime(int) override { return -1; }
  void wakeUp() override {}
  void interrupt() override {}
};

}  // namespace

TLbButtonThread::TLbButtonThread(TickHandler onTick, QObject* parent)
    : QThread(parent), onTick_(std::move(onTick)), pacing_(g_defaultPacing.load()) {
  setEventDispatcher(new IdleDispatcher);
  // A small stack: the worker only waits and hands ticks over.
  setStackSize(64 * 1024);
  // Paused from the start: the thread runs, but waits for the first resume.
  start();
}

TLbButtonThread::~TLbButtonThread() { Release(); }

void TLbButtonThread::SetDefaultPacing(Pacing pacing) { g_defaultPacing = pacing; }

TLbButtonThread::Pacing TLbButtonThread::DefaultPacing() { return g_defaultPacing.load(); }

void TLbButtonThread::Resume() {
  const std::lock_guard lock(mutex_);
  if (!paused_) return;
  paused_ = false;
  wake_.notify_all();
}

void TLbButtonThread::Pause() {
  const std::lock_guard lock(mutex_);
  paused_ = true;
}

bool TLbButtonThread::Paused() const {
  const std::lock_guard lock(mutex_);
  return paused_;
}

TLbButtonThread::State TLbButtonThread::CurrentState() const {
  const std::lock_guard lock(mutex_);
  return state_;
}

bool TLbButtonThread::Releasing() const {
  const std::lock_guard lock(mutex_);
  return stop_;
}

void TLbButtonThread::GrantTicks(int count) {
  const std::lock_guard lock(mutex_);
  granted_ += count;
  wake_.notify_all();
}

int TLbButtonThread::TicksRun() const {
  const std::lock_guard lock(mutex_);
  return ticksRun_;
}

void TLbButtonThread::Release() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
    wake_.notify_all();
  }
  // The worker never waits for the GUI thread once stop_ is set, so this
  // wait ends without the GUI thread serving anything.
  wait();
  // Orders the worker's last unlock before whatever follows (its freeing).
  const std::lock_guard lock(mutex_);
}

bool TLbButtonThread::WaitInterval(std::unique_lock<std::mutex>& lock) {
  if (pacing_ == Pacing::Clock) {
    const auto deadline = std::chrono::steady_clock::now() + kInterval;
    while (!stop_ && std::chrono::steady_clock::now() < deadline) wake_.wait_until(lock, deadline);
  } else {
    while (!stop_ && granted_ == 0) wake_.wait(lock);
    if (!stop_) --granted_;
  }
  return !stop_;
}

void TLbButtonThread::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    while (paused_ && !stop_) {
      state_ = State::Paused;
      wake_.wait(lock);
    }
    state_ = State::Interval;
    if (!WaitInterval(lock)) break;
    if (paused_) continue;
    tickDone_ = false;
    state_ = State::HandOff;
    lock.unlock();
    // The hand-off: the tick runs on the GUI thread while this one waits.
    QMetaObject::invokeMethod(this, [this] { RunTick(); }, Qt::QueuedConnection);
    lock.lock();
    while (!tickDone_ && !stop_) wake_.wait(lock);
    if (stop_) break;
  }
  state_ = State::Ended;
}

void TLbButtonThread::RunTick() {
  {
    const std::lock_guard lock(mutex_);
    if (stop_) return;
  }
  if (onTick_) onTick_(this);
  const std::lock_guard lock(mutex_);
  ++ticksRun_;
  tickDone_ = true;
  wake_.notify_all();
}

}  // namespace rova
