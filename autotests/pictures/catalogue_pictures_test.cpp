// SPDX-License-Identifier: GPL-3.0-or-later
// The task layouts' figures and the picture list must agree: a task window
// asks for its figures by name and shows them at the list's size.
#include <QSet>
#include <gtest/gtest.h>

#include "pictures/picture_list.h"
#include "tasks/task_layout.h"

namespace rova {
namespace {

// "fig_9_3a at 54,48" for each figure of a task, in the layout's order.
QStringList Places(TaskId id) {
  QStringList places;
  for (const PicturePiece& f : LayoutOf(id).figures) {
    places.append(QStringLiteral("%1 at %2,%3").arg(f.pictureName).arg(f.x).arg(f.y));
  }
  return places;
}

TEST(TaskFigures, areNamedByTaskAndPlacedAsDrawn) {
  int figures = 0;
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    for (int task = 1; task <= kTasksPerTopic; ++task) {
      for (const PicturePiece& f : LayoutOf({topic, task}).figures) {
        ++figures;
        EXPECT_TRUE(f.pictureName.startsWith(QStringLiteral("fig_%1_%2").arg(topic).arg(task)))
            << f.pictureName.toStdString();
      }
    }
  }
  EXPECT_EQ(figures, 40);
  EXPECT_EQ(Places({1, 1}), QStringList{"fig_1_1 at 108,80"});
  EXPECT_EQ(Places({9, 3}), (QStringList{"fig_9_3a at 54,48", "fig_9_3b at 168,48", "fig_9_3c at 56,144",
                                         "fig_9_3d at 168,146"}));
  EXPECT_TRUE(Places({15, 2}).isEmpty());
}

TEST(TaskFigures, everyFigurePictureIsListedAndUsedByATask) {
  QSet<QString> used;
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    for (int task = 1; task <= kTasksPerTopic; ++task) {
      for (const PicturePiece& f : LayoutOf({topic, task}).figures) {
        used.insert(f.pictureName);
        EXPECT_NE(FindPicture(f.pictureName.toLatin1().constData()), nullptr)
            << "task " << topic << "-" << task << " wants " << f.pictureName.toStdString();
      }
    }
  }
  for (const PictureInfo& info : AllPictures()) {
    const QString name = QLatin1String(info.name);
    if (name.startsWith(QStringLiteral("fig_"))) {
      EXPECT_TRUE(used.contains(name)) << info.name;
    }
  }
}

// The statement group is 321 x 265, or 313 wide in the fraction tasks; a
// figure is as large as the picture list says.
TEST(TaskFigures, everyFigureLiesInsideItsStatementGroup) {
  const QSet<QPair<int, int>> narrow = {{1, 1}, {3, 1}, {4, 1}, {18, 5}};
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    for (int task = 1; task <= kTasksPerTopic; ++task) {
      const int groupWidth = narrow.contains({topic, task}) ? 313 : 321;
      for (const PicturePiece& f : LayoutOf({topic, task}).figures) {
        const PictureInfo* info = FindPicture(f.pictureName.toLatin1().constData());
        ASSERT_NE(info, nullptr) << f.pictureName.toStdString();
        EXPECT_TRUE(f.x >= 0 && f.y >= 0 && f.x + info->width <= groupWidth && f.y + info->height <= 265)
            << f.pictureName.toStdString() << " at " << f.x << "," << f.y;
      }
    }
  }
}

}  // namespace
}  // namespace rova
