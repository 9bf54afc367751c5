// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/formula_text.h"

#include <QFontMetrics>
#include <QStringList>
#include <cmath>
#include <stdexcept>

#include "controls/program_fonts.h"

namespace rova {

namespace {

// Offsets of the pieces from the top of their line, in pixels.
constexpr int kRaised = -4;
constexpr int kLowered = 7;
constexpr int kNumerator = -7;
constexpr int kBar = -5;
constexpr int kDenominator = 7;
constexpr int kOverline = -11;
constexpr int kTallParenthesis = -8;
constexpr int kRaisedAfterTall = -10;  // an exponent of a tall parenthesis
constexpr int kBrace = -3;

const QString kRootSign = QStringLiteral("√");

struct Sign {
  const char* name;
  char16_t sign;
};
// Signs the window face has no letter for; each gets a small label of its own.
constexpr Sign kSigns[] = {
    {"le", u'≤'}, {"ge", u'≥'}, {"ne", u'≠'}, {"sim", u'∼'}, {"approx", u'≈'}, {"in", u'∈'},
    {"inf", u'∞'}, {"minus", u'−'}, {"perp", u'⊥'}, {"parallel", u'∥'}, {"angle", u'∠'},
};

QString SignNamed(const QString& name) {
  for (const Sign& s : kSigns) {
    if (name == QLatin1String(s.name)) return QString(QChar(s.sign));
  }
  throw std::invalid_argument("unknown sign \\" + name.toStdString());
}

class LineLayout {
 public:
  LineLayout(const FormulaText& text, int top, PieceBlock& block)
      : x_(text.x), top_(top), block_(block), sans_(SansFont(11, text.face == PieceFace::SansBold)),
        mark_(SerifMarkFont()) {}

  // The line's text with its gaps; `indent` pixels of blanks begin it.
  QString Run(const QString& source, int indent) {
    pos_ = 0;
    src_ = source;
    if (indent > 0) LeaveGap(indent);
    while (pos_ < src_.size()) {
      const QChar c = src_[pos_];
      afterTall_ = lastTallEnd_ == line_.size();
      if ((c == u'^' || c == u'_') && Peek(1) == u'{') {
        pos_ += 1;
        Mark(Braced(), c == u'^' ? (afterTall_ ? kRaisedAfterTall : kRaised) : kLowered);
      } else if (src_.mid(pos_, 6) == QLatin1String("\\frac{")) {
        pos_ += 5;
        const QString numerator = Braced();
        Fraction(numerator, Braced());
      } else if (src_.mid(pos_, 5) == QLatin1String("\\sqrt")) {
        pos_ += 5;
        OpenRoot();
      } else if (c == u'\\' && (Peek(1) == u'(' || Peek(1) == u')')) {
        Piece(QString(Peek(1)), PieceFace::Tall, kTallParenthesis);
        pos_ += 2;
      } else if (c == u'\\' && Peek(1) == u'{') {
        Piece(QStringLiteral("{"), PieceFace::Tall, kBrace);
        braceEnd_ = Here() - x_;
        pos_ += 2;
      } else if (src_.mid(pos_, 2) == QLatin1String("{\\")) {
        pos_ += 2;
        const qsizetype end = src_.indexOf(u'}', pos_);
        if (end < 0) Fail("a sign is not closed");
        Piece(SignNamed(src_.mid(pos_, end - pos_)), PieceFace::Sans, 0);
        pos_ = end + 1;
      } else if (c == u'}') {
        ++pos_;
        CloseRoot();
      } else {
        line_ += c;
        ++pos_;
        lastMarkEnd_ = -1;
      }
    }
    if (!roots_.isEmpty()) Fail("a root is not closed");
    return line_;
  }

  // Where the text after a brace begins, relative to the block, or 0.
  int BraceEnd() const { return braceEnd_; }

 private:
  QChar Peek(int ahead) const { return pos_ + ahead < src_.size() ? src_[pos_ + ahead] : QChar(); }

  [[noreturn]] void Fail(const char* why) const {
    throw std::invalid_argument(std::string(why) + " in \"" + src_.toStdString() + "\"");
  }

  // The text between the braces at the current place.
  QString Braced() {
    if (Peek(0) != u'{') Fail("a brace is missing");
    const qsizetype end = src_.indexOf(u'}', pos_);
    if (end < 0) Fail("a brace is not closed");
    const QString inner = src_.mid(pos_ + 1, end - pos_ - 1);
    pos_ = end + 1;
    return inner;
  }

  int Here() const { return x_ + QFontMetrics(sans_).horizontalAdvance(line_); }

  // Blanks in the line at least `width` pixels wide.
  void LeaveGap(int width) {
    const int blank = QFontMetrics(sans_).horizontalAdvance(u' ');
    line_ += QString(static_cast<int>(std::ceil(double(width) / blank)), u' ');
  }

  void Add(int x, int dy, const QString& text, PieceFace face) {
    block_.texts.append(TextPiece{x, top_ + dy, text, face});
  }

  // A raised or lowered mark; one right after another shares its gap.
  void Mark(const QString& text, int dy) {
    const int width = QFontMetrics(mark_).horizontalAdvance(text) + 1;
    if (lastMarkEnd_ >= 0) {
      Add(lastMarkX_, dy, text, PieceFace::Mark);
      if (lastMarkX_ + width > lastMarkEnd_) LeaveGap(lastMarkX_ + width - Here());
      lastMarkEnd_ = std::max(lastMarkEnd_, lastMarkX_ + width);
      return;
    }
    lastMarkX_ = Here();
    // After a closing parenthesis the mark keeps a pixel off its ink, within
    // the pixel of room its gap has anyway, so nothing after it moves.
    const int offset = line_.endsWith(u')') ? 1 : 0;
    Add(lastMarkX_ + offset, dy, text, PieceFace::Mark);
    LeaveGap(width);
    lastMarkEnd_ = lastMarkX_ + width;
  }

  void Piece(const QString& text, PieceFace face, int dy) {
    Add(Here(), dy, text, face);
    const QFont font = face == PieceFace::Tall ? TallFont() : sans_;
    LeaveGap(QFontMetrics(font).horizontalAdvance(text));
    if (face == PieceFace::Tall) lastTallEnd_ = line_.size();
    lastMarkEnd_ = -1;
  }

  void Fraction(const QString& numerator, const QString& denominator) {
    const QFontMetrics fm(sans_);
    const int widest = std::max(fm.horizontalAdvance(numerator), fm.horizontalAdvance(denominator)) + 2;
    const int underscore = fm.horizontalAdvance(u'_');
    const int bars = static_cast<int>(std::ceil(double(widest) / underscore));
    const int barWidth = bars * underscore;
    const int left = Here();
    Add(left + (barWidth - fm.horizontalAdvance(numerator)) / 2, kNumerator, numerator, PieceFace::Sans);
    Add(left, kBar, QString(bars, u'_'), PieceFace::Sans);
    Add(left + (barWidth - fm.horizontalAdvance(denominator)) / 2, kDenominator, denominator, PieceFace::Sans);
    LeaveGap(barWidth);
    lastMarkEnd_ = -1;
  }

  void OpenRoot() {
    if (Peek(0) == u'[') {
      const qsizetype end = src_.indexOf(u']', pos_);
      if (end < 0) Fail("a root index is not closed");
      const QString index = src_.mid(pos_ + 1, end - pos_ - 1);
      pos_ = end + 1;
      Add(Here(), kRaised, index, PieceFace::Mark);
      LeaveGap(QFontMetrics(mark_).horizontalAdvance(index) - 2);
    }
    if (Peek(0) != u'{') Fail("a root has no radicand");
    ++pos_;
    // The radical sign of the pages' figures, not the "V" of the tasks; its
    // overline starts at the sign's last column.
    const int signX = Here();
    Piece(kRootSign, PieceFace::Sans, 0);
    roots_.append(signX + QFontMetrics(sans_).horizontalAdvance(kRootSign));
  }

  void CloseRoot() {
    if (roots_.isEmpty()) Fail("a brace closes nothing");
    const int start = roots_.takeLast();
    const int underscore = QFontMetrics(sans_).horizontalAdvance(u'_');
    const int bars = std::max(1, static_cast<int>(std::ceil(double(Here() - start) / underscore)));
    Add(start - 1, kOverline, QString(bars, u'_'), PieceFace::Sans);
    lastMarkEnd_ = -1;
  }

  int x_;
  int top_;
  PieceBlock& block_;
  QFont sans_;
  QFont mark_;
  QString src_;
  qsizetype pos_ = 0;
  QString line_;
  QList<int> roots_;
  int lastMarkX_ = 0;
  int lastMarkEnd_ = -1;
  qsizetype lastTallEnd_ = -1;
  int braceEnd_ = 0;
  bool afterTall_ = false;
};

}  // namespace

void LayOutFormulaText(const FormulaText& text, PieceBlock& block) {
  const QFont sans = SansFont(11, text.face == PieceFace::SansBold);
  const int lineSpacing = QFontMetrics(sans).lineSpacing();
  PieceBlock pieces;
  QStringList lines;
  QStringList headings;
  int top = text.y;
  int indent = 0;  // a system's second line stands after the brace of its first
  for (const QString& source : text.text.split(u'\n')) {
    if (source.startsWith(QLatin1String("## "))) {
      headings.append(source.mid(3));
      lines.append(QString());
      indent = 0;
    } else {
      headings.append(QString());
      LineLayout layout(text, top, pieces);
      lines.append(layout.Run(source, indent));
      indent = layout.BraceEnd();
    }
    top += lineSpacing;
  }
  auto joined = [](QStringList list) {
    while (!list.isEmpty() && list.last().trimmed().isEmpty()) list.removeLast();
    return list.join(u'\n');
  };
  if (!joined(lines).isEmpty()) block.texts.append(TextPiece{text.x, text.y, joined(lines), text.face});
  // The headings of a block share one bold label, on the lines they head.
  if (!joined(headings).isEmpty()) block.texts.append(TextPiece{text.x, text.y, joined(headings), PieceFace::SansBold});
  block.texts.append(pieces.texts);
}

}  // namespace rova
