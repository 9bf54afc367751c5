// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QThread>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace rova {

// Paces the fade of one button: waits one interval, then runs the button's
// tick on the GUI thread and waits for it to return. Created paused.
//
// Release() never waits on the GUI thread: once a release has begun the
// worker abandons any interval or hand-off it is in, and a tick that is still
// queued does nothing.
class TLbButtonThread : public QThread {
  Q_OBJECT

 public:
  using TickHandler = std::function<void(TLbButtonThread* sender)>;

  static constexpr std::chrono::milliseconds kInterval{30};

  // How the interval between ticks is measured: by the clock, or by ticks
  // granted one at a time (for tests that count steps).
  enum class Pacing { Clock, Counted };

  // Must be created on the GUI thread; the tick runs there.
  explicit TLbButtonThread(TickHandler onTick, QObject* parent = nullptr);
  ~TLbButtonThread() override;

  // Where the worker is: waiting for a resume, waiting out an interval,
  // waiting for the GUI thread to run its tick, or ended.
  enum class State { Paused, Interval, HandOff, Ended };
  State CurrentState() const;

  // GUI thread only.
  void Resume();
  void Pause();
  bool Paused() const;
  // Stops the worker and waits for it to end. Safe to call more than once.
  void Release();
  bool Releasing() const;

  // The pacing new workers start with; tests switch it to Counted.
  static void SetDefaultPacing(Pacing pacing);
  static Pacing DefaultPacing();
  // With Counted pacing: lets `count` more intervals end.
  void GrantTicks(int count);
  // Ticks that have run on the GUI thread so far.
  int TicksRun() const;

 protected:
  void run() override;

 private:
  bool WaitInterval(std::unique_lock<std::mutex>& lock);  // false when released meanwhile
  void RunTick();

  TickHandler onTick_;
  // The standard library's, not Qt's: a thread sanitizer sees these, so the
  // tsan build checks the worker's hand-offs.
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  const Pacing pacing_;
  State state_ = State::Paused;
  bool paused_ = true;
  bool stop_ = false;
  bool tickDone_ = false;
  int granted_ = 0;
  int ticksRun_ = 0;
};

}  // namespace rova
