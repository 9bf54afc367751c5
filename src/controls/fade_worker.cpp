// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/fade_worker.h"

#include <QAbstractEventDispatcher>
#include <QDeadlineTimer>
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
  QMutexLocker lock(&mutex_);
  if (!paused_) return;
  paused_ = false;
  wake_.wakeAll();
}

void TLbButtonThread::Pause() {
  QMutexLocker lock(&mutex_);
  paused_ = true;
}

bool TLbButtonThread::Paused() const {
  QMutexLocker lock(&mutex_);
  return paused_;
}

TLbButtonThread::State TLbButtonThread::CurrentState() const {
  QMutexLocker lock(&mutex_);
  return state_;
}

bool TLbButtonThread::Releasing() const {
  QMutexLocker lock(&mutex_);
  return stop_;
}

void TLbButtonThread::GrantTicks(int count) {
  QMutexLocker lock(&mutex_);
  granted_ += count;
  wake_.wakeAll();
}

int TLbButtonThread::TicksRun() const {
  QMutexLocker lock(&mutex_);
  return ticksRun_;
}

void TLbButtonThread::Release() {
  {
    QMutexLocker lock(&mutex_);
    stop_ = true;
    wake_.wakeAll();
  }
  // The worker never waits for the GUI thread once stop_ is set, so this
  // wait ends without the GUI thread serving anything.
  wait();
}

bool TLbButtonThread::WaitInterval() {
  if (pacing_ == Pacing::Clock) {
    QDeadlineTimer deadline(kInterval);
    while (!stop_ && !deadline.hasExpired()) wake_.wait(&mutex_, deadline);
  } else {
    while (!stop_ && granted_ == 0) wake_.wait(&mutex_);
    if (!stop_) --granted_;
  }
  return !stop_;
}

void TLbButtonThread::run() {
  QMutexLocker lock(&mutex_);
  for (;;) {
    while (paused_ && !stop_) {
      state_ = State::Paused;
      wake_.wait(&mutex_);
    }
    state_ = State::Interval;
    if (!WaitInterval()) break;
    if (paused_) continue;
    tickDone_ = false;
    state_ = State::HandOff;
    lock.unlock();
    // The hand-off: the tick runs on the GUI thread while this one waits.
    QMetaObject::invokeMethod(this, [this] { RunTick(); }, Qt::QueuedConnection);
    lock.relock();
    while (!tickDone_ && !stop_) wake_.wait(&mutex_);
    if (stop_) break;
  }
  state_ = State::Ended;
}

void TLbButtonThread::RunTick() {
  {
    QMutexLocker lock(&mutex_);
    if (stop_) return;
  }
  if (onTick_) onTick_(this);
  QMutexLocker lock(&mutex_);
  ++ticksRun_;
  tickDone_ = true;
  wake_.wakeAll();
}

}  // namespace rova
