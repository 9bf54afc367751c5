// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every task window and both verdict windows into PNGs for people to
// look at.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "controls/colored_group_box.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "window/window_look.h"
#include "window/window_registry.h"
#include "temp_dir.h"

namespace rova {
namespace {

class TaskWindowContactSheetTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateWindows(); }
  void TearDown() override { DestroyRegisteredWindows(); }

  // Controls paint only while they are on the screen.
  static QImage Grab(QWidget* window) {
    window->show();
    QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    window->hide();
    return image;
  }
};

TEST_F(TaskWindowContactSheetTest, contactSheetPerTopic) {
  const QDir artifacts(rova::testing::ArtifactDir());
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    QImage sheet(2 * kMainWindowWidth + 8, 3 * kMainWindowHeight + 8, QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    QPainter painter(&sheet);
    for (int task = 1; task <= kTasksPerTopic; ++task) {
      TTaskForm* window = TaskForm({topic, task});
      ASSERT_NE(window, nullptr);
      window->EnsureContents();
      const QImage image = Grab(window);
      ASSERT_EQ(image.size(), QSize(kMainWindowWidth, kMainWindowHeight));
      image.save(artifacts.filePath(QStringLiteral("task_%1_%2.png").arg(topic).arg(task)));
      const int column = (task - 1) % 2, row = (task - 1) / 2;
      painter.drawImage(column * (kMainWindowWidth + 8), row * (kMainWindowHeight + 4), image);
    }
    painter.end();
    sheet.save(artifacts.filePath(QStringLiteral("tasks_topic_%1.png").arg(topic, 2, 10, QLatin1Char('0'))));
  }
  Form6->EnsureContents();
  Form7->EnsureContents();
  const QImage right = Grab(Form6);
  const QImage wrong = Grab(Form7);
  ASSERT_EQ(right.size(), QSize(291, 115));
  QImage verdicts(2 * 291 + 8, 115, QImage::Format_RGB32);
  verdicts.fill(Qt::darkGray);
  QPainter painter(&verdicts);
  painter.drawImage(0, 0, right);
  painter.drawImage(291 + 8, 0, wrong);
  painter.end();
  verdicts.save(artifacts.filePath(QStringLiteral("verdicts.png")));
}

}  // namespace
}  // namespace rova
