// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/program_window.h"

#include <QTest>

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "controls/lb_button.h"

namespace rova {
namespace {

// A plain window of the program whose handlers only count and run a hook.
class PlainWindow : public ProgramWindow {
 public:
  explicit PlainWindow(QString name, int width = 200, int height = 100) {
    setObjectName(std::move(name));
    SetClientSize(width, height);
  }
  std::function<void()> onActivate;
  int activations = 0;
  int closes = 0;
  int resizes = 0;

 protected:
  void FormActivate() override {
    ++activations;
    if (onActivate) onActivate();
  }
  void FormClose() override { ++closes; }
  void FormResize() override { ++resizes; }
};

// Runs `step` once the current (or next) loop is running.
void Later(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

class ProgramWindowTest : public ::testing::Test {
 protected:
  void TearDown() override { ProgramWindow::SetMainWindow(nullptr); }

  // Records the order in which windows leave the screen.
  void Track(PlainWindow& window) {
    QObject::connect(&window, &ProgramWindow::Closed, [this, &window] { closedOrder.push_back(window.objectName()); });
  }
  std::vector<QString> closedOrder;
};

TEST_F(ProgramWindowTest, modalWindowIsTopAndLeavesScreenWhenClosed) {
  PlainWindow a("a");
  Track(a);
  bool wasShownModal = false;
  a.onActivate = [&] {
    Later([&] {
      wasShownModal = a.isVisible() && a.IsOpen() && QApplication::activeModalWidget() == &a;
      a.Close();
      EXPECT_TRUE(a.isVisible()) << "a top window leaves when its loop returns, not inside Close";
    });
  };
  a.ShowModal();
  EXPECT_TRUE(wasShownModal);
  EXPECT_EQ(a.windowModality(), Qt::ApplicationModal);
  EXPECT_FALSE(a.isVisible());
  EXPECT_FALSE(a.IsOpen());
  EXPECT_FALSE(a.IsCloseMarked());
  EXPECT_EQ(a.activations, 1);
  EXPECT_EQ(a.closes, 1);
  EXPECT_EQ(closedOrder, std::vector<QString>{"a"});
}

TEST_F(ProgramWindowTest, lowerWindowClosedUnderUpperStaysUntilUpperHasGone) {
  PlainWindow a("a"), b("b"), c("c");
  for (PlainWindow* w : {&a, &b, &c}) Track(*w);
  bool aVisibleWhenCLeft = false, bVisibleWhenCLeft = false;
  a.onActivate = [&] { Later([&] { b.ShowModal(); }); };
  b.onActivate = [&] { Later([&] { c.ShowModal(); }); };
  c.onActivate = [&] {
    Later([&] {
      // Bottom first: the lower ones are only marked.
      a.Close();
      b.Close();
      EXPECT_TRUE(a.IsCloseMarked());
      EXPECT_TRUE(b.IsCloseMarked());
      EXPECT_TRUE(a.isVisible());
      EXPECT_TRUE(b.isVisible());
      EXPECT_EQ(QApplication::activeModalWidget(), &c);
      c.Close();
    });
  };
  QObject::connect(&c, &ProgramWindow::Closed, [&] {
    aVisibleWhenCLeft = a.isVisible();
    bVisibleWhenCLeft = b.isVisible();
  });
  a.ShowModal();
  EXPECT_TRUE(aVisibleWhenCLeft);
  EXPECT_TRUE(bVisibleWhenCLeft);
  EXPECT_EQ(closedOrder, (std::vector<QString>{"c", "b", "a"}));
  for (PlainWindow* w : {&a, &b, &c}) {
    EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(w->activations, 1) << "no activation when a window above it closes";
  }
}

TEST_F(ProgramWindowTest, closingTopWindowReturnsToTheOneBeneathStillOpen) {
  PlainWindow a("a"), b("b");
  Track(a);
  Track(b);
  bool aUsableAfterB = false;
  a.onActivate = [&] {
    Later([&] {
      b.ShowModal();
      aUsableAfterB = a.isVisible() && !a.IsCloseMarked() && QApplication::activeModalWidget() == &a;
      a.Close();
    });
  };
  b.onActivate = [&] { Later([&] { b.Close(); }); };
  a.ShowModal();
  EXPECT_TRUE(aUsableAfterB);
  EXPECT_EQ(closedOrder, (std::vector<QString>{"b", "a"}));
  EXPECT_EQ(a.activations, 1);
}

TEST_F(ProgramWindowTest, closingWindowThatIsNotOpenDoesNothing) {
  PlainWindow a("a");
  a.Close();
  EXPECT_EQ(a.closes, 0);
  EXPECT_FALSE(a.IsCloseMarked());

  // The earlier Close leaves no mark behind: the window runs its loop.
  bool ranLoop = false;
  a.onActivate = [&] {
    Later([&] {
      ranLoop = true;
      a.Close();
      a.Close();  // already marked: no second FormClose
    });
  };
  a.ShowModal();
  EXPECT_TRUE(ranLoop);
  EXPECT_EQ(a.closes, 1);
}

TEST_F(ProgramWindowTest, windowClosedDuringItsActivationDoesNotRunALoop) {
  PlainWindow a("a");
  int opened = 0;
  QObject::connect(&a, &ProgramWindow::Opened, [&] { ++opened; });
  a.onActivate = [&] { a.Close(); };
  a.ShowModal();
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(a.IsOpen());
  EXPECT_FALSE(a.isVisible());
}

TEST_F(ProgramWindowTest, eachModalShowActivatesOnceMore) {
  PlainWindow a("a");
  a.onActivate = [&] { Later([&] { a.Close(); }); };
  a.ShowModal();
  a.ShowModal();
  EXPECT_EQ(a.activations, 2);
}

TEST_F(ProgramWindowTest, showModalOnOpenWindowIsIgnored) {
  PlainWindow a("a");
  a.onActivate = [&] {
    Later([&] {
      a.ShowModal();  // would nest a second loop of the same window
      a.Close();
    });
  };
  a.ShowModal();
  EXPECT_EQ(a.activations, 1);
}

TEST_F(ProgramWindowTest, zeroSizeKeepsOpenWindowOffScreenAndSizeBringsItBack) {
  PlainWindow a("a", 300, 150);
  QPoint firstPlace;
  bool hiddenAtZero = false, backAtSize = false;
  a.onActivate = [&] {
    Later([&] {
      firstPlace = a.pos();
      a.SetHeight(0);
      a.SetWidth(0);
      hiddenAtZero = !a.isVisible() && a.IsOpen();
      a.SetHeight(80);
      a.SetWidth(120);
      backAtSize = a.isVisible() && a.size() == QSize(120, 80) && a.pos() == firstPlace;
      a.Close();
    });
  };
  a.ShowModal();
  EXPECT_TRUE(hiddenAtZero);
  EXPECT_TRUE(backAtSize) << "a window keeps its place when it grows again";
  EXPECT_EQ(a.resizes, 4);
  a.SetHeight(80);
  EXPECT_EQ(a.resizes, 4) << "setting the same size is no resize";
}

TEST_F(ProgramWindowTest, windowIsCentredWhenFirstSeen) {
  PlainWindow a("a", 300, 150);
  QRect seen;
  a.onActivate = [&] { Later([&] { seen = a.geometry(); a.Close(); }); };
  a.ShowModal();
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(seen.size(), QSize(300, 150));
  EXPECT_LE(std::abs(seen.center().x() - area.center().x()), 1);
  EXPECT_LE(std::abs(seen.center().y() - area.center().y()), 1);
}

TEST_F(ProgramWindowTest, desktopCloseRequestMarksLikeClose) {
  PlainWindow a("a"), b("b");
  bool aStayedWhileB = false;
  a.onActivate = [&] { Later([&] { b.ShowModal(); }); };
  b.onActivate = [&] {
    Later([&] {
      QCloseEvent lower;
      QApplication::sendEvent(&a, &lower);
      aStayedWhileB = a.isVisible() && a.IsCloseMarked();
      QCloseEvent top;
      QApplication::sendEvent(&b, &top);
    });
  };
  a.ShowModal();
  EXPECT_TRUE(aStayedWhileB);
  EXPECT_FALSE(a.isVisible());
  EXPECT_FALSE(b.isVisible());
}

TEST_F(ProgramWindowTest, buttonWithModalResultClosesItsWindow) {
  PlainWindow a("a");
  auto* plain = new TLbButton(&a);
  plain->setGeometry(0, 0, 50, 20);
  auto* ok = new TLbButton(&a);
  ok->setGeometry(60, 0, 50, 20);
  ok->SetModalResult(1);
  bool stayedAfterPlainClick = false;
  a.onActivate = [&] {
    Later([&] {
      QTest::mouseClick(plain, Qt::LeftButton, {}, plain->rect().center());
      stayedAfterPlainClick = !a.IsCloseMarked();
      QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    });
  };
  a.ShowModal();
  EXPECT_TRUE(stayedAfterPlainClick);
  EXPECT_EQ(a.ModalResult(), 1);
  EXPECT_EQ(a.closes, 1);
}

// The main window and a stack of five windows opened one above the other,
// like the topic menu and the five task windows of a topic.
class MainWindowTest : public ProgramWindowTest {
 protected:
  void SetUp() override {
    ProgramWindow::SetMainWindow(&main);
    main.onActivate = [this] {
      main.SetHeight(0);
      main.SetWidth(0);
      mainSeenDuringActivation = main.isVisible();
    };
    for (int i = 0; i < 6; ++i) {
      stack.push_back(std::make_unique<PlainWindow>(QString::number(i)));
      Track(*stack.back());
    }
  }
  PlainWindow main{"main", 694, 412};
  std::vector<std::unique_ptr<PlainWindow>> stack;
  bool mainSeenDuringActivation = false;
};

TEST_F(MainWindowTest, mainWindowIsNotSeenBeforeItsActivationHasRun) {
  int openedSignals = 0;
  QObject::connect(&main, &ProgramWindow::Opened, [&] { ++openedSignals; });
  bool seenAfterGrow = false;
  main.onActivate = [&] {
    main.SetHeight(0);
    main.SetWidth(0);
    Later([&] {
      mainSeenDuringActivation = main.isVisible();
      main.SetHeight(412);
      main.SetWidth(694);
      // Still inside the activation: the window waits for it to end.
      mainSeenDuringActivation = mainSeenDuringActivation || main.isVisible();
      stack[0]->Close();
    });
    stack[0]->ShowModal();
  };
  QObject::connect(&main, &ProgramWindow::Opened, [&] {
    Later([&] {
      seenAfterGrow = main.isVisible() && main.size() == QSize(694, 412);
      main.Close();
    });
  });
  main.ShowAsMainWindow();
  EXPECT_FALSE(main.isVisible()) << "nothing is shown before the message loop runs";
  QCoreApplication::exec();
  EXPECT_FALSE(mainSeenDuringActivation);
  EXPECT_TRUE(seenAfterGrow);
  EXPECT_EQ(main.activations, 1);
  EXPECT_EQ(openedSignals, 1);
}

TEST_F(MainWindowTest, closingMainWindowFromDeepestStackEndsProgramAtOnce) {
  for (std::size_t i = 0; i + 1 < stack.size(); ++i) {
    stack[i]->onActivate = [this, i] { Later([this, i] { stack[i + 1]->ShowModal(); }); };
  }
  bool allOpenAtTheEnd = false;
  stack.back()->onActivate = [&] {
    Later([&] {
      allOpenAtTheEnd = true;
      for (auto& w : stack) allOpenAtTheEnd = allOpenAtTheEnd && w->isVisible();
      main.Close();
      // Nothing opens any more once the program is ending.
      stack[0]->ShowModal();
    });
  };
  // Like the exit confirmation's caller: opens another window once its
  // child returns; that must not happen while the program ends.
  PlainWindow late("late");
  QObject::connect(stack[2].get(), &ProgramWindow::Closed, [&] { late.ShowModal(); });
  main.onActivate = [&] { Later([&] { stack[0]->ShowModal(); }); };
  main.ShowAsMainWindow();
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(allOpenAtTheEnd);
  EXPECT_TRUE(ProgramWindow::IsProgramEnding());
  EXPECT_EQ(main.closes, 1);
  EXPECT_EQ(late.activations, 0);
  EXPECT_EQ(closedOrder, (std::vector<QString>{"5", "4", "3", "2", "1", "0"}));
  for (auto& w : stack) EXPECT_EQ(w->activations, 1);
}

TEST_F(MainWindowTest, closingMainWindowTwiceRunsItsCloseHandlerOnce) {
  main.onActivate = [&] {
    Later([&] {
      main.Close();
      main.Close();
    });
  };
  main.ShowAsMainWindow();
  QCoreApplication::exec();
  EXPECT_EQ(main.closes, 1);
}

}  // namespace
}  // namespace rova

namespace {

class LazyWindow : public rova::ProgramWindow {
 public:
  int builds = 0;

 protected:
  void BuildContents() override { ++builds; }
};

}  // namespace

TEST(ProgramWindowContents, areBuiltOnceOnFirstShowAndKept) {
  LazyWindow window;
  EXPECT_EQ(window.builds, 0) << "nothing is built when the window is made";
  QTimer::singleShot(0, &window, [&window] { window.Close(); });
  window.ShowModal();
  QTimer::singleShot(0, &window, [&window] { window.Close(); });
  window.ShowModal();
  window.EnsureContents();
  EXPECT_EQ(window.builds, 1);
}
