// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/ui/teacher_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QValueAxis>

namespace rova::teacher {

namespace {

// A topic with nothing checked, or a file that could not be read, has no bar.
double BarValue(const Totals& totals) {
  if (totals.unreadable > 0) return 0.0;
  return qBound(0.0, SharePercent(totals.counts).value_or(0.0), 100.0);
}

QChart* TopicChart(const QString& title, const std::vector<QBarSet*>& sets) {
  auto* chart = new QChart;
  chart->setTitle(title);
  auto* series = new QBarSeries;
  for (QBarSet* set : sets) series->append(set);
  chart->addSeries(series);
  auto* topics = new QBarCategoryAxis;
  for (int topic = 1; topic <= kTopicCount; ++topic) topics->append(QString::number(topic));
  topics->setTitleText(QStringLiteral("Tema"));
  chart->addAxis(topics, Qt::AlignBottom);
  series->attachAxis(topics);
  auto* share = new QValueAxis;
  share->setRange(0, 100);
  share->setLabelFormat(QStringLiteral("%d %%"));
  share->setTitleText(QStringLiteral("Teisingai, %"));
  chart->addAxis(share, Qt::AlignLeft);
  series->attachAxis(share);
  chart->legend()->setVisible(sets.size() > 1);
  chart->legend()->setAlignment(Qt::AlignBottom);
  return chart;
}

QBarSet* ClassSet(const std::vector<const Pupil*>& pupils, const QString& label) {
  auto* set = new QBarSet(label);
  for (int topic = 1; topic <= kTopicCount; ++topic) set->append(BarValue(ClassTopicTotals(pupils, topic)));
  return set;
}

}  // namespace

QChart* ClassTopicChart(const std::vector<const Pupil*>& pupils) {
  QBarSet* set = ClassSet(pupils, QStringLiteral("Klasė"));
  set->setColor(QColor(0x3f, 0x7f, 0xbf));
  return TopicChart(QStringLiteral("Klasės sėkmė pagal temas"), {set});
}

QChart* PupilTopicChart(const Pupil& pupil, const std::vector<const Pupil*>& pupils) {
  const QString name =
      Printable(QStringLiteral("%1 %2").arg(pupil.firstName, pupil.surname).trimmed());
  auto* own = new QBarSet(name.isEmpty() ? Printable(pupil.userName) : name);
  for (int topic = 1; topic <= kTopicCount; ++topic) own->append(BarValue(TopicTotals(pupil, topic)));
  own->setColor(QColor(0xe0, 0x8a, 0x2e));
  QBarSet* average = ClassSet(pupils, QStringLiteral("Klasės vidurkis"));
  average->setColor(QColor(0x3f, 0x7f, 0xbf));
  return TopicChart(QStringLiteral("%1 ir klasės vidurkis").arg(own->label()), {own, average});
}

}  // namespace rova::teacher
