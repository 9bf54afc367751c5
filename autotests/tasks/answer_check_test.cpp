// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tasks/answer_check.h"
#include "textio/program_error.h"

namespace rova {
namespace {

const QLocale kLithuanian(QLocale::Lithuanian, QLocale::Lithuania);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

struct EntryCase {
  TaskId task;
  TaskEntry entry;
  Verdict verdict;
};

class JudgesEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(JudgesEntry, byTheTaskKind) {
  const EntryCase& c = GetParam();
  EXPECT_EQ(JudgeEntry(CatalogueRow(c.task), c.entry, kLithuanian), c.verdict)
      << c.task.topic << "-" << c.task.task << " [" << c.entry.field1.toStdString() << "|"
      << c.entry.field2.toStdString() << "|" << c.entry.checkedRadio.toStdString() << "]";
}

constexpr Verdict R = Verdict::Right;
constexpr Verdict W = Verdict::Wrong;

INSTANTIATE_TEST_SUITE_P(
    SingleText, JudgesEntry,
    ::testing::Values(EntryCase{{1, 2}, {"30"}, R}, EntryCase{{1, 2}, {"31"}, W},
                      EntryCase{{1, 2}, {" 30"}, W}, EntryCase{{1, 2}, {"30 "}, W},
                      EntryCase{{1, 2}, {"030"}, W}, EntryCase{{1, 2}, {"+30"}, W},
                      EntryCase{{1, 2}, {"30.0"}, W}, EntryCase{{1, 2}, {""}, W},
                      EntryCase{{3, 5}, {"2,9"}, R}, EntryCase{{3, 5}, {"2.9"}, W},
                      EntryCase{{6, 1}, {"2x"}, R}, EntryCase{{6, 1}, {"2X"}, W},
                      EntryCase{{7, 1}, {"-4"}, R}, EntryCase{{8, 5}, {"\u2212" "3"}, W},
                      EntryCase{{2, 2}, {"16777216"}, R}, EntryCase{{14, 5}, {"20,0"}, R},
                      EntryCase{{14, 5}, {"20"}, R}, EntryCase{{14, 5}, {"20,00"}, W},
                      EntryCase{{12, 1}, {"b>-2"}, W}, EntryCase{{12, 1}, {"-2"}, R}));

INSTANTIATE_TEST_SUITE_P(
    TextPair, JudgesEntry,
    ::testing::Values(EntryCase{{2, 1}, {"5", "20"}, R}, EntryCase{{2, 1}, {"5", "21"}, W},
                      EntryCase{{2, 1}, {"6", "20"}, W}, EntryCase{{3, 1}, {"3", "4"}, R},
                      EntryCase{{3, 1}, {"6", "8"}, W}, EntryCase{{11, 1}, {"3", "-1"}, R},
                      EntryCase{{11, 1}, {"3", "- 1"}, W}, EntryCase{{11, 1}, {"3,0", "-1"}, W},
                      EntryCase{{11, 4}, {"2", "18"}, R}, EntryCase{{11, 4}, {"18", "2"}, W},
                      EntryCase{{6, 2}, {"2a", "3"}, R}));

INSTANTIATE_TEST_SUITE_P(
    Fraction, JudgesEntry,
    ::testing::Values(EntryCase{{1, 1}, {"1", "4"}, R}, EntryCase{{1, 1}, {"2", "8"}, R},
                      EntryCase{{1, 1}, {"3", "12"}, R}, EntryCase{{1, 1}, {"1", "3"}, W},
                      EntryCase{{1, 1}, {"0,5", "2"}, R}, EntryCase{{1, 1}, {" 1", "4 "}, R},
                      EntryCase{{1, 1}, {"-1", "-4"}, R}, EntryCase{{1, 1}, {"1e0", "4"}, R},
                      EntryCase{{4, 1}, {"9", "25"}, R}, EntryCase{{4, 1}, {"18", "50"}, R},
                      EntryCase{{4, 1}, {"36", "100"}, R}, EntryCase{{4, 1}, {"1", "3"}, W},
                      EntryCase{{18, 5}, {"1", "2"}, R}, EntryCase{{18, 5}, {"9", "18"}, R},
                      EntryCase{{18, 5}, {"2", "1"}, W}));

INSTANTIATE_TEST_SUITE_P(
    Choice, JudgesEntry,
    ::testing::Values(EntryCase{{9, 1}, {"", "", "AMRadioButton2"}, R},
                      EntryCase{{9, 1}, {"", "", ""}, W},
                      EntryCase{{9, 1}, {"", "", "AMRadioButton1"}, W},
                      EntryCase{{9, 3}, {"", "", "AMRadioButton4"}, R},
                      EntryCase{{10, 2}, {"", "", "AMRadioButton3"}, R},
                      EntryCase{{10, 2}, {"", "", "AMRadioButton2"}, W},
                      EntryCase{{17, 3}, {"", "", "AMRadioButton2"}, R},
                      EntryCase{{17, 4}, {"", "", "AMRadioButton2"}, W},
                      EntryCase{{17, 4}, {"", "", "AMRadioButton1"}, R},
                      EntryCase{{18, 4}, {"", "", "AMRadioButton2"}, R}));

struct FailureCase {
  const char* numerator;
  const char* denominator;
  const char* message;
};

class FractionFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FractionFails, withConversionOrDivisionMessage) {
  const TaskEntry entry{QString::fromUtf8(GetParam().numerator),
                        QString::fromUtf8(GetParam().denominator), {}};
  try {
    JudgeEntry(CatalogueRow({1, 1}), entry, kLithuanian);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_EQ(error.message(), QString::fromUtf8(GetParam().message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FractionFails,
    ::testing::Values(FailureCase{"1", "0", "Floating point division by zero"},
                      FailureCase{"0", "0", "Invalid floating point operation"},
                      FailureCase{"0", "-0", "Invalid floating point operation"},
                      FailureCase{"", "4", "'' is not a valid floating point value"},
                      FailureCase{"1", " ", "' ' is not a valid floating point value"},
                      FailureCase{"a", "b", "'a' is not a valid floating point value"},
                      FailureCase{"1", "x", "'x' is not a valid floating point value"},
                      FailureCase{"1.5", "4", "'1.5' is not a valid floating point value"},
                      FailureCase{"1,", "1e", "'1e' is not a valid floating point value"},
                      FailureCase{"1", "1e9999", "'1e9999' is not a valid floating point value"},
                      FailureCase{"1", "1 2", "'1 2' is not a valid floating point value"},
                      FailureCase{"1", "1 000", "'1 000' is not a valid floating point value"}));

// An answer right but for its decimal point is told how to write, not
// judged; any other is judged as it stands.
TEST(DecimalCommaCorrection, rewritesOnlyAnEntryThatTheCommaMakesRight) {
  struct Row {
    TaskId task;
    TaskEntry entry;
    const char* correction;
  };
  const Row rows[] = {
      {{3, 5}, {"2.9"}, "2,9"},    {{4, 4}, {"172.8"}, "172,8"}, {{5, 1}, {"0.44"}, "0,44"},
      {{5, 2}, {".01"}, ""},       {{14, 4}, {"2.8"}, "2,8"},    {{14, 5}, {"20.0"}, "20,0"},
      {{3, 5}, {"2.8"}, ""},       {{3, 5}, {"2,9"}, ""},        {{4, 4}, {"172.80"}, ""},
      {{1, 2}, {"30.0"}, ""},      {{3, 5}, {"2..9"}, ""},       {{11, 1}, {"3.0", "-1"}, ""},
      {{1, 1}, {"0.5", "2"}, ""},  // a fraction's field is a number in the locale's notation
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DecimalCommaCorrection(CatalogueRow(row.task), row.entry), QString::fromUtf8(row.correction))
        << row.task.topic << "-" << row.task.task << " " << row.entry.field1.toStdString();
  }
}

TEST(FloatingPoint, followsTheLocaleDecimalSeparator) {
  EXPECT_EQ(ParseFloatingPoint("0,25", kLithuanian), 0.25L);
  EXPECT_EQ(ParseFloatingPoint("0.25", kEnglish), 0.25L);
  EXPECT_THROW(ParseFloatingPoint("0,25", kEnglish), ProgramError);
  EXPECT_EQ(JudgeEntry(CatalogueRow({1, 1}), {"0.5", "2"}, kEnglish), Verdict::Right);
  EXPECT_EQ(ParseFloatingPoint(",5", kLithuanian), 0.5L);
  EXPECT_EQ(ParseFloatingPoint("-2E-1", kLithuanian), -0.2L);
}

TEST(FloatingPoint, dividesInExtendedPrecision) {
  // 1/3 equals 0.333... only when the value and the quotient have the same precision.
  EXPECT_NE(ParseFloatingPoint("1", kEnglish) / ParseFloatingPoint("3", kEnglish),
            static_cast<long double>(1.0 / 3.0));
  EXPECT_EQ(ParseFloatingPoint("0.36", kEnglish), 0.36L);
}

}  // namespace
}  // namespace rova
