// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu, the topic menu and the About page, driven by real clicks
// from the main window a pupil reaches after logging in.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "accounts/ui/login_window.h"
#include "accounts/user_store.h"
#include "app/about_window.h"
#include "app/exit_confirmation_window.h"
#include "app/help_launcher.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "app/topic_menu_window.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "program_run.h"
#include "window_driver.h"
#include "window/window_look.h"
#include "window/window_registry.h"
#include "temp_dir.h"

namespace rova {
namespace {

using testing::Click;
using testing::Later;
using testing::OpenLog;
using testing::RegisterJonas;
using testing::LogInAsJonasThen;

class MainMenuTest : public rova::testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    // The help program is looked for along a path of the test's own, so that
    // one installed on the machine is not found.
    savedPath_ = qgetenv("PATH");
    qputenv("PATH", path("bin").toLocal8Bit());
    // A registered pupil, so that the windows the menu opens find their files.
    RegisterJonas();
    CreateWindows();
  }
  void TearDown() override {
    DestroyRegisteredWindows();
    qputenv("PATH", savedPath_);
    InTempDir::TearDown();
  }
  QByteArray savedPath_;

  // The window registered under `name`, or a plain stand-in registered under
  // it when this build has no such window yet.
  static ProgramWindow* WindowNamed(const QString& name) {
    if (ProgramWindow* window = FindWindow(name)) return window;
    auto* standIn = new ProgramWindow;
    standIn->setObjectName(name);
    standIn->SetClientSize(100, 100);
    RegisterWindow(standIn, [] {});
    return standIn;
  }

  // Runs the program from its start through the splash and an accepted
  // login, then `inMain` inside the main window's loop.
  int RunFromMainWindow(std::function<void()> inMain) {
    QObject::connect(Form1, &ProgramWindow::Opened, [this] { ++splashOpenings; });
    LogInAsJonasThen(std::move(inMain));
    StartMainWindow();
    return QCoreApplication::exec();
  }

  // Whether the main window is back in sight at its working size.
  static bool MainWindowInUse() {
    return Form2->isVisible() && Form2->size() == QSize(kMainWindowWidth, kMainWindowHeight) &&
           !ProgramWindow::IsProgramEnding();
  }

  int splashOpenings = 0;
  std::vector<QString> steps;
};

TEST_F(MainMenuTest, everyMenuButtonOpensItsWindowAndLeadsBackToTheMainWindow) {
  WindowNamed("Form97");
  WindowNamed("Form117");
  OpenLog log;
  int aboutOpenings = 0;
  // The About page is left by "Grįžti", by its "X", and by Escape.
  log.Watch(Form118, [&](ProgramWindow*) {
    switch (++aboutOpenings) {
      case 1:
        return Click(Form118->LbSpeedButton1);
      case 2:
        return Click(Form118->LbButton1);
      default:
        QTest::keyClick(Form118->focusWidget(), Qt::Key_Escape);
    }
  });
  log.Watch(Form3, [](ProgramWindow*) { Click(Form3->LbButton1); });
  log.Watch(Form4, [](ProgramWindow*) { Click(Form4->LbSpeedButton1); });
  log.Watch(FindWindow(u"Form97"), [](ProgramWindow* window) { window->Close(); });
  log.Watch(FindWindow(u"Form117"), [](ProgramWindow* window) { window->Close(); });

  const auto press = [&](TLbSpeedButton* button) {
    Click(button);
    steps.push_back(MainWindowInUse() ? "main" : "elsewhere");
  };
  EXPECT_EQ(RunFromMainWindow([&] {
              press(Form2->LbSpeedButton1);  // Testai, then "X" and "Grįžti į ankstesnį langą"
              press(Form2->LbSpeedButton2);  // Žinynas
              press(Form2->LbSpeedButton6);  // Statistika
              press(Form2->LbSpeedButton7);  // Apie programą, "Grįžti"
              press(Form2->LbSpeedButton7);  // Apie programą, "X"
              press(Form2->LbSpeedButton7);  // Apie programą, Escape
              Click(Form2->LbSpeedButton5);  // Išeiti
              steps.push_back(ProgramWindow::IsProgramEnding() ? "ending" : "running");
            }),
            0);
  EXPECT_EQ(log.opened, (std::vector<QString>{"Form3", "Form4", "Form97", "Form117", "Form118", "Form118", "Form118"}))
      << "the About page closes without the exit confirmation";
  EXPECT_EQ(steps, (std::vector<QString>{"main", "main", "main", "main", "main", "main", "ending"}));
  EXPECT_EQ(log.Count("Form4"), 1) << "Išeiti ends the program without asking";
  EXPECT_EQ(splashOpenings, 1) << "the splash never comes back";
  EXPECT_FALSE(Form3->IsOpen());
}

TEST_F(MainMenuTest, topicButtonsOpenTaskOneOfTheirTopic) {
  struct Row {
    int topic;
    QString caption;
    QRect place;
    QString window;
  };
  const std::vector<Row> rows{
      {1, "1. Skaičiai. Skaičių dalumas", {10, 16, 295, 25}, "Form5"},
      {2, "2. Veiksmai su skaičiais", {10, 48, 295, 25}, "Form12"},
      {5, "5. Skaičių apvalinimas. Paklaidos", {10, 144, 295, 25}, "Form27"},
      {9, "9. Funkcija", {10, 272, 295, 25}, "Form47"},
      {10, "10. Funkcijų grafikai", {338, 16, 295, 25}, "Form52"},
      {16, "16. Apskritimas. Skritulys", {338, 208, 295, 25}, "Form82"},
      {17, "17. Lygumas", {336, 240, 297, 25}, "Form87"},
      {18, "18. Panašumas", {336, 272, 297, 25}, "Form92"},
  };
  OpenLog log;
  for (const Row& row : rows) log.Watch(WindowNamed(row.window), [](ProgramWindow* task) { task->Close(); });
  log.Watch(Form3, [&](ProgramWindow*) {
    for (const Row& row : rows) {
      TLbSpeedButton* button = Form3->LbSpeedButtons[row.topic - 1];
      EXPECT_EQ(button->Caption(), row.caption);
      EXPECT_EQ(button->geometry(), row.place) << row.topic;
      Click(button);
      EXPECT_TRUE(Form3->isVisible()) << "back on the topic menu after task 1 of topic " << row.topic;
    }
    Form3->Close();
  });
  Form3->ShowModal();
  std::vector<QString> expected{"Form3"};
  for (const Row& row : rows) expected.push_back(row.window);
  EXPECT_EQ(log.opened, expected);
}

TEST_F(MainMenuTest, helpStartsOnEveryPressWhileTheMenuStaysUsable) {
  // The stand-in help program, found in the working directory, notes each start there.
  const QString stub = path(kHelpProgramName);
  writeBytes(kHelpProgramName, "#!/bin/sh\necho started >> help_runs.txt\n");
  QFile::setPermissions(stub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  OpenLog log;
  log.Watch(Form118, [](ProgramWindow*) { Click(Form118->LbSpeedButton1); });
  EXPECT_EQ(RunFromMainWindow([&] {
              Click(Form2->LbSpeedButton3);
              Click(Form2->LbSpeedButton3);
              steps.push_back(MainWindowInUse() ? "main" : "elsewhere");
              Click(Form2->LbSpeedButton7);  // the menu still answers at once
              Click(Form2->LbButton1);
            }),
            0);
  EXPECT_EQ(steps, std::vector<QString>{"main"});
  EXPECT_EQ(log.opened, std::vector<QString>{"Form118"});
  for (int i = 0; i < 200 && readBytes("help_runs.txt").count('\n') < 2; ++i) QTest::qWait(50);
  EXPECT_EQ(readBytes("help_runs.txt"), "started\nstarted\n") << "two presses, two copies";
}

TEST_F(MainMenuTest, missingHelpProgramLeavesTheMenuAsItWas) {
  ASSERT_TRUE(FindProgram(kHelpProgramName, CurrentProgramSearch()).isEmpty()) << "no help program to find here";
  EXPECT_EQ(RunFromMainWindow([&] {
              Click(Form2->LbSpeedButton3);
              steps.push_back(MainWindowInUse() && !QApplication::activeModalWidget() ? "main" : "elsewhere");
              Click(Form2->LbButton1);
            }),
            0);
  EXPECT_EQ(steps, std::vector<QString>{"main"});
}

}  // namespace
}  // namespace rova
