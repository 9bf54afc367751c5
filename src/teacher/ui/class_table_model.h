// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <array>
#include <vector>

#include "teacher/class_overview.h"

namespace rova::teacher {

// The class table: one row per pupil, then the class's totals and the class
// average; the name, surname, class and folder, one column per topic, then
// the pupil's total. The sums are made once per SetPupils, so that a
// district's ten thousand rows sort and scroll without summing again.
class ClassTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kFolderColumn = 3;
  static constexpr int kFirstTopicColumn = 4;
  static constexpr int kTotalColumn = kFirstTopicColumn + kTopicCount;
  static constexpr int kSortRole = Qt::UserRole;
  // 0 for a pupil's row, 1 for the totals, 2 for the class average.
  static constexpr int kSummaryRowRole = Qt::UserRole + 1;

  using QAbstractTableModel::QAbstractTableModel;

  void SetPupils(std::vector<const Pupil*> pupils);
  const Pupil* PupilAt(int row) const;
  const std::vector<const Pupil*>& Pupils() const { return pupils_; }
  const ClassSums& Sums() const { return sums_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  int SummaryOf(int row) const;
  QVariant NameData(int row, int column, int role) const;
  QVariant MeanData(int column, int role) const;
  QString ProblemAt(int row, int column) const;

  std::vector<const Pupil*> pupils_;
  ClassSums sums_;
};

// Sorts by any column and keeps the totals and the average last either way.
class ClassTableSorter : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

// A table of counts: some columns of labels, then right, checked and the
// share, coloured; "—" where nothing could be read, "*" after a partial sum,
// the reason in the tool tip. A model, so that a task's row for each of ten
// thousand pupils costs no widget per cell.
class CountsTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  struct Row {
    QStringList labels;
    Totals totals;
    QString problem;
    bool bold = false;
  };

  CountsTableModel(QStringList labelHeaders, QObject* parent);
  void SetRows(std::vector<Row> rows);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList headers_;
  std::vector<Row> rows_;
};

// The colour of a share: red at 0 %, yellow at 50 %, green at 100 %.
QColor ShareColour(double percent);

// A tool tip that shows `text` as it is: Qt would render a tool tip that
// looks like HTML, and a pupil's name or file name may.
QString PlainToolTip(const QString& text);

}  // namespace rova::teacher
