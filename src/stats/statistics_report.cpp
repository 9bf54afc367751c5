// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/statistics_report.h"

#include "accounts/session_file.h"
#include "accounts/user_store.h"
#include "course/result_store.h"
#include "course/task_catalogue.h"
#include "textio/baltic_codec.h"
#include "textio/text_file.h"

namespace rova {

namespace {

QString Number(std::int64_t value) { return QString::number(value); }

// "Vardas Pavardė" from the profile's first two lines; a missing line is empty.
QString FullName(const QString& userName) {
  const QList<QByteArray> lines = ReadLines(ProfileFileName(userName));
  const QString first = lines.size() > 0 ? FromBaltic(lines[0]) : QString();
  const QString surname = lines.size() > 1 ? FromBaltic(lines[1]) : QString();
  return first + QLatin1Char(' ') + surname;
}

}  // namespace

bool VisitChosenResultFiles(const StatisticsSettings& settings,
                            const std::function<void(ResultFilePlace)>& visit) {
  const auto topics = [&visit](std::int64_t firstTopic, std::int64_t lastTopic) {
    for (int task = 1; task <= kTasksPerTopic; ++task) {
      for (std::int64_t topic = firstTopic; topic <= lastTopic; ++topic) visit({topic, task});
    }
  };
  switch (settings.mode) {
    case StatisticsMode::AllTasks:
      topics(1, kTopicCount);
      return true;
    case StatisticsMode::TopicRange:
      topics(std::int64_t{settings.first} + 1, std::int64_t{settings.second} + 1);
      return true;
    case StatisticsMode::SingleTask:
      visit({std::int64_t{settings.first} + 1, std::int64_t{settings.second} + 1});
      return true;
  }
  return false;
}

QString ResultFileNameAt(const QString& userName, ResultFilePlace place) {
  // Positions past the course have no task id; the name is built the same way.
  return UserFileName(QString(), userName,
                      QLatin1Char('_') + Number(place.topic) + QLatin1Char('-') + Number(place.task) +
                          QStringLiteral(".dat"));
}

QString ChecksText(StatisticsMode mode, std::int64_t checked) {
  const QString t = Number(checked);
  // Lithuanian agreement goes by the last two digits of the magnitude; the
  // remainder is taken before the sign is dropped, so no value overflows.
  const std::int64_t lastTwo = checked % 100 < 0 ? -(checked % 100) : checked % 100;
  const std::int64_t last = lastTwo % 10;
  const bool teens = lastTwo >= 11 && lastTwo <= 19;
  const bool one = last == 1 && !teens;  // 1, 21, 101: uždavinys, kartą
  const bool few = last >= 2 && !teens;   // 2-9, 22-29: uždaviniai, kartus
  if (mode == StatisticsMode::SingleTask) {
    const QString times = one ? QStringLiteral(" kartą.") : few ? QStringLiteral(" kartus.") : QStringLiteral(" kartų.");
    return QStringLiteral("Uždavinys spręstas ") + t + times;
  }
  if (one) return QStringLiteral("Iš viso spręstas ") + t + QStringLiteral(" uždavinys.");
  if (few) return QStringLiteral("Iš viso spręsti ") + t + QStringLiteral(" uždaviniai.");
  return QStringLiteral("Iš viso spręsta ") + t + QStringLiteral(" uždavinių.");
}

QString DescriptionText(const StatisticsSettings& settings) {
  const QString first = Number(std::int64_t{settings.first} + 1);
  const QString second = Number(std::int64_t{settings.second} + 1);
  switch (settings.mode) {
    case StatisticsMode::TopicRange:
      return QStringLiteral("nuo ") + first + QStringLiteral(" iki ") + second + QStringLiteral(" temos.");
    case StatisticsMode::SingleTask:
      return first + QStringLiteral(" temos ") + second + QStringLiteral(" uždavinys.");
    case StatisticsMode::AllTasks:
      break;
  }
  return QStringLiteral("pagal visas užduotis.");
}

ReportTexts TextsFor(const StatisticsSettings& settings, const ReportTotals& totals) {
  return {QStringLiteral("Teisingų atsakymų: ") + Number(totals.correct) + QLatin1Char('.'),
          QStringLiteral("Neteisingų atsakymų: ") + Number(totals.checked - totals.correct) + QLatin1Char('.'),
          ChecksText(settings.mode, totals.checked), DescriptionText(settings)};
}

std::optional<ReportTexts> ComputeReport(const std::function<void(const QString&)>& showName) {
  const QString userName = ReadSessionUser();
  const StatisticsSettings settings = ReadSettings(userName);
  showName(FullName(userName));
  ReportTotals totals;
  const bool known = VisitChosenResultFiles(settings, [&](ResultFilePlace place) {
    const ResultCounts counts = ReadCounts(ResultFileNameAt(userName, place));
    totals.correct += counts.correct;
    totals.checked += counts.checked;
  });
  if (!known) return std::nullopt;
  return TextsFor(settings, totals);
}

}  // namespace rova
