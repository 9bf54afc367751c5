// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/ui/teacher_window.h"

#include <QAccessible>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QTextDocument>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "made_up_class.h"
#include "teacher/class_export.h"
#include "temp_dir.h"

namespace rova::teacher {
namespace {

using testing::AddPupil;

class TeacherWindowTest : public rova::testing::InTempDir {
 protected:
  void Read(TeacherWindow& window, const QStringList& folders) {
    QSignalSpy read(&window, &TeacherWindow::ClassRead);
    window.OpenFolders(folders);
    ASSERT_TRUE(read.wait(60000));
  }
  static void Grab(QWidget& window, const QString& file) {
    window.grab().save(QDir(rova::testing::ArtifactDir()).filePath(file));
  }
};

ResultCounts Spread(TaskId id, int pupil) {
  return {(id.topic * 7 + pupil * 3) % 6, 5 + pupil % 2};
}

TEST_F(TeacherWindowTest, showsTheClassSortedWithTotalsLastFilteredAndNamedForScreenReaders) {
  const QStringList names{"jonas", "ona", "petras", "rūta", "žilvinas"};
  const QStringList surnames{"Jonaitis", "Onaitė", "Petraitis", "Rūtaitė", "Žilvinaitis"};
  for (int i = 0; i < names.size(); ++i) {
    AddPupil(path("a"), names[i], {names[i].left(1).toUpper() + names[i].mid(1), surnames[i], i < 3 ? "8a" : "8b"},
             [i](TaskId id) { return Spread(id, i); });
  }
  AddPupil(path("b"), "ona", {"Ona", "Onaitė", "8a"}, [](TaskId) { return ResultCounts{5, 5}; });
  QFile::remove(path("a/petras_3-2.dat"));

  TeacherWindow window;
  window.resize(1200, 640);
  window.show();
  Read(window, {path("a"), path("b")});
  QTableView* table = window.ClassTable();
  QAbstractItemModel* model = table->model();
  ASSERT_EQ(model->rowCount(), 6);
  ASSERT_EQ(model->columnCount(), 22);

  // Topic 3 falling: the pupils by share, the totals row still last.
  table->sortByColumn(5, Qt::DescendingOrder);
  double previous = 1000;
  for (int row = 0; row < 5; ++row) {
    const double share = model->index(row, 5).data(Qt::UserRole).toDouble();
    EXPECT_LE(share, previous);
    previous = share;
  }
  EXPECT_EQ(model->index(4, 1).data().toString(), QString("Petraitis"));  // unreadable sorts lowest
  EXPECT_EQ(model->index(4, 5).data().toString(), QString("—"));
  EXPECT_EQ(model->index(5, 0).data().toString(), QString("Iš viso"));
  table->sortByColumn(1, Qt::AscendingOrder);
  EXPECT_EQ(model->index(0, 1).data().toString(), QString("Jonaitis"));
  EXPECT_EQ(model->index(1, 0).data().toString(), QString("Ona *"));
  EXPECT_EQ(model->index(5, 0).data().toString(), QString("Iš viso"));
  // Ona, topic 1: 4 of 6 per task in a, 5 of 5 in b: 45 of 55.
  EXPECT_EQ(model->index(1, 3).data(Qt::AccessibleTextRole).toString().toStdString(),
            "Ona Onaitė, 1. Skaičiai. Skaičių dalumas: teisingai 45 iš 55 tikrintų, 81,8 %");

  Grab(window, "teacher_class_table.png");

  // Keyboard: the arrow keys walk the cells.
  table->setFocus();
  table->setCurrentIndex(model->index(0, 0));
  QTest::keyClick(table, Qt::Key_Right);
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(table->currentIndex(), model->index(1, 1));

  window.ClassFilter()->setCurrentIndex(window.ClassFilter()->findText("8b"));
  EXPECT_EQ(model->rowCount(), 3);
  window.ClassFilter()->setCurrentIndex(0);

  window.PupilChoice()->setCurrentIndex(1);
  window.Tabs()->setCurrentIndex(1);
  Grab(window, "teacher_pupil.png");
  window.TaskChoice()->setCurrentIndex(11);
  window.Tabs()->setCurrentIndex(2);
  Grab(window, "teacher_task.png");
  window.Tabs()->setCurrentIndex(3);
  Grab(window, "teacher_class_chart.png");
  auto* chart = qobject_cast<QChartView*>(window.Tabs()->currentWidget());
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->chart()->series().size(), 1);

  // The printed page, as a PDF and as a picture to look at.
  const QString html = ClassHtml(window.Overview(), PupilsOf(window.Overview(), {}), {});
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path("class.pdf"));
  PrintClass(printer, html);
  EXPECT_TRUE(readBytes("class.pdf").startsWith("%PDF-"));
  QTextDocument page;
  page.setDefaultFont(QFont("DejaVu Sans", 7));
  page.setHtml(html);
  page.setTextWidth(1100);
  QImage picture(1100, int(page.size().height()), QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  page.drawContents(&painter);
  painter.end();
  picture.save(QDir(rova::testing::ArtifactDir()).filePath("teacher_print.png"));
}

TEST_F(TeacherWindowTest, closingWhileReadingStopsTheWorkerWithoutWaitingForTheRest) {
  for (int i = 0; i < 60; ++i) {
    AddPupil(path("a"), QString("p%1").arg(i), {"P", QString::number(i), "8a"}, [](TaskId) { return ResultCounts{1, 1}; });
  }
  auto window = std::make_unique<TeacherWindow>();
  window->show();
  window->OpenFolders({path("a")});
  EXPECT_TRUE(window->IsReading());
  window.reset();  // must return: the worker stops between pupils
  SUCCEED();
}

}  // namespace
}  // namespace rova::teacher
