// SPDX-License-Identifier: GPL-3.0-or-later
// The stacking order and keyboard focus of the windows on a real X server
// without a window manager: a window shown again after later windows were
// made must still come out on top, and its owner must be named.
//
// The test starts its own Xvfb on a free display and reads the server's own
// answer (the root's children, bottom to top, and the input focus).
#include <xcb/xcb.h>

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

#include "accounts/user_store.h"
#include "app/exit_confirmation_window.h"
#include "app/startup.h"
#include "app/topic_menu_window.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "handbook/handbook_index_window.h"
#include "handbook/handbook_page_window.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "temp_dir.h"
#include "window/error_box.h"
#include "program_run.h"
#include "virtual_display.h"
#include "x_window_stack.h"
#include "window_driver.h"
#include "window/window_registry.h"

namespace rova {
namespace {

using testing::Click;
using testing::OpenLog;
using testing::RegisterJonas;
using testing::TypeText;
using testing::Connection;
using testing::FocusName;
using testing::NameOf;
using testing::ViewableStack;

// Lets the server and the program trade events until `window` is on top and
// holds the focus, for a bounded number of rounds; what is seen then.
struct Seen {
  std::string top;
  std::string focus;
  std::string owner;
};
Seen SettleOn(ProgramWindow* window) {
  Seen seen;
  for (int round = 0; round < 100; ++round) {
    QTest::qWait(10);
    const std::vector<QString> stack = ViewableStack();
    seen.top = stack.empty() ? std::string() : stack.back().toStdString();
    seen.focus = FocusName().toStdString();
    if (seen.top == window->objectName().toStdString() && seen.focus == seen.top) break;
  }
  // The owner as X has it, WM_TRANSIENT_FOR, for a window manager to read.
  xcb_connection_t* c = Connection();
  std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> owner(
      xcb_get_property_reply(
          c, xcb_get_property(c, 0, window->winId(), XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1), nullptr),
      &free);
  if (owner && xcb_get_property_value_length(owner.get()) == sizeof(xcb_window_t)) {
    seen.owner = NameOf(*static_cast<const xcb_window_t*>(xcb_get_property_value(owner.get()))).toStdString();
  }
  return seen;
}

// What the X server shows, for people to look at.
void GrabScreen(const QString& file) {
  QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(testing::ArtifactDir()).filePath(file));
}

class WindowStackTest : public testing::WithJonasAndWindows {
 protected:
  // A failed check would stop the sequence in an error box.
  ScopedErrorBoxPresenter errors_{[](QWidget*, const QString& text) { ADD_FAILURE() << text.toStdString(); }};
};

// The verdict window is made at the first check; task 1-2's window later. The
// second verdict must still come over task 1-2, the owner that opened it.
TEST_F(WindowStackTest, secondVerdictOfTopicOneComesOverTheTaskThatAsked) {
  TTaskForm* first = TaskForm({1, 1});
  TTaskForm* second = TaskForm({1, 2});
  std::vector<Seen> verdicts;
  OpenLog log;
  log.Watch(Form3, [](ProgramWindow*) {
    Click(Form3->LbSpeedButtons[0]);
    Form3->Close();
  });
  log.Watch(first, [&](ProgramWindow*) {
    for (QLineEdit* field : first->Edits) TypeText(field, "1");  // a fraction, 1/1
    Click(first->LbSpeedButton1);  // the first verdict
    Click(first->LbSpeedButton2);  // on to task 2
    first->Close();
  });
  log.Watch(second, [&](ProgramWindow*) {
    TypeText(second->Edits[0], "1");
    Click(second->LbSpeedButton1);  // the second verdict
    second->Close();
  });
  log.Watch(Form7, [&](ProgramWindow* verdict) {
    verdicts.push_back(SettleOn(verdict));
    if (verdicts.size() == 2) GrabScreen(QStringLiteral("stack_second_verdict.png"));
    Click(Form7->LbSpeedButton1);  // "Grįžti"
  });
  Form3->ShowModal();

  ASSERT_EQ(log.opened, (std::vector<QString>{"Form3", "Form5", "Form7", "Form8", "Form7"}));
  const char* owners[] = {"Form5", "Form8"};
  for (std::size_t i = 0; i < verdicts.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(verdicts[i].top, "Form7");
    EXPECT_EQ(verdicts[i].focus, "Form7");
    EXPECT_EQ(verdicts[i].owner, owners[i]);
  }
}

// The confirmation was first seen from a task window; the handbook's windows
// were made after it, and a page's "X" must still bring it over the page.
TEST_F(WindowStackTest, exitConfirmationFromAPageAfterTheTestsComesOverThePage) {
  THandbookPage* page = HandbookPageForm(1);
  std::vector<Seen> confirmations;
  std::vector<Seen> afterConfirmation;
  OpenLog log;
  log.Watch(Form3, [](ProgramWindow*) {
    Click(Form3->LbSpeedButtons[0]);
    Form3->Close();
  });
  log.Watch(TaskForm({1, 1}), [](ProgramWindow* task) { Click(static_cast<TTaskForm*>(task)->LbButton1); });
  log.Watch(Form4, [&](ProgramWindow*) {
    confirmations.push_back(SettleOn(Form4));
    if (confirmations.size() == 2) GrabScreen(QStringLiteral("stack_confirmation_over_page.png"));
    Click(Form4->LbSpeedButton1);  // "Grįžti į ankstesnį langą"
  });
  log.Watch(Form97, [&](ProgramWindow*) {
    Click(Form97->LbSpeedButtons[0]);
    // Back from the page's confirmation, the index has the focus again.
    afterConfirmation.push_back(SettleOn(Form97));
    Form97->Close();
  });
  log.Watch(page, [&](ProgramWindow*) { Click(page->LbButton1); });
  Form3->ShowModal();
  Form97->ShowModal();

  ASSERT_EQ(log.opened, (std::vector<QString>{"Form3", "Form5", "Form4", "Form97", "Form98", "Form4"}));
  ASSERT_EQ(confirmations.size(), 2u);
  EXPECT_EQ(confirmations[0].owner, "Form5");
  EXPECT_EQ(confirmations[1].top, "Form4");
  EXPECT_EQ(confirmations[1].focus, "Form4");
  EXPECT_EQ(confirmations[1].owner, "Form98");
  ASSERT_EQ(afterConfirmation.size(), 1u);
  EXPECT_EQ(afterConfirmation[0].top, "Form97");
  EXPECT_EQ(afterConfirmation[0].focus, "Form97");
}

// A hidden window gives up its native window, backing store and decoded
// figure; shown again it comes back with what was typed, its figure, at its
// place, with the focus where it was.
TEST_F(WindowStackTest, windowShownAgainKeepsItsEntriesPlaceAndFocus) {
  TTaskForm* task = TaskForm({1, 1});
  std::vector<Seen> seen;
  QPoint placeFirst;
  QPoint placeAgain;
  bool figureAgain = false;
  OpenLog log;
  log.Watch(task, [&](ProgramWindow*) {
    figureAgain = !task->findChild<QLabel*>(QStringLiteral("fig_1_1"))->pixmap().isNull();
    if (seen.empty()) {
      TypeText(task->Edits[0], "3");
      task->Edits[1]->setFocus();
      TypeText(task->Edits[1], "8");
      placeFirst = task->pos();
    } else {
      placeAgain = task->pos();
    }
    seen.push_back(SettleOn(task));
    task->Close();
  });
  task->ShowModal();
  EXPECT_EQ(task->windowHandle(), nullptr) << "nothing kept for painting while hidden";
  EXPECT_TRUE(task->findChild<QLabel*>(QStringLiteral("fig_1_1"))->pixmap().isNull());
  task->ShowModal();

  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].top, "Form5");
  EXPECT_EQ(seen[1].focus, "Form5");
  EXPECT_EQ(placeAgain, placeFirst);
  EXPECT_TRUE(figureAgain);
  EXPECT_EQ(task->Edits[0]->text(), "3");
  EXPECT_EQ(task->Edits[1]->text(), "8");
  EXPECT_EQ(task->focusWidget(), task->Edits[1]);
}

}  // namespace
}  // namespace rova

int main(int argc, char** argv) { return rova::testing::RunTestsOnVirtualDisplay(argc, argv); }
