// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/ui/class_table_model.h"

#include <QColor>
#include <QFont>

#include "teacher/class_export.h"

namespace rova::teacher {

namespace {

QString FullName(const Pupil& pupil) {
  return Printable(QStringLiteral("%1 %2").arg(pupil.firstName, pupil.surname).trimmed());
}

}  // namespace

QColor ShareColour(double percent) {
  const double share = qBound(0.0, percent / 100.0, 1.0);
  return QColor::fromHsvF(static_cast<float>(share / 3.0), 0.45f, 0.97f);
}

void ClassTableModel::SetPupils(std::vector<const Pupil*> pupils) {
  beginResetModel();
  pupils_ = std::move(pupils);
  endResetModel();
}

const Pupil* ClassTableModel::PupilAt(int row) const {
  return row >= 0 && row < static_cast<int>(pupils_.size()) ? pupils_[row] : nullptr;
}

int ClassTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(pupils_.size()) + 1;
}

int ClassTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kTotalColumn + 1;
}

Totals ClassTableModel::TotalsAt(int row, int column) const {
  const Pupil* pupil = PupilAt(row);
  if (column == kTotalColumn) return pupil ? PupilTotals(*pupil) : ClassTotals(pupils_);
  const int topic = column - kFirstTopicColumn + 1;
  return pupil ? TopicTotals(*pupil, topic) : ClassTopicTotals(pupils_, topic);
}

QString ClassTableModel::ProblemAt(int row, int column) const {
  const auto problemsOf = [&](const Pupil& pupil) {
    return column == kTotalColumn
               ? TotalsProblem(pupil, 0, kTaskCount)
               : TotalsProblem(pupil, (column - kFirstTopicColumn) * kTasksPerTopic, kTasksPerTopic);
  };
  if (const Pupil* pupil = PupilAt(row)) return problemsOf(*pupil);
  QStringList problems;
  for (const Pupil* pupil : pupils_) {
    if (const QString p = problemsOf(*pupil); !p.isEmpty()) problems << p;
  }
  return problems.join(QLatin1Char('\n'));
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row();
  const int column = index.column();
  const Pupil* pupil = PupilAt(row);
  if (role == kTotalsRowRole) return pupil == nullptr;

  if (column < kFirstTopicColumn) {
    QString text;
    if (pupil) {
      text = column == 0   ? Printable(pupil->firstName)
             : column == 1 ? Printable(pupil->surname)
                           : Printable(pupil->schoolClass);
      if (column == 0 && text.isEmpty()) text = Printable(pupil->userName);
      if (column == 0 && pupil->merged()) text += QStringLiteral(" *");
    } else if (column == 0) {
      text = QStringLiteral("Iš viso");
    }
    switch (role) {
      case Qt::DisplayRole:
      case kSortRole:
        return text;
      case Qt::AccessibleTextRole:
        return text.isEmpty() ? QStringLiteral("tuščia") : text;
      case Qt::ToolTipRole: {
        if (!pupil) return {};
        QStringList tips{QStringLiteral("Vartotojo vardas: %1").arg(Printable(pupil->userName))};
        if (pupil->merged()) {
          tips << QStringLiteral("Rastas keliuose aplankuose, skaičiai sudėti: %1")
                      .arg(pupil->folders.join(QStringLiteral(", ")));
        }
        if (!pupil->profileProblem.isEmpty()) tips << pupil->profileProblem;
        return tips.join(QLatin1Char('\n'));
      }
      case Qt::FontRole:
        if (!pupil) {
          QFont bold;
          bold.setBold(true);
          return bold;
        }
        return {};
      default:
        return {};
    }
  }

  const Totals totals = TotalsAt(row, column);
  // A share below 0 stands for none (no check made, or a file unreadable).
  const double share = totals.unreadable > 0 ? -1.0 : SharePercent(totals.counts).value_or(-1.0);
  switch (role) {
    case Qt::DisplayRole:
      return totals.unreadable > 0 ? CountsText(totals)
                                   : CountsText(totals) + QLatin1Char('\n') + ShareText(totals);
    case kSortRole:
      return totals.unreadable > 0 ? -2.0 : share;
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      if (totals.unreadable > 0) return QColor(Qt::lightGray);
      return share >= 0 ? QVariant(ShareColour(share)) : QVariant();
    case Qt::ToolTipRole: {
      const QString what = column == kTotalColumn ? QStringLiteral("Visos temos") : TopicMenuText(column - kFirstTopicColumn + 1);
      if (totals.unreadable > 0) {
        return QStringLiteral("%1\nNeperskaityta failų: %2\n%3").arg(what).arg(totals.unreadable).arg(ProblemAt(row, column));
      }
      return what;
    }
    case Qt::AccessibleTextRole: {
      const QString who = pupil ? FullName(*pupil) : QStringLiteral("Visa klasė");
      const QString what = column == kTotalColumn ? QStringLiteral("visos temos")
                                                  : TopicMenuText(column - kFirstTopicColumn + 1);
      if (totals.unreadable > 0) {
        return QStringLiteral("%1, %2: neperskaityta failų %3").arg(who, what).arg(totals.unreadable);
      }
      return QStringLiteral("%1, %2: teisingai %3 iš %4 tikrintų%5")
          .arg(who, what)
          .arg(totals.counts.correct)
          .arg(totals.counts.checked)
          .arg(share >= 0 ? QStringLiteral(", ") + ShareText(totals) : QString());
    }
    default:
      return {};
  }
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (role == Qt::DisplayRole) return section < static_cast<int>(pupils_.size()) ? QVariant(section + 1) : QVariant();
    return {};
  }
  const bool topic = section >= kFirstTopicColumn && section < kTotalColumn;
  if (role == Qt::DisplayRole) {
    if (topic) return QString::number(section - kFirstTopicColumn + 1);
    static const QStringList kNames{QStringLiteral("Vardas"), QStringLiteral("Pavardė"),
                                    QStringLiteral("Klasė")};
    return section == kTotalColumn ? QStringLiteral("Iš viso") : kNames.value(section);
  }
  if ((role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) && topic) {
    return TopicMenuText(section - kFirstTopicColumn + 1);
  }
  return {};
}

bool ClassTableSorter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const bool leftTotals = left.data(ClassTableModel::kTotalsRowRole).toBool();
  const bool rightTotals = right.data(ClassTableModel::kTotalsRowRole).toBool();
  if (leftTotals || rightTotals) {
    // The totals row is "greatest" when rising and "least" when falling.
    return rightTotals ? sortOrder() == Qt::AscendingOrder && !leftTotals
                       : sortOrder() == Qt::DescendingOrder;
  }
  const QVariant a = left.data(ClassTableModel::kSortRole);
  const QVariant b = right.data(ClassTableModel::kSortRole);
  if (a.typeId() == QMetaType::QString) {
    return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
  }
  return a.toDouble() < b.toDouble();
}

}  // namespace rova::teacher
