// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "error_message.h"
#include "new_pupil.h"
#include "stats/statistics_report.h"
#include "stats/statistics_settings.h"
#include "temp_dir.h"
#include "textio/fault_injection.h"

namespace rova {
namespace {

using testing::MessageOf;

constexpr auto kAll = StatisticsMode::AllTasks;
constexpr auto kRange = StatisticsMode::TopicRange;
constexpr auto kSingle = StatisticsMode::SingleTask;

TEST(CountRuleTest, agreesWithTheNumberAsLithuanianDoes) {
  struct Row {
    std::int64_t checked;
    const char* total;   // modes 1 and 2
    const char* single;  // mode 3
  };
  const Row rows[] = {
      {0, "Iš viso spręsta 0 uždavinių.", "Uždavinys spręstas 0 kartų."},
      {1, "Iš viso spręstas 1 uždavinys.", "Uždavinys spręstas 1 kartą."},
      {2, "Iš viso spręsti 2 uždaviniai.", "Uždavinys spręstas 2 kartus."},
      {10, "Iš viso spręsta 10 uždavinių.", "Uždavinys spręstas 10 kartų."},
      {11, "Iš viso spręsta 11 uždavinių.", "Uždavinys spręstas 11 kartų."},
      {12, "Iš viso spręsta 12 uždavinių.", "Uždavinys spręstas 12 kartų."},
      {19, "Iš viso spręsta 19 uždavinių.", "Uždavinys spręstas 19 kartų."},
      {20, "Iš viso spręsta 20 uždavinių.", "Uždavinys spręstas 20 kartų."},
      {21, "Iš viso spręstas 21 uždavinys.", "Uždavinys spręstas 21 kartą."},
      {22, "Iš viso spręsti 22 uždaviniai.", "Uždavinys spręstas 22 kartus."},
      {100, "Iš viso spręsta 100 uždavinių.", "Uždavinys spręstas 100 kartų."},
      {101, "Iš viso spręstas 101 uždavinys.", "Uždavinys spręstas 101 kartą."},
      {111, "Iš viso spręsta 111 uždavinių.", "Uždavinys spręstas 111 kartų."},
      {-1, "Iš viso spręstas -1 uždavinys.", "Uždavinys spręstas -1 kartą."},
      {-11, "Iš viso spręsta -11 uždavinių.", "Uždavinys spręstas -11 kartų."},
      {4294967294, "Iš viso spręsti 4294967294 uždaviniai.", "Uždavinys spręstas 4294967294 kartus."},
      {std::numeric_limits<std::int64_t>::min(), "Iš viso spręsti -9223372036854775808 uždaviniai.",
       "Uždavinys spręstas -9223372036854775808 kartus."},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ChecksText(kAll, row.checked), QString::fromUtf8(row.total)) << row.checked;
    EXPECT_EQ(ChecksText(kRange, row.checked), QString::fromUtf8(row.total)) << row.checked;
    EXPECT_EQ(ChecksText(kSingle, row.checked), QString::fromUtf8(row.single)) << row.checked;
  }
}

TEST(DescriptionTest, namesWhatIsSummedByNumbersNotPositions) {
  EXPECT_EQ(DescriptionText({kAll, 4, 9}), "pagal visas užduotis.");
  EXPECT_EQ(DescriptionText({kRange, 2, 6}), "nuo 3 iki 7 temos.");
  EXPECT_EQ(DescriptionText({kSingle, 2, 1}), "3 temos 2 uždavinys.");
  EXPECT_EQ(DescriptionText({kSingle, 2147483647, -1}), "2147483648 temos 0 uždavinys.") << "no overflow";
}

TEST(SettingsFileTest, readsMissingLinesAsZeroAndWritesThreeCrLfLines) {
  EXPECT_EQ(ParseSettings("1\r\n"), (StatisticsSettings{kAll, 0, 0})) << "as registration writes it";
  EXPECT_EQ(ParseSettings("1\r\n"), ParseSettings("1\r\n0\r\n0\r\n"));
  EXPECT_EQ(ParseSettings("2\r\n-1\r\n3\r\n"), (StatisticsSettings{kRange, -1, 3}));
  EXPECT_EQ(static_cast<int>(ParseSettings("4\r\n").mode), 4) << "an unknown mode is kept";
  EXPECT_EQ(MessageOf([] { ParseSettings("du\r\n"); }), "Invalid numeric input");

  EXPECT_EQ(SettingsFileBytes(StoredChoice(kRange, 0, 17)), "2\r\n0\r\n17\r\n");
  EXPECT_EQ(SettingsFileBytes(StoredChoice(kSingle, 6, 4)), "3\r\n6\r\n4\r\n");
  EXPECT_EQ(SettingsFileBytes(StoredChoice(kAll, 5, 3)), "1\r\n0\r\n0\r\n") << "the lists play no part";
}

TEST(ChoiceCheckTest, refusesListsLeftUnchosenThenRangesThatDoNotRise) {
  struct Row {
    StatisticsSettings choice;
    ChoiceProblem problem;
  };
  const Row rows[] = {
      {{kRange, 0, 17}, ChoiceProblem::None},
      {{kRange, 2, 2}, ChoiceProblem::RangeNotIncreasing},
      {{kRange, 4, 1}, ChoiceProblem::RangeNotIncreasing},
      {{kRange, -1, 3}, ChoiceProblem::NoFirstTopic},
      {{kRange, 3, -1}, ChoiceProblem::NoLastTopic},
      {{kRange, -1, -1}, ChoiceProblem::NoFirstTopic},
      {{kSingle, 6, 4}, ChoiceProblem::None},
      {{kSingle, -1, 4}, ChoiceProblem::NoTopic},
      {{kSingle, 6, -1}, ChoiceProblem::NoTask},
      {StoredChoice(kAll, -1, -1), ChoiceProblem::None},
  };
  for (const Row& row : rows)
    EXPECT_EQ(CheckChoice(row.choice), row.problem) << row.choice.first << " " << row.choice.second;
}

// The places a walk visits, or no value for a mode it does not know.
std::optional<std::vector<ResultFilePlace>> ChosenResultFiles(const StatisticsSettings& settings) {
  std::vector<ResultFilePlace> places;
  if (!VisitChosenResultFiles(settings, [&](ResultFilePlace place) { places.push_back(place); })) {
    return std::nullopt;
  }
  return places;
}

TEST(ChosenFilesTest, readsTaskByTaskAndTopicByTopic) {
  const auto all = ChosenResultFiles({kAll, 0, 0});
  ASSERT_TRUE(all);
  ASSERT_EQ(all->size(), 90u);
  EXPECT_EQ((*all)[1], (ResultFilePlace{2, 1}));
  EXPECT_EQ((*all)[18], (ResultFilePlace{1, 2}));
  EXPECT_EQ(ChosenResultFiles({kRange, 0, 17}), all);
  EXPECT_EQ(ChosenResultFiles({kRange, 4, 3})->size(), 0u) << "a falling range reads nothing";
  EXPECT_EQ(ChosenResultFiles({kSingle, -1, 1}), (std::vector<ResultFilePlace>{{0, 2}}));
  EXPECT_FALSE(ChosenResultFiles({static_cast<StatisticsMode>(4), 0, 0}));
  EXPECT_EQ(ResultFileNameAt("jonas", {12, 3}), "jonas_12-3.dat");
}

class ReportTest : public testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    testing::WriteNewPupil("jonas", "Jonas", "Žemaitis");
  }
  // The report's texts, and the name it showed ("-" when none).
  std::optional<ReportTexts> Compute() {
    shownName = "-";
    return ComputeReport([this](const QString& name) { shownName = name; });
  }
  QString shownName;
};

TEST_F(ReportTest, givesTheWorkedResults) {
  EXPECT_EQ(Compute(), (ReportTexts{"Teisingų atsakymų: 0.", "Neteisingų atsakymų: 0.",
                                    "Iš viso spręsta 0 uždavinių.", "pagal visas užduotis."}));
  EXPECT_EQ(shownName, "Jonas Žemaitis");

  // Topics 3 to 7: 4 right out of 11 checks; files outside the range do not count.
  writeBytes("jonas_3-1.dat", "1\r\n5\r\n");
  writeBytes("jonas_7-5.dat", "3\r\n6\r\n");
  writeBytes("jonas_8-1.dat", "9\r\n9\r\n");
  writeBytes("jonas_checkbox.dat", "2\r\n2\r\n6\r\n");
  EXPECT_EQ(Compute(), (ReportTexts{"Teisingų atsakymų: 4.", "Neteisingų atsakymų: 7.",
                                    "Iš viso spręsta 11 uždavinių.", "nuo 3 iki 7 temos."}));

  writeBytes("jonas_3-2.dat", "1\r\n1\r\n");
  writeBytes("jonas_checkbox.dat", "3\r\n2\r\n1\r\n");
  EXPECT_EQ(Compute(), (ReportTexts{"Teisingų atsakymų: 1.", "Neteisingų atsakymų: 0.",
                                    "Uždavinys spręstas 1 kartą.", "3 temos 2 uždavinys."}));

  // A one-line result file is correct answers and no checks.
  writeBytes("jonas_3-2.dat", "5\r\n");
  EXPECT_EQ(Compute()->incorrect, "Neteisingų atsakymų: -5.");
  EXPECT_EQ(Compute()->checks, "Uždavinys spręstas 0 kartų.");
}

TEST_F(ReportTest, rangeOverTheWholeCourseEqualsAllTasks) {
  writeBytes("jonas_18-5.dat", "2\r\n3\r\n");
  writeBytes("jonas_1-1.dat", "0\r\n7\r\n");
  const ReportTexts all = *Compute();
  writeBytes("jonas_checkbox.dat", "2\r\n0\r\n17\r\n");
  const ReportTexts range = *Compute();
  EXPECT_EQ(range.correct, all.correct);
  EXPECT_EQ(range.checks, "Iš viso spręsta 10 uždavinių.");
  EXPECT_EQ(range.description, "nuo 1 iki 18 temos.");
}

TEST_F(ReportTest, sumsLargestCountsWithoutOverflow) {
  for (const TaskRow& row : TaskCatalogue()) writeBytes(ResultFileName("jonas", row.id), "2147483647\r\n2147483647\r\n");
  const ReportTexts texts = *Compute();
  EXPECT_EQ(texts.correct, "Teisingų atsakymų: 193273528230.");
  EXPECT_EQ(texts.incorrect, "Neteisingų atsakymų: 0.");
}

TEST_F(ReportTest, unknownModeShowsOnlyTheName) {
  writeBytes("jonas_checkbox.dat", "4\r\n");
  EXPECT_FALSE(Compute());
  EXPECT_EQ(shownName, "Jonas Žemaitis");
}

TEST_F(ReportTest, failsAtTheFirstUnreadableFileAfterShowingTheName) {
  writeBytes("jonas_checkbox.dat", "3\r\n-1\r\n1\r\n");  // a list left at "--" by an older copy
  EXPECT_EQ(MessageOf([this] { Compute(); }), "File not found");
  EXPECT_EQ(shownName, "Jonas Žemaitis");

  writeBytes("jonas_checkbox.dat", "1\r\n");
  writeBytes("jonas_9-4.dat", "abc\r\n");
  EXPECT_EQ(MessageOf([this] { Compute(); }), "Invalid numeric input");

  QFile::remove("user_jonas.dat");
  EXPECT_EQ(MessageOf([this] { Compute(); }), "File not found");
  EXPECT_EQ(shownName, "-") << "no profile, no name";
}

TEST_F(ReportTest, extremeSettingsEndAtTheFirstMissingFileWithinAFewOpens) {
  // Session, settings and profile, then the result files up to the first missing one.
  const struct {
    const char* settings;
    int opens;
  } rows[] = {
      {"2\r\n-2147483648\r\n0\r\n", 4},
      {"2\r\n-20000000\r\n2147483647\r\n", 4},
      {"2\r\n0\r\n2147483647\r\n", 3 + kTopicCount + 1},
      {"3\r\n-2147483648\r\n2147483647\r\n", 4},
  };
  for (const auto& row : rows) {
    writeBytes("jonas_checkbox.dat", row.settings);
    ScopedFault opens("*", FaultOp::Open, 0);
    EXPECT_EQ(MessageOf([this] { Compute(); }), "File not found") << row.settings;
    EXPECT_EQ(opens.hits(), row.opens) << row.settings;
  }
}

}  // namespace
}  // namespace rova
