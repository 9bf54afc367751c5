// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/statistics_settings.h"

#include "accounts/user_store.h"
#include "textio/count_reader.h"
#include "textio/store_transaction.h"
#include "textio/text_file.h"

namespace rova {

StatisticsSettings ParseSettings(const QByteArray& bytes) {
  CountReader reader(bytes);
  StatisticsSettings settings;
  settings.mode = static_cast<StatisticsMode>(reader.Next());
  settings.first = reader.Next();
  settings.second = reader.Next();
  return settings;
}

QByteArray SettingsFileBytes(const StatisticsSettings& settings) {
  return JoinLines({QByteArray::number(static_cast<int>(settings.mode)), QByteArray::number(settings.first),
                    QByteArray::number(settings.second)});
}

StatisticsSettings ReadSettings(const QString& userName) {
  const QString fileName = SettingsFileName(userName);
  const QByteArray bytes = ReadFileBytes(fileName, kSmallFileLimit);
  try {
    return ParseSettings(bytes);
  } catch (const ProgramError& error) {
    throw error.NamingFile(fileName);
  }
}

void WriteSettings(const QString& userName, const StatisticsSettings& settings) {
  RewriteFile(SettingsFileName(userName), SettingsFileBytes(settings));
}

StatisticsSettings StoredChoice(StatisticsMode mode, int first, int second) {
  if (mode == StatisticsMode::AllTasks) return {mode, 0, 0};
  return {mode, first, second};
}

ChoiceProblem CheckChoice(const StatisticsSettings& choice) {
  switch (choice.mode) {
    case StatisticsMode::TopicRange:
      if (choice.first < 0) return ChoiceProblem::NoFirstTopic;
      if (choice.second < 0) return ChoiceProblem::NoLastTopic;
      return choice.first < choice.second ? ChoiceProblem::None : ChoiceProblem::RangeNotIncreasing;
    case StatisticsMode::SingleTask:
      if (choice.first < 0) return ChoiceProblem::NoTopic;
      if (choice.second < 0) return ChoiceProblem::NoTask;
      return ChoiceProblem::None;
    case StatisticsMode::AllTasks:
      break;
  }
  return ChoiceProblem::None;
}

}  // namespace rova
