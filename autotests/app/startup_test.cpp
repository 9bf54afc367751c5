// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include "accounts/ui/login_window.h"
#include "app/exit_confirmation_window.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/topic_menu_window.h"
#include "program_run.h"
#include "window_driver.h"
#include "window/window_look.h"
#include "window/window_registry.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "temp_dir.h"

namespace rova {
namespace {

using testing::Click;
using testing::Later;
using testing::LogInAsJonasThen;

// Counts every time a window is put on the screen.
class ShowCounter : public QObject {
 public:
  explicit ShowCounter(QWidget* watched) { watched->installEventFilter(this); }
  int shows = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shows;
    return false;
  }
};

class StartupTest : public rova::testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    writeBytes("user.dat", "jonas\r\n");
    writeBytes("password.dat", "slaptas\r\n");
    CreateWindows();
  }
  void TearDown() override {
    DestroyRegisteredWindows();
    InTempDir::TearDown();
  }

  // Runs the program's message loop from the main window's start.
  int RunProgramLoop() {
    StartMainWindow();
    return QCoreApplication::exec();
  }

  void Record(const QString& step) { steps.push_back(step); }
  std::vector<QString> steps;
};

// The title comes through the application's name: a display name set on top
// of it is appended by the desktop to every caption that does not end with
// it, and the login window's would read "ROVA2003 - Identifikacija — ROVA 2004".
TEST(ProgramTitleTest, namesTheApplicationWithoutSuffixingCaptions) {
  const QString before = QCoreApplication::applicationName();
  SetProgramTitle();
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "ROVA 2004");
  QCoreApplication::setApplicationName("probe");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe") << "no display name of its own";
  QCoreApplication::setApplicationName(before);
}

TEST_F(StartupTest, windowsAreCreatedOnceInStartUpOrder) {
  std::vector<QString> names;
  for (ProgramWindow* window : RegisteredWindows()) names.push_back(window->objectName());
  // Every window class by number, topics 9 and 12 with their last tasks
  // first; the three windows without a number of their own follow their kin.
  std::vector<QString> expected{"Form2", "Form1"};
  auto forms = [&expected](int first, int last) {
    for (int n = first; n <= last; ++n) expected.push_back(QStringLiteral("Form%1").arg(n));
  };
  forms(3, 7);
  expected.push_back("DecimalCommaNotice");
  forms(8, 48);
  for (int n : {50, 51, 49}) forms(n, n);
  forms(52, 62);
  for (int n : {65, 66, 63, 64}) forms(n, n);
  forms(67, 118);
  forms(120, 125);
  expected.push_back("RefusedNameDialog");
  expected.push_back("LongNameDialog");
  forms(126, 127);
  expected.push_back("ChoiceMissingWindow");
  EXPECT_EQ(names, expected);
  EXPECT_EQ(ProgramWindow::MainWindow(), Form2) << "the first window made is the main window";
  for (ProgramWindow* window : RegisteredWindows()) {
    EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint) << window->objectName().toStdString();
  }
  // The splash's timer counts from the splash's creation.
  EXPECT_TRUE(Form1->Timer1->isActive());
  EXPECT_TRUE(Form1->Timer1->isSingleShot());
  EXPECT_EQ(Form1->Timer1->timerType(), Qt::PreciseTimer) << "a coarse 8000 ms timer fires from 7600 ms on";
  EXPECT_EQ(Form1->Timer1->interval(), TForm1::kTimer1Interval);
  EXPECT_EQ(TForm1::kTimer1Interval, 8000);
}

TEST_F(StartupTest, splashThenLoginThenMainWindowAfterAcceptedLogin) {
  ShowCounter mainShows(Form2);
  int splashOpenings = 0;
  QObject::connect(Form1, &ProgramWindow::Opened, [&] {
    ++splashOpenings;
    Record("splash");
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Form2->Width(), 0);
    EXPECT_EQ(Form2->Height(), 0);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(Form1->size(), QSize(402, 302));
    // The timer's own firing, without the 8 seconds.
    Form1->Timer1->start(0);
  });
  QObject::connect(Form120, &ProgramWindow::Opened, [&] {
    Record("login");
    EXPECT_FALSE(Form1->Timer1->isActive()) << "the timer fires once";
    EXPECT_TRUE(Form1->IsOpen());
    EXPECT_FALSE(Form1->isVisible()) << "the splash shrinks out of sight under the login";
    EXPECT_EQ(Form120->size(), QSize(524, TForm120::kLoginHeight));
    EXPECT_EQ(QApplication::activeModalWidget(), Form120);
    Later([] {
      rova::testing::TypeText(Form120->Edit1, "jonas");
      rova::testing::TypeText(Form120->Edit2, "slaptas");
      Click(Form120->LbSpeedButton1);
      // Accepted: both windows are marked and still there until their loops return.
      EXPECT_TRUE(Form120->IsCloseMarked());
      EXPECT_TRUE(Form1->IsCloseMarked());
      EXPECT_TRUE(Form120->isVisible());
      EXPECT_FALSE(Form2->isVisible());
    });
  });
  QObject::connect(Form2, &ProgramWindow::Opened, [&] {
    Record("main");
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->size(), QSize(kMainWindowWidth, kMainWindowHeight));
    EXPECT_FALSE(Form1->IsOpen());
    EXPECT_FALSE(Form120->IsOpen());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(Form120->isVisible());
    Later([&] {
      // Returning from a window opened over the main window reopens nothing.
      QObject::connect(Form4, &ProgramWindow::Opened, [] { Later([] { Click(Form4->LbSpeedButton1); }); });
      Form4->ShowModal();
      EXPECT_TRUE(Form2->isVisible());
      EXPECT_EQ(Form2->size(), QSize(kMainWindowWidth, kMainWindowHeight));
      Click(Form2->LbButton1);
    });
  });
  EXPECT_EQ(RunProgramLoop(), 0);
  EXPECT_EQ(steps, (std::vector<QString>{"splash", "login", "main"}));
  EXPECT_EQ(splashOpenings, 1);
  EXPECT_EQ(mainShows.shows, 1) << "the main window appears once, at its working size";
}

TEST_F(StartupTest, loginCloseButtonEndsProgramWithoutMainWindowEverSeen) {
  ShowCounter mainShows(Form2);
  QObject::connect(Form1, &ProgramWindow::Opened, [] { Later([] { Form1->Timer1Timer(); }); });
  QObject::connect(Form120, &ProgramWindow::Opened, [] { Later([] { Click(Form120->LbButton1); }); });
  EXPECT_EQ(RunProgramLoop(), 0);
  EXPECT_EQ(mainShows.shows, 0);
  EXPECT_TRUE(ProgramWindow::IsProgramEnding());
  EXPECT_FALSE(Form120->isVisible());
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_TRUE(readBytes("temp.dat").isEmpty()) << "nothing is written at exit";
}

TEST_F(StartupTest, leftOverCopiesGoWhenTheLoginOpensNotBeforeTheSplash) {
  const QString leftOver = QStringLiteral(".user.dat.~a1b2c3");
  writeBytes(leftOver, "jonas\r\n");
  TidyDataFolderWhenLoginOpens();
  const auto note = [&](const char* window) {
    Record(QLatin1String(window) + (exists(leftOver) ? QStringLiteral(": copy there") : QStringLiteral(": copy gone")));
  };
  QObject::connect(Form1, &ProgramWindow::Opened, [&] {
    note("splash");
    Later([] { Form1->Timer1Timer(); });
  });
  QObject::connect(Form120, &ProgramWindow::Opened, [&] {
    note("login");
    Later([] { Click(Form120->LbButton1); });
  });
  EXPECT_EQ(RunProgramLoop(), 0);
  EXPECT_EQ(steps, (std::vector<QString>{"splash: copy there", "login: copy gone"}));
}

TEST_F(StartupTest, desktopCloseIsIgnoredOnSplashAndEndsProgramFromLogin) {
  ShowCounter mainShows(Form2);
  QObject::connect(Form1, &ProgramWindow::Opened, [&] {
    Later([&] {
      QCloseEvent onSplash;
      QApplication::sendEvent(Form1, &onSplash);
      Record(Form1->IsCloseMarked() ? "splash closed" : "splash stays");
      Form1->Timer1Timer();
    });
  });
  QObject::connect(Form120, &ProgramWindow::Opened, [] {
    Later([] {
      QCloseEvent onLogin;
      QApplication::sendEvent(Form120, &onLogin);
    });
  });
  EXPECT_EQ(RunProgramLoop(), 0);
  EXPECT_EQ(steps, std::vector<QString>{"splash stays"});
  EXPECT_TRUE(ProgramWindow::IsProgramEnding());
  EXPECT_EQ(mainShows.shows, 0);
}

// Reaches the main window through the splash and an accepted login, then runs `inMain`.
class InMainWindowTest : public StartupTest {
 protected:
  void ReachMainWindow(std::function<void()> inMain) { LogInAsJonasThen(std::move(inMain)); }
};

TEST_F(InMainWindowTest, exitConfirmationGoesBackOrEndsProgram) {
  int confirmations = 0;
  QObject::connect(Form4, &ProgramWindow::Opened, [&] {
    ++confirmations;
    // First time back to the main window, second time out of the program.
    TLbSpeedButton* choice = confirmations == 1 ? Form4->LbSpeedButton1 : Form4->LbSpeedButton2;
    Later([choice] { Click(choice); });
  });
  bool mainKeptAfterGoingBack = false;
  ReachMainWindow([&] {
    Form4->ShowModal();
    mainKeptAfterGoingBack = Form2->isVisible() && !ProgramWindow::IsProgramEnding();
    Form4->ShowModal();
    Record("after the second confirmation");
  });
  EXPECT_EQ(RunProgramLoop(), 0);
  EXPECT_TRUE(mainKeptAfterGoingBack);
  EXPECT_EQ(confirmations, 2);
  EXPECT_TRUE(ProgramWindow::IsProgramEnding());
  EXPECT_EQ(steps, std::vector<QString>{"after the second confirmation"});
}

TEST_F(InMainWindowTest, enterInTheFreshMainWindowOpensTheTestsRatherThanEndingTheProgram) {
  // The focus starts on "Testai", never on the "X" or "-" of the title bar.
  QObject::connect(Form3, &ProgramWindow::Opened, [&] {
    Record("tests opened");
    Later([] { Form3->Close(); });
  });
  ReachMainWindow([&] {
    QTest::keyClick(Form2->focusWidget(), Qt::Key_Return);
    Record(ProgramWindow::IsProgramEnding() ? "ending" : "running");
    Click(Form2->LbButton1);
  });
  EXPECT_EQ(RunProgramLoop(), 0);
  EXPECT_EQ(steps, (std::vector<QString>{"tests opened", "running"}));
}

TEST_F(InMainWindowTest, minimiseButtonKeepsTheProgramRunning) {
  ReachMainWindow([&] {
    Click(Form2->LbButton2);
    EXPECT_FALSE(ProgramWindow::IsProgramEnding());
    Record(Form2->IsOpen() ? "open" : "closed");
    Click(Form2->LbButton1);
  });
  EXPECT_EQ(RunProgramLoop(), 0);
  EXPECT_EQ(steps, std::vector<QString>{"open"});
}

}  // namespace
}  // namespace rova
