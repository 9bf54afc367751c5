// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "stats/statistics_settings.h"

namespace rova {

// The sums of the chosen result files. Ninety counts of up to 2^31 - 1 do
// not fit 32 bits, so the sums are 64-bit.
struct ReportTotals {
  std::int64_t correct = 0;  // C: line 1 summed
  std::int64_t checked = 0;  // T: line 2 summed
  bool operator==(const ReportTotals&) const = default;
};

// A result file's place by number. Unlike TaskId it may name no task of the
// course (topic 0 from a list left at "--"), whose file is then not found.
struct ResultFilePlace {
  std::int64_t topic = 0;
  std::int64_t task = 0;
  bool operator==(const ResultFilePlace&) const = default;
};

// Walks the result files the settings choose, in the order they are read:
// task by task, and within a task topic by topic; none for a range that does
// not rise. One place at a time, so that `visit` throwing at the first missing
// file ends the walk whatever the numbers are: a range from -2147483648 costs
// one place, not a list of billions. False for a number that names no mode.
bool VisitChosenResultFiles(const StatisticsSettings& settings,
                            const std::function<void(ResultFilePlace)>& visit);

// user name + "_" + topic + "-" + task + ".dat"
QString ResultFileNameAt(const QString& userName, ResultFilePlace place);

// The label texts of one report.
struct ReportTexts {
  QString correct;      // "Teisingų atsakymų: 4."
  QString incorrect;    // "Neteisingų atsakymų: 7."
  QString checks;       // "Iš viso spręsta 11 uždavinių."
  QString description;  // "nuo 3 iki 7 temos."
  bool operator==(const ReportTexts&) const = default;
};

// The count rule, by Lithuanian agreement of T's magnitude: 1, 21, 101 but not
// 11 or 111 take "spręstas … uždavinys" / "kartą"; 2-9, 22-29 … but not 12-19
// take "spręsti … uždaviniai" / "kartus"; the rest (0, 10-20, 30 …) take
// "spręsta … uždavinių" / "kartų".
QString ChecksText(StatisticsMode mode, std::int64_t checked);
QString DescriptionText(const StatisticsSettings& settings);
ReportTexts TextsFor(const StatisticsSettings& settings, const ReportTotals& totals);

// One report from the files as they are now: the session user, the settings,
// the profile, the chosen result files. `showName` gets the user's full name
// before any result file is read, so that a later failure leaves it shown.
// No value when the settings name no mode. Throws ProgramError at the first
// file that cannot be read.
std::optional<ReportTexts> ComputeReport(const std::function<void(const QString&)>& showName);

}  // namespace rova
