// SPDX-License-Identifier: GPL-3.0-or-later
// The fade: counted ticks stand in for the 30 ms clock, so these tests count
// steps and their order and never wait on wall time for an assertion.

#include <QEnterEvent>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "control_test_support.h"
#include "controls/lb_button.h"
#include "controls/fade_worker.h"
#include "controls/lb_speed_button.h"

namespace rova {
namespace {

using testing::PaintCounter;
using testing::ProcessUntil;
using testing::Settle;
using testing::ShownWindow;
using State = TLbButtonThread::State;

constexpr TColor kFace = FromRgb(232, 228, 229);
constexpr TColor kHot = FromRgb(199, 199, 202);

class CountedFade : public ::testing::Test {
 protected:
  void SetUp() override { TLbButtonThread::SetDefaultPacing(TLbButtonThread::Pacing::Counted); }
  void TearDown() override { TLbButtonThread::SetDefaultPacing(TLbButtonThread::Pacing::Clock); }
};

template <typename Button>
Button* FadingButton(QWidget* parent) {
  auto* b = new Button(parent);
  b->setGeometry(10, 10, 111, 25);
  b->SetColor(kFace);
  b->SetHotTrackColor(kHot);
  b->SetSlowDecease(true);
  b->show();
  return b;
}

// Lets one more interval end and waits until its tick has run.
void Tick(TLbButtonThread* worker) {
  const int before = worker->TicksRun();
  worker->GrantTicks(1);
  ASSERT_TRUE(ProcessUntil([&] { return worker->TicksRun() == before + 1; }));
}

void SendEnter(QWidget* w) {
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)));
  QApplication::sendEvent(w, &enter);
}

void SendLeave(QWidget* w) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w, &leave);
}

template <typename Button>
void ExpectEightStepsAfterLeaveThenSilence() {
  auto window = ShownWindow();
  Button* b = FadingButton<Button>(window.get());
  TLbButtonThread* worker = b->FadeWorker();
  ASSERT_NE(worker, nullptr);
  EXPECT_EQ(worker->CurrentState(), State::Paused);

  QTest::mouseMove(window.get(), QPoint(20, 20));
  ASSERT_TRUE(b->Hot());
  std::vector<int> steps;
  std::vector<TColor> faces;
  PaintCounter paints(b, [&] {
    steps.push_back(b->FadeStep());
    faces.push_back(FromQColor(QColor(b->RenderFace().pixel(5, 5))));
  });
  QTest::mouseMove(window.get(), QPoint(250, 150));
  EXPECT_FALSE(b->Hot());
  for (int i = 0; i < 8; ++i) Tick(worker);
  Settle();

  EXPECT_EQ(steps, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
  ASSERT_EQ(faces.size(), 8u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(faces[i], BlendFadeColor(kFace, kHot, 7 - i)) << i;
  EXPECT_EQ(faces.back(), kFace);
  EXPECT_TRUE(worker->Paused());
  EXPECT_TRUE(ProcessUntil([&] { return worker->CurrentState() == State::Paused; }));

  // Paused: granted intervals stay unused and nothing more is painted.
  worker->GrantTicks(3);
  for (int i = 0; i < 50; ++i) {
    QCoreApplication::processEvents();
    QThread::yieldCurrentThread();
  }
  EXPECT_EQ(worker->TicksRun(), 8);
  EXPECT_EQ(paints.count(), 8);
}

TEST_F(CountedFade, speedButtonRepaintsEightTimesAfterLeavingThenFallsSilent) {
  ExpectEightStepsAfterLeaveThenSilence<TLbSpeedButton>();
}

TEST_F(CountedFade, windowedButtonFadesTheSameWay) { ExpectEightStepsAfterLeaveThenSilence<TLbButton>(); }

TEST_F(CountedFade, reenteringJumpsBackToFullHotAndTheFadeRunsOnUnderThePointer) {
  auto window = ShownWindow();
  auto* b = FadingButton<TLbSpeedButton>(window.get());
  TLbButtonThread* worker = b->FadeWorker();
  QTest::mouseMove(window.get(), QPoint(20, 20));
  QTest::mouseMove(window.get(), QPoint(250, 150));
  for (int i = 0; i < 3; ++i) Tick(worker);
  EXPECT_EQ(b->FadeStep(), 5);

  QTest::mouseMove(window.get(), QPoint(20, 20));
  EXPECT_TRUE(b->Hot());
  EXPECT_EQ(b->FadeStep(), 8);
  EXPECT_EQ(FromQColor(QColor(b->RenderFace().pixel(5, 5))), kHot);

  std::vector<int> steps;
  PaintCounter paints(b, [&] { steps.push_back(b->FadeStep()); });
  for (int i = 0; i < 8; ++i) Tick(worker);
  EXPECT_EQ(steps, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_TRUE(b->Hot());
  EXPECT_TRUE(worker->Paused());
}

TEST_F(CountedFade, leavingWithoutSlowDeceaseRepaintsOnceInThePlainColour) {
  auto window = ShownWindow();
  auto* b = FadingButton<TLbSpeedButton>(window.get());
  b->SetSlowDecease(false);
  EXPECT_EQ(b->FadeWorker(), nullptr);
  QTest::mouseMove(window.get(), QPoint(20, 20));
  Settle();
  PaintCounter paints(b);
  QTest::mouseMove(window.get(), QPoint(250, 150));
  Settle();
  EXPECT_EQ(paints.count(), 1);
  EXPECT_EQ(b->FadeStep(), 0);
}

TEST_F(CountedFade, switchingSlowDeceaseOffWhileATickWaitsForTheGuiThreadReturns) {
  auto window = ShownWindow();
  auto* b = FadingButton<TLbSpeedButton>(window.get());
  QPointer<TLbButtonThread> worker = b->FadeWorker();
  SendEnter(b);
  SendLeave(b);
  worker->GrantTicks(1);
  // Do not serve the hand-off: the worker now waits for this thread.
  while (worker->CurrentState() != State::HandOff) QThread::yieldCurrentThread();

  b->SetSlowDecease(false);
  EXPECT_TRUE(worker.isNull());
  EXPECT_EQ(b->FadeWorker(), nullptr);
  EXPECT_EQ(b->FadeStep(), 0);
  // The abandoned tick, still queued, does nothing.
  Settle();
  EXPECT_EQ(b->FadeStep(), 0);

  b->SetSlowDecease(true);
  ASSERT_NE(b->FadeWorker(), nullptr);
  EXPECT_EQ(b->FadeWorker()->CurrentState(), State::Paused);
}

// 300 buttons on `window`, each hot-tracked and then left so that its fade starts.
std::vector<TLbSpeedButton*> ThreeHundredLeftButtons(QWidget* window) {
  std::vector<TLbSpeedButton*> buttons;
  for (int i = 0; i < 300; ++i) {
    auto* b = new TLbSpeedButton(window);
    b->setGeometry((i % 15) * 45, (i / 15) * 30, 40, 25);
    b->SetHotTrackColor(kHot);
    b->SetSlowDecease(true);
    b->show();
    SendEnter(b);
    SendLeave(b);
    buttons.push_back(b);
  }
  return buttons;
}

TEST_F(CountedFade, destroyingAWindowOf300ButtonsWaitingOnTheGuiThreadEnds) {
  auto window = ShownWindow(QSize(700, 700));
  std::vector<TLbButtonThread*> workers;
  for (TLbSpeedButton* b : ThreeHundredLeftButtons(window.get())) {
    workers.push_back(b->FadeWorker());
    b->FadeWorker()->GrantTicks(1);
  }
  for (TLbButtonThread* w : workers)
    while (w->CurrentState() != State::HandOff) QThread::yieldCurrentThread();

  window.reset();
  Settle();
  SUCCEED();
}

TEST(ClockFade, destroyingAWindowOf300ButtonsFadingOnTheClockEnds) {
  ASSERT_EQ(TLbButtonThread::DefaultPacing(), TLbButtonThread::Pacing::Clock);
  auto window = ShownWindow(QSize(700, 700));
  const std::vector<TLbSpeedButton*> buttons = ThreeHundredLeftButtons(window.get());
  // Let the fades get under way: some ticks have run somewhere.
  ASSERT_TRUE(ProcessUntil([&] {
    for (TLbSpeedButton* b : buttons)
      if (b->FadeStep() < 8) return true;
    return false;
  }));
  window.reset();
  Settle();
  SUCCEED();
}

TEST(ClockFade, aFadeOnTheClockEndsInThePlainColourWithItsWorkerPaused) {
  auto window = ShownWindow();
  auto* b = FadingButton<TLbSpeedButton>(window.get());
  Settle();
  std::vector<int> steps;
  PaintCounter paints(b, [&] { steps.push_back(b->FadeStep()); });
  SendEnter(b);
  SendLeave(b);
  ASSERT_TRUE(ProcessUntil([&] { return b->FadeWorker()->TicksRun() == 8 && b->FadeWorker()->Paused(); }));
  EXPECT_EQ(steps, (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST_F(CountedFade, workerStartsPausedAndAPauseFromTheTickHoldsIt) {
  int ticks = 0;
  TLbButtonThread* self = nullptr;
  TLbButtonThread worker([&](TLbButtonThread* sender) {
    self = sender;
    if (++ticks == 2) sender->Pause();
  });
  worker.GrantTicks(5);
  for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(worker.CurrentState(), State::Paused);

  worker.Resume();
  ASSERT_TRUE(ProcessUntil([&] { return ticks == 2 && worker.CurrentState() == State::Paused; }));
  EXPECT_EQ(self, &worker);

  worker.Resume();
  ASSERT_TRUE(ProcessUntil([&] { return ticks == 5; }));
  worker.Release();
  worker.Release();
  EXPECT_EQ(worker.CurrentState(), State::Ended);
}

}  // namespace
}  // namespace rova
