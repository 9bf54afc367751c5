// The task catalogue and the picture list must agree: a task window asks
// for its figures by name and lays them out at the catalogue's size.
#include <QSet>
#include <gtest/gtest.h>

#include "pictures/picture_list.h"
#include "course/task_catalogue.h"

namespace rova {
namespace {

TEST(CataloguePictures, EveryCatalogueFigureIsAListedPictureOfTheSameSize) {
  int figures = 0;
  for (const TaskRow& row : TaskCatalogue()) {
    for (const StatementFigure& f : row.figures) {
      ++figures;
      const QByteArray name = f.pictureName.toLatin1();
      const PictureInfo* info = FindPicture(name.constData());
      ASSERT_NE(info, nullptr) << "task " << row.id.topic << "-" << row.id.task << " wants " << name.constData();
      EXPECT_EQ(info->width, f.width) << name.constData();
      EXPECT_EQ(info->height, f.height) << name.constData();
    }
  }
  EXPECT_EQ(figures, 40);
}

TEST(CataloguePictures, EveryFigurePictureIsUsedByATask) {
  QSet<QString> used;
  for (const TaskRow& row : TaskCatalogue()) {
    for (const StatementFigure& f : row.figures) used.insert(f.pictureName);
  }
  for (const PictureInfo& info : AllPictures()) {
    const QString name = QLatin1String(info.name);
    if (name.startsWith(QStringLiteral("fig_"))) {
      EXPECT_TRUE(used.contains(name)) << info.name;
    }
  }
}

// The statement group is 321 x 265, or 313 wide in the fraction tasks.
TEST(CataloguePictures, EveryFigureLiesInsideItsStatementGroup) {
  const QSet<QPair<int, int>> narrow = {{1, 1}, {3, 1}, {4, 1}, {18, 5}};
  for (const TaskRow& row : TaskCatalogue()) {
    const int groupWidth = narrow.contains({row.id.topic, row.id.task}) ? 313 : 321;
    for (const StatementFigure& f : row.figures) {
      EXPECT_TRUE(f.left >= 0 && f.top >= 0 && f.left + f.width <= groupWidth &&
                  f.top + f.height <= 265)
          << f.pictureName.toStdString() << " at " << f.left << "," << f.top;
    }
  }
}

}  // namespace
}  // namespace rova
