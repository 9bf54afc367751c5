// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing a pupil has to read in a task window or a verdict is cut off.
#include <QLabel>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "window/window_registry.h"

namespace rova {
namespace {

class TaskWindowLabelsTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateWindows(); }
  void TearDown() override { DestroyRegisteredWindows(); }
};

TEST_F(TaskWindowLabelsTest, statementAndAnswerLabelsStayInsideTheirGroups) {
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    for (int task = 1; task <= kTasksPerTopic; ++task) {
      TTaskForm* window = TaskForm({topic, task});
      window->EnsureContents();
      for (QLabel* label : window->StatementLabels + window->AnswerLabels) {
        const QWidget* group = label->parentWidget();
        EXPECT_LE(label->geometry().right(), group->width() - 3)
            << topic << "-" << task << ": " << label->text().toStdString();
      }
    }
  }
  for (MessageWindow* verdict : {static_cast<MessageWindow*>(Form6), static_cast<MessageWindow*>(Form7)}) {
    verdict->EnsureContents();
    EXPECT_LE(verdict->Label1->fontMetrics().horizontalAdvance(verdict->Label1->text()), 284);
  }
}

}  // namespace
}  // namespace rova
