// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "error_message.h"
#include "textio/count_reader.h"
#include "textio/program_error.h"

namespace rova {
namespace {

struct CountsCase {
  const char* name;
  QByteArray bytes;
  int first;
  int second;
};

class ReadsTwoCounts : public ::testing::TestWithParam<CountsCase> {};

TEST_P(ReadsTwoCounts, asWhitespaceDelimitedIntegers) {
  CountReader reader(GetParam().bytes);
  EXPECT_EQ(reader.Next(), GetParam().first);
  EXPECT_EQ(reader.Next(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadsTwoCounts,
    ::testing::Values(
        CountsCase{"TwoLines", "3\r\n7\r\n", 3, 7},
        CountsCase{"OneLineLeavesSecondZero", "0\r\n", 0, 0},
        CountsCase{"EmptyFile", "", 0, 0},
        CountsCase{"BlanksAndEmptyLinesSkipped", " 5\r\n\r\n9\r\n", 5, 9},
        CountsCase{"TabsAndBareLf", "\t4\n\n 6", 4, 6},
        CountsCase{"RestOfLineSkipped", "12 apples\r\n3 more\r\n", 12, 3},
        CountsCase{"BothOnOneLineReadsSecondFromNextLine", "1 2\r\n3\r\n", 1, 3},
        CountsCase{"ExtraLinesIgnored", "1\r\n2\r\n99\r\n", 1, 2},
        CountsCase{"Signs", "+8\r\n-2\r\n", 8, -2},
        CountsCase{"Hexadecimal", "$1F\r\n0x10\r\n", 31, 16},
        CountsCase{"HexadecimalWithXAndSign", "X0a\r\n-xFF\r\n", 10, -255},
        CountsCase{"Extremes", "2147483647\r\n-2147483648\r\n", 2147483647, -2147483648},
        CountsCase{"LeadingZeros", "007\r\n0\r\n", 7, 0}),
    [](const auto& info) { return std::string(info.param.name); });

class RefusesCount : public ::testing::TestWithParam<QByteArray> {};

TEST_P(RefusesCount, withInvalidNumericInput) {
  CountReader reader(GetParam());
  try {
    reader.Next();
    FAIL() << "accepted " << GetParam().constData();
  } catch (const ProgramError& error) {
    EXPECT_EQ(error.message(), QStringLiteral("Invalid numeric input"));
  }
}

INSTANTIATE_TEST_SUITE_P(Table, RefusesCount,
                         ::testing::Values("abc", "2147483648", "-2147483649", "$80000000", "12x",
                                           "-", "$", "0x", "3,5", "1e3", "++1", "0xG", "1a", "A"));

TEST(CountReader, takesAtMost32CharactersOfAToken) {
  // 32 zeros read as 0; the 33rd character is skipped with the rest of the line.
  CountReader reader(QByteArray(32, '0') + "7\r\n5\r\n");
  EXPECT_EQ(reader.Next(), 0);
  EXPECT_EQ(reader.Next(), 5);
}

TEST(CountReader, stopsTokenAtControlCharacter) {
  CountReader reader(QByteArray("4\x01junk\r\n6\r\n", 11));
  EXPECT_EQ(reader.Next(), 4);
  EXPECT_EQ(reader.Next(), 6);
}

TEST(CountReader, skipsOnlyBlanksTabsAndLineBreaksAndEndsACountAtBlankOrControl) {
  std::vector<int> bytes;
  for (int b = 0; b <= ' '; ++b) bytes.push_back(b);
  bytes.push_back(0x7F);
  for (const int b : bytes) {
    const QByteArray c(1, char(b));
    const bool skipped = b == ' ' || b == '\t' || b == '\r' || b == '\n';
    EXPECT_EQ(testing::MessageOf([&] { CountReader(c + "5\r\n").Next(); }),
              skipped ? "(no error)" : "Invalid numeric input")
        << "before a count: " << b;
    CountReader after("5" + c + "\r\n7\r\n");
    EXPECT_EQ(after.Next(), 5) << "ends a count: " << b;
    EXPECT_EQ(after.Next(), 7) << b;
  }
  // Code-page letters and the no-break blank are part of a count, so refuse it.
  for (const char* text : {"5\xA0", "5\x80", "\xA0" "5"}) {
    EXPECT_EQ(testing::MessageOf([&] { CountReader(text).Next(); }), "Invalid numeric input") << text;
  }
}

}  // namespace
}  // namespace rova
