// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/ui/teacher_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QGraphicsSimpleTextItem>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "teacher/class_export.h"

namespace rova::teacher {

const QString kNoDataText = QStringLiteral("nėra duomenų");

namespace {

// One set of bars: a share per topic, or none where nothing was checked.
struct TopicBars {
  QString name;  // plain text, from a pupil's profile as well
  QColor colour;
  std::array<std::optional<double>, kTopicCount> percent{};
  std::array<bool, kTopicCount> partial{};
};

TopicBars PupilBars(const Pupil& pupil) {
  TopicBars bars{PupilLabel(pupil), QColor(0xe0, 0x8a, 0x2e)};
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    const Totals totals = TopicTotals(pupil, topic);
    bars.percent[topic - 1] = SharePercent(totals.counts);
    bars.partial[topic - 1] = totals.unreadable > 0;
  }
  return bars;
}

TopicBars MeanBars(const ClassSums& sums) {
  TopicBars bars{kClassMeanLabel, QColor(0x3f, 0x7f, 0xbf)};
  for (int topic = 0; topic < kTopicCount; ++topic) {
    bars.percent[topic] = sums.means[topic].percent;
    bars.partial[topic] = sums.means[topic].partial;
  }
  return bars;
}

TopicBars PooledBars(const ClassSums& sums) {
  TopicBars bars{QStringLiteral("Bendra visų atsakymų dalis"), QColor(0x9a, 0xb8, 0xd8)};
  for (int topic = 0; topic < kTopicCount; ++topic) {
    bars.percent[topic] = SharePercent(sums.classTotals[topic].counts);
    bars.partial[topic] = sums.classTotals[topic].unreadable > 0;
  }
  return bars;
}

QString BarText(const TopicBars& bars, int index) {
  const std::optional<double> percent = bars.percent[index];
  if (!percent) return kNoDataText;
  QString text = *percent < 0.05 ? QStringLiteral("0 %") : QString();
  if (bars.partial[index]) text += text.isEmpty() ? kPartialMark : QLatin1Char(' ') + kPartialMark;
  return text;
}

// Writes the texts over the bars, upright, and moves them with the plot area.
void LabelBars(QChart* chart, QBarSeries* series, const std::vector<TopicBars>& sets) {
  struct Placed {
    QGraphicsSimpleTextItem* item;
    double x;  // in category units: the topic's index and the set's offset
    double value;
  };
  auto placed = std::make_shared<std::vector<Placed>>();
  QFont font = chart->font();
  font.setPointSizeF(font.pointSizeF() * 0.85);
  const int count = static_cast<int>(sets.size());
  const double width = series->barWidth() / count;
  for (int s = 0; s < count; ++s) {
    for (int index = 0; index < kTopicCount; ++index) {
      const QString text = BarText(sets[s], index);
      if (text.isEmpty()) continue;
      auto* item = new QGraphicsSimpleTextItem(text, chart);
      item->setFont(font);
      item->setBrush(sets[s].percent[index] ? QColor(Qt::black) : QColor(Qt::darkGray));
      item->setRotation(-90);
      item->setZValue(10);
      const double offset = -series->barWidth() / 2 + (s + 0.5) * width;
      placed->push_back({item, index + offset, qBound(0.0, sets[s].percent[index].value_or(0.0), 100.0)});
    }
  }
  const auto place = [chart, series, placed] {
    for (const Placed& label : *placed) {
      const QPointF top = chart->mapToPosition(QPointF(label.x, label.value), series);
      const QRectF box = label.item->boundingRect();
      // Turned upright, the text rises from its origin and lies to its right.
      label.item->setPos(top.x() - box.height() / 2, top.y() - 3);
    }
  };
  QObject::connect(chart, &QChart::plotAreaChanged, chart, place);
  place();
}

QChart* TopicChart(const QString& title, const std::vector<TopicBars>& sets) {
  auto* chart = new QChart;
  // The chart renders its title and legend as rich text: a pupil's name is
  // escaped to show as typed.
  QString shown = title.toHtmlEscaped();
  for (const TopicBars& bars : sets) {
    if (std::find(bars.partial.begin(), bars.partial.end(), true) != bars.partial.end()) {
      shown += QStringLiteral("<br><small>%1 – dalinė suma: ne visi failai perskaityti</small>").arg(kPartialMark);
      break;
    }
  }
  chart->setTitle(shown);
  auto* series = new QBarSeries;
  for (const TopicBars& bars : sets) {
    auto* set = new QBarSet(bars.name.toHtmlEscaped());
    for (const std::optional<double>& percent : bars.percent) set->append(qBound(0.0, percent.value_or(0.0), 100.0));
    set->setColor(bars.colour);
    series->append(set);
  }
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
  chart->legend()->setVisible(true);
  chart->legend()->setAlignment(Qt::AlignBottom);
  LabelBars(chart, series, sets);
  return chart;
}

}  // namespace

QChart* ClassTopicChart(const ClassSums& sums) {
  return TopicChart(QStringLiteral("Klasės sėkmė pagal temas"), {MeanBars(sums), PooledBars(sums)});
}

QChart* PupilTopicChart(const Pupil& pupil, const ClassSums& sums) {
  const TopicBars own = PupilBars(pupil);
  return TopicChart(QStringLiteral("%1 ir klasės vidurkis").arg(own.name), {own, MeanBars(sums)});
}

}  // namespace rova::teacher
