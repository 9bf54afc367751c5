// SPDX-License-Identifier: GPL-3.0-or-later
// How a handbook text with inline formulas becomes its labels.
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <stdexcept>

#include "controls/program_fonts.h"
#include "handbook/formula_text.h"
#include "window/spoken_text.h"

namespace rova {
namespace {

PieceBlock LayOut(const QString& text) {
  PieceBlock block;
  LayOutFormulaText({10, 20, text}, block);
  return block;
}

// Whether the pixels from x to x + width of `line`, drawn from lineX, fall on blanks only.
bool InGap(const QString& line, int lineX, int x, int width) {
  const QFontMetrics fm(SansFont());
  for (int i = 0; i < line.size(); ++i) {
    const int left = lineX + fm.horizontalAdvance(line.left(i));
    const int right = lineX + fm.horizontalAdvance(line.left(i + 1));
    const bool overlaps = right > x && left < x + width;
    if (overlaps && line[i] != u' ') return false;
  }
  return true;
}

TEST(FormulaText, marksStandRaisedAndLoweredInBlanksTheLineLeaves) {
  const PieceBlock block = LayOut(QStringLiteral("a_{n} = a_{1} + (n – 1)d,   x^{2} + y^{10} = 1"));
  ASSERT_EQ(block.texts.size(), 5);
  const TextPiece& line = block.texts[0];
  EXPECT_EQ(line.face, PieceFace::Sans);
  EXPECT_FALSE(line.text.contains(u'_') || line.text.contains(u'^') || line.text.contains(u'{'));
  const QFontMetrics marks(SerifMarkFont());
  for (int i = 1; i < 5; ++i) {
    const TextPiece& mark = block.texts[i];
    EXPECT_EQ(mark.face, PieceFace::Mark);
    EXPECT_EQ(mark.y, i <= 2 ? 27 : 16) << "indices lowered by 7, exponents raised by 4";
    EXPECT_TRUE(InGap(line.text, 10, mark.x, marks.horizontalAdvance(mark.text))) << mark.text.toStdString();
  }
  EXPECT_EQ(block.texts[4].text, "10");
}

TEST(FormulaText, fractionIsNumeratorOverBarOverDenominatorInItsGap) {
  const PieceBlock block = LayOut(QStringLiteral("S = \\frac{a + b}{2} · h"));
  ASSERT_EQ(block.texts.size(), 4);
  const TextPiece &numerator = block.texts[1], &bar = block.texts[2], &denominator = block.texts[3];
  EXPECT_EQ(numerator.text, "a + b");
  EXPECT_EQ(denominator.text, "2");
  EXPECT_TRUE(bar.text.count(u'_') == bar.text.size());
  const QFontMetrics fm(SansFont());
  const int barWidth = fm.horizontalAdvance(bar.text);
  EXPECT_GE(barWidth, fm.horizontalAdvance(numerator.text));
  EXPECT_LT(numerator.y, bar.y);
  EXPECT_LT(bar.y, denominator.y);
  EXPECT_GT(denominator.x, bar.x);
  EXPECT_TRUE(InGap(block.texts[0].text, 10, bar.x, barWidth));
  EXPECT_TRUE(block.texts[0].text.endsWith(QStringLiteral("· h")));
}

TEST(FormulaText, rootKeepsItsRadicandUnderAnOverlineAfterARadicalSign) {
  const PieceBlock block = LayOut(QStringLiteral("\\sqrt{ab} = \\sqrt{a} · \\sqrt[3]{b}"));
  ASSERT_EQ(block.texts.size(), 8);
  const TextPiece& line = block.texts[0];
  EXPECT_FALSE(line.text.contains(u'V')) << "a radical sign, not the tasks' V";
  EXPECT_TRUE(line.text.trimmed().startsWith(QStringLiteral("ab = "))) << line.text.toStdString();
  const QFontMetrics fm(SansFont());
  // Sign, overline; sign, overline; index, sign, overline.
  for (int i : {1, 3, 6}) {
    const TextPiece& sign = block.texts[i];
    EXPECT_EQ(sign.text, "√");
    EXPECT_EQ(sign.y, 20);
    EXPECT_TRUE(InGap(line.text, 10, sign.x, fm.horizontalAdvance(sign.text))) << i;
    const TextPiece& overline = block.texts[i + 1];
    EXPECT_EQ(overline.text.count(u'_'), overline.text.size()) << "the overline";
    EXPECT_LT(overline.y, sign.y);
    EXPECT_EQ(overline.x, sign.x + fm.horizontalAdvance(sign.text) - 1) << "joins the sign's top";
  }
  EXPECT_EQ(block.texts[5].text, "3") << "the root's index";
  EXPECT_EQ(block.texts[5].face, PieceFace::Mark);
  EXPECT_LE(block.texts[5].x, block.texts[6].x);
}

TEST(FormulaText, exponentAfterAClosingParenthesisKeepsOffItWithoutMovingTheLine) {
  const PieceBlock tight = LayOut(QStringLiteral("(a^{m})^{n} = a^{mn}"));
  const PieceBlock loose = LayOut(QStringLiteral("(a^{m})x^{n} = a^{mn}"));
  ASSERT_EQ(tight.texts.size(), 4);
  const QFontMetrics fm(SansFont());
  const QString& line = tight.texts[0].text;
  const int parenthesisEnd = 10 + fm.horizontalAdvance(line.left(line.indexOf(u')') + 1));
  EXPECT_EQ(tight.texts[2].x, parenthesisEnd + 1) << "a pixel off the parenthesis";
  const QString& other = loose.texts[0].text;
  EXPECT_EQ(loose.texts[2].x, 10 + fm.horizontalAdvance(other.left(other.indexOf(u'x') + 1)))
      << "after a letter the mark stands right after it";
  EXPECT_EQ(line.indexOf(u'='), LayOut(QStringLiteral("(a^{m})a^{n} = a^{mn}")).texts[0].text.indexOf(u'=') - 1)
      << "the gap is as wide as after any other character";
  EXPECT_TRUE(InGap(line, 10, tight.texts[2].x, QFontMetrics(SerifMarkFont()).horizontalAdvance(u'n')));
}

TEST(FormulaText, headingsShareOneBoldLabelAndSignsGetTheirOwn) {
  const PieceBlock block = LayOut(QStringLiteral("## Pirmas\nx {\\ge} 0\n## Antras\ntekstas"));
  ASSERT_EQ(block.texts.size(), 3);
  EXPECT_TRUE(block.texts[0].text.startsWith(QStringLiteral("\nx ")));
  EXPECT_TRUE(block.texts[0].text.endsWith(QStringLiteral(" 0\n\ntekstas")));
  EXPECT_EQ(block.texts[1].text, "Pirmas\n\nAntras");
  EXPECT_EQ(block.texts[1].face, PieceFace::SansBold);
  EXPECT_EQ(block.texts[2].text, "≥");
  const int lineSpacing = QFontMetrics(SansFont()).lineSpacing();
  EXPECT_EQ(block.texts[2].y, 20 + lineSpacing) << "on the second line";
}

TEST(FormulaText, refusesFormulasThatAreNotClosed) {
  for (const char* bad : {"x^{2", "\\frac{1}{2", "\\frac{1}", "\\sqrt{2", "2}", "{\\nosuchsign}", "\\sqrt[3{2}"}) {
    PieceBlock block;
    EXPECT_THROW(LayOutFormulaText({0, 0, QString::fromUtf8(bad)}, block), std::invalid_argument) << bad;
  }
}

// What a screen reader reads for a laid-out block: its lines with the marks,
// fractions, roots and signs written in, the headings in their places.
struct Spoken {
  const char* markup;
  const char* read;
};

TEST(FormulaText, blockReadsAsPlainTextWithItsFormulasWrittenIn) {
  const Spoken cases[] = {
      {"a^{m} · a^{n} = a^{m + n}      a^{m} : a^{n} = a^{m – n}", "aᵐ · aⁿ = aᵐ⁺ⁿ aᵐ : aⁿ = aᵐ⁻ⁿ"},
      {"x^{2} – 6x + 9 = 0, x_{1} = 3", "x² – 6x + 9 = 0, x₁ = 3"},
      {"S = \\frac{a + b}{2} · h", "S = (a + b)/2 · h"},
      {"\\(\\frac{a}{b}\\)^{n} = \\frac{a}{b} · \\frac{a}{b}", "(a/b)ⁿ = a/b · a/b"},
      {"y = \\sqrt{x}, \\sqrt{ab} = \\sqrt{a} · \\sqrt{b}, \\sqrt[3]{a + b}", "y = √x, √ab = √a · √b, ∛(a + b)"},
      {"ΔABC = ΔA_{1}B_{1}C_{1}, 90{\\ge}x", "ΔABC = ΔA₁B₁C₁, 90 ≥ x"},
      {"## Formulės\nS = ah_{a}\n## Pavyzdys\n2^{10} = 1024", "Formulės\nS = ahₐ\nPavyzdys\n2¹⁰ = 1024"},
      {"\\{x + y = 7,\ny – x = 1", "x + y = 7,\ny – x = 1"},
  };
  for (const Spoken& c : cases) {
    const PieceBlock block = LayOut(QString::fromUtf8(c.markup));
    const SpokenBlock spoken = SpeakPieces(block);
    QStringList read;
    for (const QString& text : spoken.texts)
      if (!text.isEmpty()) read.append(text);
    EXPECT_EQ(read, QStringList{QString::fromUtf8(c.read)}) << c.markup << " read: " << read.join(u"|").toStdString();
  }
}

TEST(FormulaText, raisedAndLoweredMarksHaveTheirLettersOrSayWhatTheyAre) {
  EXPECT_EQ(RaisedText(QStringLiteral("m + n")), "ᵐ⁺ⁿ");
  EXPECT_EQ(RaisedText(QStringLiteral(" o")), "°");
  EXPECT_EQ(RaisedText(QStringLiteral("q")), "^(q)");
  EXPECT_EQ(LoweredText(QStringLiteral("21")), "₂₁");
  EXPECT_EQ(LoweredText(QStringLiteral("AB")), "_(AB)");
}

}  // namespace
}  // namespace rova
