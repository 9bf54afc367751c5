// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/ui/teacher_window.h"

#include <QAccessible>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLegendMarker>
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
  // Six pupils (an Ona in each folder), the totals and the class average.
  ASSERT_EQ(model->rowCount(), 8);
  ASSERT_EQ(model->columnCount(), 23);
  EXPECT_FALSE(table->isColumnHidden(3));  // the folder, as two are read

  // Topic 3 falling: the pupils by share, the totals and the average still last.
  table->sortByColumn(6, Qt::DescendingOrder);
  double previous = 1000;
  for (int row = 0; row < 6; ++row) {
    const double share = model->index(row, 6).data(Qt::UserRole).toDouble();
    EXPECT_LE(share, previous);
    previous = share;
    // Petras's topic 3 without its task 2: over the other four, marked.
    if (model->index(row, 1).data().toString() == "Petraitis") {
      EXPECT_TRUE(model->index(row, 6).data().toString().section('\n', 0, 0).endsWith(" *"));
    }
  }
  EXPECT_EQ(model->index(6, 0).data().toString(), QString("Iš viso"));
  EXPECT_EQ(model->index(7, 0).data().toString(), QString("Klasės vidurkis"));
  table->sortByColumn(1, Qt::AscendingOrder);
  EXPECT_EQ(model->index(0, 1).data().toString(), QString("Jonaitis"));
  EXPECT_EQ(model->index(7, 0).data().toString(), QString("Klasės vidurkis"));
  // The two Onas, each with her own folder and counts: 4 of 6 per task in
  // topic 1 in a, 5 of 5 in b.
  QStringList onas;
  for (int row = 1; row <= 2; ++row) {
    onas << model->index(row, 3).data().toString() + " " + model->index(row, 4).data(Qt::AccessibleTextRole).toString();
  }
  onas.sort();
  EXPECT_EQ(onas, (QStringList{path("a") + " Ona Onaitė, 1. Skaičiai. Skaičių dalumas: teisingai 20 iš 30 tikrintų, 66,7 %",
                               path("b") + " Ona Onaitė, 1. Skaičiai. Skaičių dalumas: teisingai 25 iš 25 tikrintų, 100,0 %"}));

  Grab(window, "teacher_class_table.png");

  // Keyboard: the arrow keys walk the cells.
  table->setFocus();
  table->setCurrentIndex(model->index(0, 0));
  QTest::keyClick(table, Qt::Key_Right);
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(table->currentIndex(), model->index(1, 1));

  window.ClassFilter()->setCurrentIndex(window.ClassFilter()->findText("8b"));
  EXPECT_EQ(model->rowCount(), 4);
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

// What plain text looks like once Qt has rendered it as rich text.
QString Rendered(const QString& richText) {
  QTextDocument document;
  document.setHtml(richText);
  return document.toPlainText();
}

TEST_F(TeacherWindowTest, aPupilsTextsShowAsTypedAndTopicsWithoutDataOrWithNothingRightAreLabelled) {
  // Topic 1 never checked, topic 2 checked with nothing right.
  AddPupil(path("a"), "ona<b>", {"<b>Ona</b>", "<img src=x>", "8a"}, [](TaskId id) {
    return id.topic == 1 ? ResultCounts{0, 0} : id.topic == 2 ? ResultCounts{0, 3} : ResultCounts{1, 1};
  });
  TeacherWindow window;
  window.resize(1200, 640);
  window.show();
  Read(window, {path("a")});
  QAbstractItemModel* model = window.ClassTable()->model();
  EXPECT_EQ(model->index(0, 0).data().toString(), QString("<b>Ona</b>"));
  EXPECT_EQ(Rendered(model->index(0, 0).data(Qt::ToolTipRole).toString()),
            "Vartotojo vardas: ona<b>\nAplankas: " + path("a"));
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().contains(path("a"))) {
      EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
  }

  window.Tabs()->setCurrentIndex(1);
  auto* view = window.Tabs()->currentWidget()->findChild<QChartView*>();
  ASSERT_NE(view, nullptr);
  QChart* chart = view->chart();
  EXPECT_EQ(Rendered(chart->title()), QString("<b>Ona</b> <img src=x> ir klasės vidurkis"));
  ASSERT_EQ(chart->legend()->markers().size(), 2);
  EXPECT_EQ(Rendered(chart->legend()->markers()[0]->label()), QString("<b>Ona</b> <img src=x>"));
  QStringList labels;
  for (QGraphicsItem* item : chart->childItems()) {
    if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item)) labels << text->text();
  }
  labels.sort();
  // Over topics 1 and 2, for Ona and for the class average (Ona alone).
  EXPECT_EQ(labels, (QStringList{"0 %", "0 %", "nėra duomenų", "nėra duomenų"}));
  Grab(window, "teacher_pupil_as_typed.png");
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
