// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "controls/program_fonts.h"

namespace {

const QString kLithuanianLetters = QStringLiteral("ąčęėįšųūžĄČĘĖĮŠŲŪŽ•");

TEST(ProgramFonts, sansFaceIsTheWindowsFaceAndHoldsEveryLithuanianLetter) {
  const QFont font = rova::SansFont();
  EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(rova::kSansFamily));
  const QFontMetrics metrics(font);
  // The 8-point strike: 11 pixels above the baseline, 13 from line to line.
  EXPECT_EQ(metrics.ascent(), 11);
  EXPECT_EQ(metrics.height(), 13);
  for (const QChar c : kLithuanianLetters) EXPECT_TRUE(metrics.inFont(c)) << QString(c).toStdString();
}

TEST(ProgramFonts, tahomaBoldIsAvailableForTheSplash) {
  const QFont font = rova::TahomaFont(29, true);
  EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(rova::kTahomaFamily));
  EXPECT_TRUE(QFontInfo(font).bold());
}

// Start-up registers only the splash's bold face; the regular one comes with its first font.
TEST(ProgramFonts, regularTahomaIsTheRegularFace) {
  const QFont regular = rova::TahomaFont(13, false);
  EXPECT_EQ(QFontInfo(regular).family(), QString::fromLatin1(rova::kTahomaFamily));
  // The bold face's letters are wider.
  const QString text = QStringLiteral("Matematikos kurso kartojimas");
  EXPECT_LT(QFontMetrics(regular).horizontalAdvance(text),
            QFontMetrics(rova::TahomaFont(13, true)).horizontalAdvance(text));
}

TEST(ProgramFonts, serifMarksUseASerifFace) {
  const QFontInfo info(rova::SerifMarkFont());
  EXPECT_TRUE(info.family().contains(QStringLiteral("Serif")));
  EXPECT_EQ(info.pixelSize(), 8);
}

}  // namespace
