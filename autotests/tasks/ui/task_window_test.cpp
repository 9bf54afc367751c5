// SPDX-License-Identifier: GPL-3.0-or-later
// The task windows' chain, keys, verdict announcement and failed checks.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/exit_confirmation_window.h"
#include "app/startup.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "temp_dir.h"
#include "window/error_box.h"
#include "window_driver.h"
#include "window/window_registry.h"

namespace rova {
namespace {

using testing::Click;
using testing::Later;
using testing::OpenLog;
using testing::TypeText;

class TaskWindowTest : public testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    CreateWindows();
    writeBytes("temp.dat", "jonas\r\n");
  }
  void TearDown() override {
    DestroyRegisteredWindows();
    InTempDir::TearDown();
  }
  static TTaskForm* Task(int topic, int task) {
    TTaskForm* window = TaskForm({topic, task});
    window->EnsureContents();
    return window;
  }
};

TEST_F(TaskWindowTest, entryStaysAfterGoingOnAndComingBack) {
  TTaskForm* first = Task(1, 1);
  TTaskForm* second = Task(1, 2);
  TTaskForm* third = Task(1, 3);
  QString afterReturn;
  OpenLog log;
  log.Watch(second, [&](ProgramWindow*) {
    TypeText(second->Edits[0], "30");
    Click(second->LbSpeedButton2);  // on to task 3, back from there
    afterReturn = second->Edits[0]->text();
    second->Close();
  });
  log.Watch(third, [&](ProgramWindow*) { Click(third->LbSpeedButton3); });
  Later([&] {
    Click(first->LbSpeedButton2);
    first->Close();
  });
  first->ShowModal();
  EXPECT_EQ(log.opened, (std::vector<QString>{"Form8", "Form9"}));
  EXPECT_EQ(afterReturn, "30");
}

TEST_F(TaskWindowTest, closeInTaskThreeLeavesTheTopicAfterGoingBackFromTheConfirmation) {
  // The window that opened the topic (the topic menu in the program).
  ProgramWindow opener;
  opener.SetClientSize(200, 100);
  TTaskForm* tasks[] = {Task(7, 1), Task(7, 2), Task(7, 3)};
  bool tasksVisibleUnderConfirmation = false;
  OpenLog log;
  log.Watch(tasks[0], [&](ProgramWindow*) {
    TypeText(tasks[0]->Edits[0], "-4");
    Click(tasks[0]->LbSpeedButton2);
  });
  log.Watch(tasks[1], [&](ProgramWindow*) { Click(tasks[1]->LbSpeedButton2); });
  log.Watch(tasks[2], [&](ProgramWindow*) { Click(tasks[2]->LbButton1); });
  log.Watch(Form4, [&](ProgramWindow*) {
    tasksVisibleUnderConfirmation =
        tasks[0]->isVisible() && tasks[1]->isVisible() && tasks[2]->isVisible();
    Click(Form4->LbSpeedButton1);  // "Grįžti į ankstesnį langą"
  });
  bool openerActiveAfterwards = false;
  Later([&] {
    tasks[0]->ShowModal();
    openerActiveAfterwards = opener.IsOpen() && !opener.IsCloseMarked();
    opener.Close();
  });
  opener.ShowModal();

  EXPECT_EQ(log.opened, (std::vector<QString>{"Form37", "Form38", "Form39", "Form4"}));
  EXPECT_TRUE(tasksVisibleUnderConfirmation);
  EXPECT_TRUE(openerActiveAfterwards);
  for (TTaskForm* task : tasks) EXPECT_FALSE(task->IsOpen()) << task->objectName().toStdString();
  EXPECT_EQ(tasks[0]->Edits[0]->text(), "-4") << "kept for the next visit";
}

TEST_F(TaskWindowTest, leavingTheProgramFromTheFifthTaskEndsItInOneStep) {
  ProgramWindow opener;  // the topic menu in the program
  opener.SetClientSize(200, 100);
  TTaskForm* tasks[] = {Task(1, 1), Task(1, 2), Task(1, 3), Task(1, 4), Task(1, 5)};
  OpenLog log;
  for (TTaskForm* task : tasks) {
    log.Watch(task, [task](ProgramWindow*) {
      if (task->LbSpeedButton2) {
        Click(task->LbSpeedButton2);
      } else {
        Click(task->LbButton1);
      }
    });
  }
  log.Watch(Form4, [](ProgramWindow*) { Click(Form4->LbSpeedButton2); });  // "Išeiti iš programos"
  Later([&] { opener.ShowModal(); });
  Later([&] { tasks[0]->ShowModal(); });
  QCoreApplication::exec();

  EXPECT_TRUE(ProgramWindow::IsProgramEnding());
  EXPECT_EQ(log.opened, (std::vector<QString>{"Form5", "Form8", "Form9", "Form10", "Form11", "Form4"}));
}

TEST_F(TaskWindowTest, enterChecksAndEscapeOrEnterClosesTheVerdict) {
  writeBytes("jonas_1-2.dat", "0\r\n0\r\n");
  TTaskForm* window = Task(1, 2);
  OpenLog log;
  log.Watch(Form6, [](ProgramWindow* verdict) { QTest::keyClick(verdict, Qt::Key_Escape); });
  log.Watch(Form7, [](ProgramWindow* verdict) { QTest::keyClick(verdict, Qt::Key_Return); });
  Later([&] {
    EXPECT_EQ(window->focusWidget(), window->Edits[0]) << "typing goes to the answer";
    TypeText(window->Edits[0], "30");
    QTest::keyClick(window->Edits[0], Qt::Key_Return);
    window->Edits[0]->clear();
    TypeText(window->Edits[0], "31");
    QTest::keyClick(window->Edits[0], Qt::Key_Enter);
    window->Close();
  });
  window->ShowModal();

  EXPECT_EQ(log.opened, (std::vector<QString>{"Form6", "Form7"}));
  EXPECT_FALSE(Form6->IsOpen());
  EXPECT_FALSE(Form7->IsOpen());
  // What a screen reader reads out when the window announces itself.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form6->Label1)->text(QAccessible::Name), "ATSAKYMAS TEISINGAS!!!");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form7->Label1)->text(QAccessible::Name), "ATSAKYMAS NETEISINGAS!!!");
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("1\r\n2\r\n"));
}

// 2.9 for 2,9 is told how decimal fractions are written and not counted;
// 2.8 is as wrong with a comma as with a point, and counts as wrong.
TEST_F(TaskWindowTest, decimalPointInARightAnswerIsExplainedNotCounted) {
  writeBytes("jonas_3-5.dat", "0\r\n0\r\n");
  TTaskForm* window = Task(3, 5);
  OpenLog log;
  QStringList noticed;
  log.Watch(DecimalCommaNotice, [&noticed](ProgramWindow* shown) {
    for (QLabel* line : static_cast<MessageWindow*>(shown)->Lines()) noticed << line->text();
    QTest::keyClick(shown, Qt::Key_Return);
  });
  log.Watch(Form7, [](ProgramWindow* verdict) { verdict->Close(); });
  QByteArray afterPoint;
  Later([&] {
    TypeText(window->Edits[0], "2.9");
    QTest::keyClick(window->Edits[0], Qt::Key_Return);
    afterPoint = readBytes("jonas_3-5.dat");
    EXPECT_EQ(window->Edits[0]->text(), "2.9") << "the pupil mends the entry";
    window->Edits[0]->clear();
    TypeText(window->Edits[0], "2.8");
    Click(window->LbSpeedButton1);
    window->Close();
  });
  window->ShowModal();

  EXPECT_EQ(log.opened, (std::vector<QString>{"DecimalCommaNotice", "Form7"}));
  EXPECT_EQ(noticed, (QStringList{"Dešimtainės trupmenos rašomos su kableliu:",
                                  "parašykite 2,9 ir patikrinkite dar kartą.",
                                  "Šis patikrinimas statistikoje neskaičiuojamas."}));
  EXPECT_EQ(afterPoint, QByteArray("0\r\n0\r\n"));
  EXPECT_EQ(readBytes("jonas_3-5.dat"), QByteArray("0\r\n1\r\n"));
}

TEST_F(TaskWindowTest, failedCheckShowsStopBoxCountsNothingAndLeavesWindowUsable) {
  TTaskForm* text = Task(1, 2);
  TTaskForm* fraction = Task(1, 1);
  writeBytes("jonas_1-1.dat", "0\r\n0\r\n");
  QFile::remove(path("temp.dat"));
  std::vector<std::pair<QWidget*, QString>> errors;
  ScopedErrorBoxPresenter presenter([&](QWidget* window, const QString& message) {
    errors.emplace_back(window, message);
  });
  OpenLog log;
  log.Watch(Form6, [](ProgramWindow* verdict) { verdict->Close(); });
  log.Watch(Form7, [](ProgramWindow* verdict) { verdict->Close(); });

  Later([&] {
    TypeText(text->Edits[0], "30");
    Click(text->LbSpeedButton1);  // no session file
    EXPECT_TRUE(text->IsOpen());
    EXPECT_FALSE(text->IsCloseMarked());
    EXPECT_EQ(text->Edits[0]->text(), "30");
    writeBytes("temp.dat", "jonas\r\n");
    Click(text->LbSpeedButton1);  // no result file
    writeBytes("jonas_1-2.dat", "0\r\n0\r\n");
    Click(text->LbSpeedButton1);  // now it counts
    text->Close();
  });
  text->ShowModal();

  Later([&] {
    TypeText(fraction->Edits[1], "4");
    Click(fraction->LbSpeedButton1);  // empty numerator
    TypeText(fraction->Edits[0], "1");
    fraction->Edits[1]->setText("0");
    Click(fraction->LbSpeedButton1);  // division by zero
    fraction->Close();
  });
  fraction->ShowModal();

  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0], std::make_pair(static_cast<QWidget*>(text), QString("File not found.")));
  EXPECT_EQ(errors[1], std::make_pair(static_cast<QWidget*>(text), QString("File not found.")));
  EXPECT_EQ(errors[2], std::make_pair(static_cast<QWidget*>(fraction),
                                      QString("'' is not a valid floating point value.")));
  EXPECT_EQ(errors[3].second, "Floating point division by zero.");
  EXPECT_EQ(log.opened, std::vector<QString>{"Form6"});
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("1\r\n1\r\n"));
  EXPECT_EQ(readBytes("jonas_1-1.dat"), QByteArray("0\r\n0\r\n"));
}

}  // namespace
}  // namespace rova
