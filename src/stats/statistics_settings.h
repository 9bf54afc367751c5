// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace rova {

// What the statistics report sums. The file keeps the number; a number that
// names no mode (a file edited by hand) is kept as it is, and the report then
// shows only the user's name.
enum class StatisticsMode : int { AllTasks = 1, TopicRange = 2, SingleTask = 3 };

// The content of the settings file. `first` and `second` are positions in the
// settings window's lists (topic or task number - 1); -1 is a list with no
// choice.
struct StatisticsSettings {
  StatisticsMode mode = StatisticsMode::AllTasks;
  int first = 0;
  int second = 0;
  bool operator==(const StatisticsSettings&) const = default;
};

// The three numbers of a settings file's bytes; a missing line reads as 0,
// so the "1" that registration writes is all tasks.
StatisticsSettings ParseSettings(const QByteArray& bytes);
// "2" CR LF "0" CR LF "17" CR LF
QByteArray SettingsFileBytes(const StatisticsSettings& settings);

// The session user's settings file (user name + "_checkbox.dat"). Throw
// ProgramError.
StatisticsSettings ReadSettings(const QString& userName);
void WriteSettings(const QString& userName, const StatisticsSettings& settings);

// Why a choice in the settings window cannot be stored.
enum class ChoiceProblem {
  None,
  RangeNotIncreasing,  // the first topic is not smaller than the last
  NoFirstTopic,        // a list left at "--"
  NoLastTopic,
  NoTopic,
  NoTask,
};

// The choice as the settings file will hold it: all tasks is always "1", "0",
// "0", whatever the lists show.
StatisticsSettings StoredChoice(StatisticsMode mode, int first, int second);

// A list left at "--" would be stored as -1 and make every later report fail
// with "File not found", so it is refused and named; then a range must rise.
ChoiceProblem CheckChoice(const StatisticsSettings& choice);

}  // namespace rova
