// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/ui/class_table_model.h"

#include <QColor>
#include <QFont>

#include "teacher/class_export.h"

namespace rova::teacher {

namespace {

constexpr int kTotalsRow = 1;
constexpr int kMeanRow = 2;

QString FullName(const Pupil& pupil) {
  return Printable(QStringLiteral("%1 %2").arg(pupil.firstName, pupil.surname).trimmed());
}

// The topic a figure column stands for; 0 for the total.
int TopicOf(int column) {
  return column == ClassTableModel::kTotalColumn ? 0 : column - ClassTableModel::kFirstTopicColumn + 1;
}

int SumIndex(int column) { return column - ClassTableModel::kFirstTopicColumn; }

QString ColumnTitle(int column) {
  const int topic = TopicOf(column);
  return topic == 0 ? QStringLiteral("Visos temos") : TopicMenuText(topic);
}

QFont BoldFont() {
  QFont bold;
  bold.setBold(true);
  return bold;
}

}  // namespace

QColor ShareColour(double percent) {
  const double share = qBound(0.0, percent / 100.0, 1.0);
  return QColor::fromHsvF(static_cast<float>(share / 3.0), 0.45f, 0.97f);
}

QString PlainToolTip(const QString& text) {
  if (text.isEmpty()) return {};
  return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(text.toHtmlEscaped());
}

void ClassTableModel::SetPupils(std::vector<const Pupil*> pupils) {
  beginResetModel();
  pupils_ = std::move(pupils);
  sums_ = SumClass(pupils_);
  endResetModel();
}

const Pupil* ClassTableModel::PupilAt(int row) const {
  return row >= 0 && row < static_cast<int>(pupils_.size()) ? pupils_[row] : nullptr;
}

int ClassTableModel::SummaryOf(int row) const {
  const int pupils = static_cast<int>(pupils_.size());
  return row < pupils ? 0 : row - pupils + 1;
}

int ClassTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(pupils_.size()) + 2;
}

int ClassTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kTotalColumn + 1;
}

QString ClassTableModel::ProblemAt(int row, int column) const {
  const int topic = TopicOf(column);
  const int first = topic == 0 ? 0 : (topic - 1) * kTasksPerTopic;
  const int count = topic == 0 ? kTaskCount : kTasksPerTopic;
  if (const Pupil* pupil = PupilAt(row)) return TotalsProblem(*pupil, first, count);
  Notes notes;
  for (const Pupil* pupil : pupils_) {
    for (int i = first; i < first + count; ++i) {
      if (!pupil->tasks[i].readable()) notes.Add({}, NoteKind::ResultFile, [&] { return CellProblem(*pupil, i); });
    }
  }
  return notes.Lines().join(QLatin1Char('\n'));
}

QVariant ClassTableModel::NameData(int row, int column, int role) const {
  const Pupil* pupil = PupilAt(row);
  const int summary = SummaryOf(row);
  QString text;
  if (pupil) {
    static constexpr QString Pupil::*kFields[] = {&Pupil::firstName, &Pupil::surname, &Pupil::schoolClass,
                                                  &Pupil::folder};
    text = Printable(pupil->*kFields[column]);
    if (column == 0 && text.isEmpty()) text = Printable(pupil->userName);
  } else if (column == 0) {
    text = summary == kTotalsRow ? QStringLiteral("Iš viso") : QStringLiteral("Klasės vidurkis");
  }
  switch (role) {
    case Qt::DisplayRole:
    case kSortRole:
      return text;
    case Qt::AccessibleTextRole:
      if (!pupil && column == 0) return summary == kTotalsRow ? kPooledShareLabel : kClassMeanLabel;
      return text.isEmpty() ? QStringLiteral("tuščia") : text;
    case Qt::ToolTipRole: {
      if (!pupil) return column == 0 ? PlainToolTip(summary == kTotalsRow ? kPooledShareLabel : kClassMeanLabel)
                                     : QVariant();
      QStringList tips{QStringLiteral("Vartotojo vardas: %1").arg(Printable(pupil->userName)),
                       QStringLiteral("Aplankas: %1").arg(Printable(pupil->folder))};
      if (!pupil->profileProblem.isEmpty()) tips << pupil->profileProblem;
      return PlainToolTip(tips.join(QLatin1Char('\n')));
    }
    case Qt::FontRole:
      return pupil ? QVariant() : QVariant(BoldFont());
    default:
      return {};
  }
}

QVariant ClassTableModel::MeanData(int column, int role) const {
  const MeanShare& mean = sums_.means[SumIndex(column)];
  switch (role) {
    case Qt::DisplayRole:
      return MeanText(mean);
    case kSortRole:
      return mean.percent.value_or(-1.0);
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      return mean.percent ? QVariant(ShareColour(*mean.percent)) : QVariant();
    case Qt::ToolTipRole:
      return PlainToolTip(QStringLiteral("%1\n%2\nSkaičiuota mokinių: %3%4")
                              .arg(ColumnTitle(column), kClassMeanLabel)
                              .arg(mean.pupils)
                              .arg(mean.partial ? QStringLiteral("\nKai kurių mokinių ne visi failai perskaityti")
                                                : QString()));
    case Qt::AccessibleTextRole:
      return QStringLiteral("%1, %2: %3")
          .arg(kClassMeanLabel, ColumnTitle(column),
               mean.percent ? MeanText(mean) : QStringLiteral("nėra duomenų"));
    default:
      return {};
  }
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row();
  const int column = index.column();
  const Pupil* pupil = PupilAt(row);
  const int summary = SummaryOf(row);
  if (role == kSummaryRowRole) return summary;
  if (column < kFirstTopicColumn) return NameData(row, column, role);
  if (summary == kMeanRow) return MeanData(column, role);

  const Totals& totals = pupil ? sums_.pupils[row][SumIndex(column)] : sums_.classTotals[SumIndex(column)];
  // A share below 0 stands for none (no check made, or no file readable).
  const double share = totals.nothingRead() ? -1.0 : SharePercent(totals.counts).value_or(-1.0);
  switch (role) {
    case Qt::DisplayRole:
      return totals.nothingRead() ? CountsText(totals) : CountsText(totals) + QLatin1Char('\n') + ShareText(totals);
    case kSortRole:
      return totals.nothingRead() ? -2.0 : share;
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      if (totals.nothingRead()) return QColor(Qt::lightGray);
      return share >= 0 ? QVariant(ShareColour(share)) : QVariant();
    case Qt::ToolTipRole: {
      QString tip = ColumnTitle(column);
      if (!pupil) tip += QLatin1Char('\n') + kPooledShareLabel;
      if (totals.unreadable > 0) {
        tip += QStringLiteral("\n%1Neperskaityta ar pažeista failų: %2\n%3")
                   .arg(totals.partial() ? QStringLiteral("Dalinė suma. ") : QString())
                   .arg(totals.unreadable)
                   .arg(ProblemAt(row, column));
      }
      return PlainToolTip(tip);
    }
    case Qt::AccessibleTextRole: {
      const QString who = pupil ? FullName(*pupil) : kPooledShareLabel;
      const QString what = ColumnTitle(column);
      if (totals.nothingRead()) {
        return QStringLiteral("%1, %2: neperskaityta failų %3").arg(who, what).arg(totals.unreadable);
      }
      return QStringLiteral("%1, %2: teisingai %3 iš %4 tikrintų%5%6")
          .arg(who, what)
          .arg(totals.counts.correct)
          .arg(totals.counts.checked)
          .arg(share >= 0 ? QStringLiteral(", ") + ShareText(totals) : QString())
          .arg(totals.partial() ? QStringLiteral(", dalinė suma") : QString());
    }
    default:
      return {};
  }
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) return {};
  const bool topic = section >= kFirstTopicColumn && section < kTotalColumn;
  if (role == Qt::DisplayRole) {
    if (topic) return QString::number(section - kFirstTopicColumn + 1);
    static const QStringList kNames{QStringLiteral("Vardas"), QStringLiteral("Pavardė"), QStringLiteral("Klasė"),
                                    QStringLiteral("Aplankas")};
    return section == kTotalColumn ? QStringLiteral("Iš viso") : kNames.value(section);
  }
  if ((role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) && topic) {
    return TopicMenuText(section - kFirstTopicColumn + 1);
  }
  return {};
}

CountsTableModel::CountsTableModel(QStringList labelHeaders, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(labelHeaders)) {
  headers_ << QStringLiteral("Teisingai") << QStringLiteral("Tikrinta") << QStringLiteral("%");
}

void CountsTableModel::SetRows(std::vector<Row> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int CountsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CountsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant CountsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Row& row = rows_[index.row()];
  const int column = index.column();
  const int labels = static_cast<int>(row.labels.size());
  if (role == Qt::FontRole) return row.bold ? QVariant(BoldFont()) : QVariant();
  if (role == Qt::ToolTipRole) return PlainToolTip(row.problem);
  if (column < labels) return role == Qt::DisplayRole ? QVariant(row.labels[column]) : QVariant();
  const Totals& totals = row.totals;
  const std::optional<double> share = totals.nothingRead() ? std::nullopt : SharePercent(totals.counts);
  switch (role) {
    case Qt::DisplayRole:
      if (totals.nothingRead()) return kNothingRead;
      if (column == labels) return QString::number(totals.counts.correct);
      if (column == labels + 1) {
        const QString checked = QString::number(totals.counts.checked);
        return totals.partial() ? checked + QLatin1Char(' ') + kPartialMark : checked;
      }
      return ShareText(totals);
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      if (totals.nothingRead()) return QColor(Qt::lightGray);
      return share ? QVariant(ShareColour(*share)) : QVariant();
    default:
      return {};
  }
}

QVariant CountsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return headers_.value(section);
  return {};
}

bool ClassTableSorter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const int leftSummary = left.data(ClassTableModel::kSummaryRowRole).toInt();
  const int rightSummary = right.data(ClassTableModel::kSummaryRowRole).toInt();
  if (leftSummary > 0 || rightSummary > 0) {
    // The totals, then the average, after the pupils in either order: rising,
    // they are the greatest; falling (the comparison reversed), the least.
    const bool rising = sortOrder() == Qt::AscendingOrder;
    return (rising ? leftSummary : -leftSummary) < (rising ? rightSummary : -rightSummary);
  }
  const QVariant a = left.data(ClassTableModel::kSortRole);
  const QVariant b = right.data(ClassTableModel::kSortRole);
  if (a.typeId() == QMetaType::QString) {
    return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
  }
  return a.toDouble() < b.toDouble();
}

}  // namespace rova::teacher
