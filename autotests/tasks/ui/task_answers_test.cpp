// SPDX-License-Identifier: GPL-3.0-or-later
// Every task window takes its right answer and refuses a wrong one, counting
// both in the pupil's result file.
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "controls/check_radio.h"
#include "controls/lb_speed_button.h"
#include "task_case.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "window_driver.h"
#include "window/window_registry.h"

namespace rova::testing {

void TaskAnswersTest::SetUp() {
  InTempDir::SetUp();
  CreateWindows();
}

void TaskAnswersTest::TearDown() {
  DestroyRegisteredWindows();
  InTempDir::TearDown();
}

namespace {

// Types the entry into empty fields, or clicks the named radio button.
void Enter(TTaskForm* window, const QStringList& entry) {
  for (QLineEdit* edit : window->Edits) edit->clear();
  if (!window->RadioButtons.isEmpty()) {
    for (TAMRadioButton* radio : window->RadioButtons) {
      if (radio->objectName() == entry.value(0)) Click(radio);
    }
    return;
  }
  for (qsizetype i = 0; i < entry.size() && i < window->Edits.size(); ++i) TypeText(window->Edits[i], entry[i]);
}

TEST_P(TaskAnswersTest, rightEntryIsCountedRightAndWrongEntryWrong) {
  const TaskCase& c = GetParam();
  writeBytes("temp.dat", "jonas\r\n");
  const QString resultFile = QStringLiteral("jonas_%1-%2.dat").arg(c.topic).arg(c.task);
  writeBytes(resultFile, "0\r\n0\r\n");

  auto* window = qobject_cast<TTaskForm*>(FindWindow(QString::fromLatin1(c.window)));
  ASSERT_NE(window, nullptr) << c.window;
  window->EnsureContents();

  // Field lengths, and the radio buttons of a choice task.
  ASSERT_EQ(window->Edits.size(), c.maxLengths.size());
  for (qsizetype i = 0; i < c.maxLengths.size(); ++i) EXPECT_EQ(window->Edits[i]->maxLength(), c.maxLengths[i]);
  if (c.maxLengths.isEmpty()) {
    EXPECT_GE(window->RadioButtons.size(), 2);
  }
  EXPECT_EQ(window->LbSpeedButton3 != nullptr, c.task > 1) << "Buvęs uždavinys";
  EXPECT_EQ(window->LbSpeedButton2 != nullptr, c.task < 5) << "Sekantis uždavinys";

  std::vector<QString> verdicts;
  OpenLog log;
  for (MessageWindow* verdict : {static_cast<MessageWindow*>(Form6), static_cast<MessageWindow*>(Form7)}) {
    log.Watch(verdict, [&verdicts](ProgramWindow* shown) {
      auto* form = static_cast<MessageWindow*>(shown);
      verdicts.push_back(form->Label1->text());
      Click(form->LbSpeedButton1);
    });
  }
  QByteArray afterRight, afterWrong;
  Later([&] {
    Enter(window, c.right);
    Click(window->LbSpeedButton1);
    afterRight = readBytes(resultFile);
    Enter(window, c.wrong);
    Click(window->LbSpeedButton1);
    afterWrong = readBytes(resultFile);
    window->Close();
  });
  window->ShowModal();

  EXPECT_EQ(verdicts, (std::vector<QString>{" ATSAKYMAS TEISINGAS!!!", "ATSAKYMAS NETEISINGAS!!!"}));
  EXPECT_EQ(afterRight, QByteArray("1\r\n1\r\n"));
  EXPECT_EQ(afterWrong, QByteArray("1\r\n2\r\n"));
}

}  // namespace
}  // namespace rova::testing
