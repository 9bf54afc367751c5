// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "teacher/class_overview.h"

namespace rova::teacher {

// The class table: one row per pupil and a last row of the class's totals;
// the name, surname and class, one column per topic, then the pupil's total.
class ClassTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kFirstTopicColumn = 3;
  static constexpr int kTotalColumn = kFirstTopicColumn + kTopicCount;
  static constexpr int kSortRole = Qt::UserRole;
  static constexpr int kTotalsRowRole = Qt::UserRole + 1;

  using QAbstractTableModel::QAbstractTableModel;

  void SetPupils(std::vector<const Pupil*> pupils);
  const Pupil* PupilAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  Totals TotalsAt(int row, int column) const;
  QString ProblemAt(int row, int column) const;

  std::vector<const Pupil*> pupils_;
};

// Sorts by any column and keeps the totals row last either way.
class ClassTableSorter : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

// The colour of a share: red at 0 %, yellow at 50 %, green at 100 %.
QColor ShareColour(double percent);

}  // namespace rova::teacher
