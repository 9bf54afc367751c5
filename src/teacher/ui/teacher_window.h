// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <atomic>
#include <memory>

#include "teacher/class_overview.h"

class QChartView;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QTabWidget;
class QTableView;
class QThread;
class QPagedPaintDevice;

namespace rova::teacher {

class ClassTableModel;
class ClassTableSorter;
class CountsTableModel;

// Prints the page of the class table (ClassHtml) across landscape pages, on
// a printer or into a PDF.
void PrintClass(QPagedPaintDevice& device, const QString& html);

// The class table's legend: the topics by number, and what "*", the totals
// and the class average mean.
QString TableLegend();

// "ROVA 2004 – mokytojo suvestinė": the class table, a pupil's and a task's
// details, the charts and the notes, over folders read in a worker thread.
class TeacherWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit TeacherWindow(QWidget* parent = nullptr);
  ~TeacherWindow() override;

  // Reads these folders afresh (in the background); the window stays usable.
  void OpenFolders(const QStringList& folders);
  void ShowProblem(const QString& problem);
  bool IsReading() const { return worker_ != nullptr; }
  const ClassOverview& Overview() const { return *overview_; }

  QTableView* ClassTable() const { return table_; }
  QComboBox* ClassFilter() const { return classFilter_; }
  QComboBox* PupilChoice() const { return pupilChoice_; }
  QComboBox* TaskChoice() const { return taskChoice_; }
  QTabWidget* Tabs() const { return tabs_; }
  QProgressBar* Progress() const { return progress_; }

 signals:
  void ClassRead();

 private:
  void AddFolder();
  void Export();
  void Print();
  void SavePdf();
  void StopReading();
  void Show(std::shared_ptr<ClassOverview> overview, int reading);
  void ShowClass();
  void ShowPupil();
  void ShowTask();
  void FitSummaryColumn();
  std::vector<const Pupil*> Chosen() const;
  // Every folder read or being read: no export goes into one of them.
  QStringList DataFolders() const;
  bool SeveralFolders() const { return overview_->folders.size() > 1; }

  QStringList folders_;
  std::shared_ptr<ClassOverview> overview_;
  QThread* worker_ = nullptr;
  std::atomic<bool> stop_{false};
  int reading_ = 0;  // which OpenFolders a finished reading belongs to

  QTabWidget* tabs_;
  QComboBox* classFilter_;
  QTableView* table_;
  ClassTableModel* model_;
  ClassTableSorter* sorter_;
  QComboBox* pupilChoice_;
  QTableView* pupilTable_;
  CountsTableModel* pupilTasks_;
  QChartView* pupilChart_;
  QComboBox* taskChoice_;
  QTableView* taskTable_;
  CountsTableModel* taskPupils_;
  QChartView* classChart_;
  QPlainTextEdit* notes_;
  QLabel* legend_;
  QLabel* status_;
  QProgressBar* progress_;
};

}  // namespace rova::teacher
