// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/spoken_text.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "pictures/picture_list.h"

namespace rova {

namespace {

constexpr int kRowTolerance = 3;  // lines whose tops differ this little are one row
constexpr int kPhraseGap = 16;    // words further apart than this on a row are read apart
constexpr int kRowReach = 10;     // how far from a row's middle a piece laid on it may stand
constexpr int kSpaced = 2;        // pieces this far apart are read with a blank between

// How a piece stands against the line it is laid on, in pixels from the
// line's top: a raised mark up to 11 above it (higher after a tall
// parenthesis), a lowered one 3 to 10 below; a fraction's numerator 1 to 6
// above its bar and its denominator 7 to 15 below; a root's overline 7 to
// 13 above its radicand.
constexpr int kRaisedFrom = -11, kRaisedTo = -1, kRaisedAt = -4, kRaisedAfterTallAt = -10;
constexpr int kLoweredFrom = 3, kLoweredTo = 10, kLoweredAt = 7;
constexpr int kNoBase = 100;  // a mark with nothing before it is a poor fit
constexpr int kNumeratorFrom = -6, kNumeratorTo = -1;
constexpr int kDenominatorFrom = 7, kDenominatorTo = 15;
constexpr int kRadicandFrom = 7, kRadicandTo = 13;
constexpr int kMinusFrom = 3, kMinusTo = 6;  // a minus drawn as "_", half a line up
constexpr int kInfinityStep = 5;  // the two "o" of ∞

enum class Kind { Char, Raised, Lowered, Laid };

struct Token {
  QString text;
  int left = 0;
  int right = 0;
  Kind kind = Kind::Char;
  int owner = -1;  // the text piece whose words it is
  bool blank = false;
  bool dropped = false;
  int Middle() const { return (left + right) / 2; }
};

// One line of a text piece.
struct Line {
  int piece = 0;
  int top = 0;
  int left = 0;
  int right = 0;
  int height = 0;
  QList<Token> tokens;
  bool readInFraction = false;
};

// A piece laid on a row rather than on a line: a fraction, a parenthesis, a
// sign drawn as a picture, ∞, a mark with no line beneath it.
struct Laid {
  Token token;
  int middle = 0;  // its vertical middle, to find its row
};

struct Overline {
  int left = 0;
  int right = 0;
  int radicandTop = 0;
};

bool IsBar(const QString& text) {
  const QString trimmed = text.trimmed();
  return !trimmed.isEmpty() && std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c == u'_'; });
}

QString Convert(const QString& text, const std::map<char16_t, char16_t>& table, const char* fallback) {
  QString out;
  for (const QChar c : text) {
    if (c == u' ') continue;
    const auto found = table.find(c.unicode());
    if (found == table.end()) return QLatin1String(fallback) + u'(' + text.trimmed() + u')';
    out += QChar(found->second);
  }
  return out;
}

const std::map<char16_t, char16_t>& RaisedTable() {
  static const std::map<char16_t, char16_t> table = {
      {u'0', u'⁰'}, {u'1', u'¹'}, {u'2', u'²'}, {u'3', u'³'}, {u'4', u'⁴'}, {u'5', u'⁵'}, {u'6', u'⁶'},
      {u'7', u'⁷'}, {u'8', u'⁸'}, {u'9', u'⁹'}, {u'+', u'⁺'}, {u'-', u'⁻'}, {u'–', u'⁻'}, {u'−', u'⁻'},
      {u'=', u'⁼'}, {u'(', u'⁽'}, {u')', u'⁾'}, {u'a', u'ᵃ'}, {u'b', u'ᵇ'}, {u'c', u'ᶜ'}, {u'd', u'ᵈ'},
      {u'e', u'ᵉ'}, {u'f', u'ᶠ'}, {u'g', u'ᵍ'}, {u'h', u'ʰ'}, {u'i', u'ⁱ'}, {u'j', u'ʲ'}, {u'k', u'ᵏ'},
      {u'l', u'ˡ'}, {u'm', u'ᵐ'}, {u'n', u'ⁿ'}, {u'o', u'ᵒ'}, {u'p', u'ᵖ'}, {u'r', u'ʳ'}, {u's', u'ˢ'},
      {u't', u'ᵗ'}, {u'u', u'ᵘ'}, {u'v', u'ᵛ'}, {u'w', u'ʷ'}, {u'x', u'ˣ'}, {u'y', u'ʸ'}, {u'z', u'ᶻ'},
  };
  return table;
}

const std::map<char16_t, char16_t>& LoweredTable() {
  static const std::map<char16_t, char16_t> table = {
      {u'0', u'₀'}, {u'1', u'₁'}, {u'2', u'₂'}, {u'3', u'₃'}, {u'4', u'₄'}, {u'5', u'₅'}, {u'6', u'₆'},
      {u'7', u'₇'}, {u'8', u'₈'}, {u'9', u'₉'}, {u'+', u'₊'}, {u'-', u'₋'}, {u'–', u'₋'}, {u'−', u'₋'},
      {u'=', u'₌'}, {u'(', u'₍'}, {u')', u'₎'}, {u'a', u'ₐ'}, {u'e', u'ₑ'}, {u'h', u'ₕ'}, {u'i', u'ᵢ'},
      {u'j', u'ⱼ'}, {u'k', u'ₖ'}, {u'l', u'ₗ'}, {u'm', u'ₘ'}, {u'n', u'ₙ'}, {u'o', u'ₒ'}, {u'p', u'ₚ'},
      {u'r', u'ᵣ'}, {u's', u'ₛ'}, {u't', u'ₜ'}, {u'u', u'ᵤ'}, {u'v', u'ᵥ'}, {u'x', u'ₓ'},
  };
  return table;
}

// The sign a picture stands for, or an empty text for a figure.
QString SignOfPicture(const QString& name) {
  if (name == QLatin1String("sym_element_of")) return QStringLiteral("∈");
  if (name == QLatin1String("sym_pi")) return QStringLiteral("π");
  if (name == QLatin1String("sym_triangle")) return QStringLiteral("△");
  if (name == QLatin1String("sym_similar")) return QStringLiteral("∼");
  return {};
}

bool IsOperator(QChar c) { return QStringLiteral("=+-–−<>≤≥≠·*±×∼≈∈").contains(c); }

bool IsRelation(QChar c) { return QStringLiteral("=<>≤≥≠·*×∼≈∈").contains(c); }

// What follows a word without a blank (":" is division in a formula).
bool IsPunctuation(QChar c) { return QStringLiteral(",.;!?)").contains(c); }

// A numerator or denominator read with the fraction bar needs brackets when
// it is more than one term: (x² - 4x + 4)/2.
QString Bracketed(const QString& text) {
  for (const QChar c : text) {
    if (QStringLiteral(" +-–−*·:/").contains(c)) return u'(' + text + u')';
  }
  return text;
}

// Reads tokens left to right: blanks a laid piece covers say nothing, a
// raised or lowered mark follows its base without a blank, pieces apart are
// read with one blank between them, and runs of blanks are one.
QString ReadTokens(QList<Token> tokens) {
  for (Token& blank : tokens) {
    if (!blank.blank) continue;
    for (const Token& laid : tokens) {
      if (laid.kind != Kind::Char && laid.left <= blank.Middle() && blank.Middle() < laid.right) blank.dropped = true;
    }
  }
  std::stable_sort(tokens.begin(), tokens.end(), [](const Token& a, const Token& b) {
    return std::pair(a.left, a.kind == Kind::Char) < std::pair(b.left, b.kind == Kind::Char);
  });
  QString out;
  const Token* previous = nullptr;
  bool coveredBlank = false;  // a blank under a laid piece: the piece stands for it
  bool spaceAfterRelation = false;
  for (const Token& t : tokens) {
    if (t.blank) {
      if (t.dropped)
        coveredBlank = true;
      else
        out += u' ';
      continue;
    }
    const bool mark = t.kind == Kind::Raised || t.kind == Kind::Lowered;
    const bool punctuation = t.text.size() == 1 && IsPunctuation(t.text[0]);
    // A root's sign stands before its radicand like a letter of it.
    const bool afterLaid = previous != nullptr && previous->kind != Kind::Char &&
                           !QStringLiteral("√∛∜").contains(previous->text);
    if (mark || (afterLaid && punctuation)) {
      while (out.endsWith(u' ')) out.chop(1);
    } else if (previous != nullptr && !punctuation && !out.endsWith(u'(') && !out.endsWith(u' ')) {
      // After a mark or a sign, the blanks it stood over may have held a
      // word space: before an operator (3ᵏ = 9) and a word (68° kampą), not
      // in a name (A₁B₁C₁, -21°C). Pieces apart are read apart, and a
      // fraction apart from what it multiplies (1/2 d₁).
      const QChar first = t.text.front();
      const bool apart = previous->owner != t.owner && t.left - previous->right >= kSpaced && !afterLaid;
      const bool afterMark = previous->kind == Kind::Raised || previous->kind == Kind::Lowered;
      const bool word = afterMark && coveredBlank && first.isLower();
      const bool operation = coveredBlank && IsOperator(first);
      const bool afterFraction = afterLaid && previous->text.contains(u'/') && first.isLetterOrNumber();
      if (apart || word || operation || afterFraction || (afterLaid && previous->owner != t.owner &&
                                                          t.left - previous->right >= kSpaced && !first.isUpper()))
        out += u' ';
    }
    // A sign of relation or product laid in a gap stands between blanks.
    const bool relation = t.kind == Kind::Laid && t.text.size() == 1 && IsRelation(t.text[0]);
    if (relation && !out.isEmpty() && !out.endsWith(u' ') && !out.endsWith(u'(')) out += u' ';
    if (spaceAfterRelation && !mark && !punctuation && !out.endsWith(u' ')) out += u' ';
    out += t.kind == Kind::Raised ? RaisedText(t.text) : t.kind == Kind::Lowered ? LoweredText(t.text) : t.text;
    spaceAfterRelation = relation;
    previous = &t;
    coveredBlank = false;
  }
  return out.simplified();
}

// A face's measures, each letter's advance measured once: a page has
// thousands of letters in a few faces.
class Face {
 public:
  explicit Face(PieceFace face) : metrics_(PieceFont(face)) {}
  int horizontalAdvance(QChar c) {
    auto found = advances_.find(c.unicode());
    if (found == advances_.end()) found = advances_.emplace(c.unicode(), metrics_.horizontalAdvance(c)).first;
    return found->second;
  }
  int horizontalAdvance(const QString& text) {
    int width = 0;
    for (const QChar c : text) width += horizontalAdvance(c);
    return width;
  }
  int height() const { return metrics_.height(); }
  int lineSpacing() const { return metrics_.lineSpacing(); }

 private:
  QFontMetrics metrics_;
  std::map<char16_t, int> advances_;
};

class BlockReader {
 public:
  explicit BlockReader(const PieceBlock& block) : block_(block) {
    result_.texts.resize(block.texts.size());
    result_.picturesReadWithText = QList<bool>(block.pictures.size(), false);
  }

  SpokenBlock Read() {
    MakeLines();
    LaySignsInGaps();
    LayMarks();
    LayBars();
    LayPictures();
    ReadRows();
    return result_;
  }

 private:
  void MakeLines() {
    for (int i = 0; i < block_.texts.size(); ++i) {
      const TextPiece& piece = block_.texts[i];
      Face& metrics = FaceOf(piece.face);
      const int width = metrics.horizontalAdvance(piece.text);
      switch (piece.face) {
        case PieceFace::Mark:
          marks_.append(i);
          continue;
        case PieceFace::Large:
        case PieceFace::Tall:
          // A brace before a system's two lines says nothing.
          if (piece.text.trimmed() != QLatin1String("{"))
            laid_.append({Token{piece.text.trimmed(), piece.x, piece.x + width, Kind::Laid, i},
                          piece.y + metrics.height() / 2});
          continue;
        case PieceFace::Sans:
        case PieceFace::SansBold:
          break;
      }
      if (IsBar(piece.text)) {
        bars_.append(i);
        continue;
      }
      if (IsInfinityStart(i)) continue;
      // Letter by letter (the faces of the lines have no kerning), each
      // letter's text kept in the block's own, which outlives the reading.
      const QChar* letters = piece.text.constData();
      Line line{i, piece.y, piece.x, piece.x, metrics.height(), {}};
      for (qsizetype k = 0; k <= piece.text.size(); ++k) {
        if (k == piece.text.size() || letters[k] == u'\n') {
          lines_.append(line);
          line = Line{i, line.top + metrics.lineSpacing(), piece.x, piece.x, metrics.height(), {}};
          continue;
        }
        const int left = line.right;
        line.right += metrics.horizontalAdvance(letters[k]);
        line.tokens.append(
            Token{QString::fromRawData(letters + k, 1), left, line.right, Kind::Char, i, letters[k] == u' '});
      }
    }
  }

  // A sign drawn in a gap of another line (√, ≤, ∈ in a label of its own)
  // stands for the blanks under it.
  void LaySignsInGaps() {
    for (Line& sign : lines_) {
      if (sign.tokens.isEmpty()) continue;
      for (const Line& line : lines_) {
        if (&line == &sign || std::abs(line.top - sign.top) > kRowTolerance) continue;
        if (sign.left < line.left || sign.right > line.right) continue;
        const bool inGap = std::all_of(line.tokens.begin(), line.tokens.end(), [&](const Token& t) {
          return t.blank || t.right <= sign.left || t.left >= sign.right;
        });
        if (!inGap) continue;
        for (Token& t : sign.tokens) t.kind = Kind::Laid;
        break;
      }
    }
  }

  // ∞ drawn as two "o" side by side: the first becomes the sign, the second
  // says nothing.
  bool IsInfinityStart(int i) {
    const TextPiece& piece = block_.texts[i];
    if (piece.text != QLatin1String("o")) return false;
    for (int j = 0; j < block_.texts.size(); ++j) {
      const TextPiece& other = block_.texts[j];
      if (other.text == QLatin1String("o") && other.y == piece.y && other.x == piece.x + kInfinityStep) {
        const int right = other.x + FaceOf(other.face).horizontalAdvance(other.text);
        laid_.append({Token{QStringLiteral("∞"), piece.x, right, Kind::Laid, i}, piece.y + 6});
        infinitySeconds_.append(j);
        return true;
      }
    }
    return infinitySeconds_.contains(i);
  }

  // A mark goes onto the line it stands over or under; one with no line
  // there is laid on the nearest row.
  void LayMarks() {
    for (int i : marks_) {
      const TextPiece& mark = block_.texts[i];
      const int width = FaceOf(mark.face).horizontalAdvance(mark.text);
      Line* best = nullptr;
      Kind kind = Kind::Raised;
      int bestDistance = 0;
      for (Line& line : lines_) {
        if (mark.x < line.left - 2 || mark.x > line.right + 2 || !OnBlank(line, mark.x)) continue;
        const int dy = mark.y - line.top;
        const bool raised = dy >= kRaisedFrom && dy <= kRaisedTo;
        const bool lowered = dy >= kLoweredFrom && dy <= kLoweredTo;
        // The line where the mark follows its base (a letter, a digit, a tall
        // parenthesis) and stands nearest to where a mark of its kind stands:
        // an index of one line is as near the next line as an exponent.
        const Base base = BaseBefore(line, mark.x);
        const int raisedAt = base == Base::Parenthesis ? kRaisedAfterTallAt : kRaisedAt;
        const int distance = (base == Base::None ? kNoBase : 0) + std::abs(dy - (raised ? raisedAt : kLoweredAt));
        if ((raised || lowered) && (best == nullptr || distance < bestDistance)) {
          best = &line;
          kind = raised ? Kind::Raised : Kind::Lowered;
          bestDistance = distance;
        }
      }
      Token token{mark.text, mark.x, mark.x + width, kind, best != nullptr ? best->piece : i};
      if (best != nullptr)
        best->tokens.append(token);
      else
        laid_.append({token, mark.y + 10});
    }
  }

  // What ends just before `x` on the line's row: a character of the line, a
  // parenthesis laid on it (whose exponent stands higher), or nothing.
  enum class Base { None, Character, Parenthesis };
  Base BaseBefore(const Line& line, int x) const {
    const auto ends = [x](const Token& t) { return !t.blank && t.right >= x - 2 && t.right <= x + 1; };
    const bool parenthesis = std::any_of(laid_.begin(), laid_.end(), [&](const Laid& laid) {
      return laid.token.text == QLatin1String(")") && ends(laid.token) &&
             std::abs(laid.middle - (line.top + line.height / 2)) <= kRowReach;
    });
    if (parenthesis) return Base::Parenthesis;
    return std::any_of(line.tokens.begin(), line.tokens.end(), ends) ? Base::Character : Base::None;
  }

  // Whether `x` falls on a blank of the line (or past its end): a mark stands
  // in a gap its line leaves, never over a letter.
  static bool OnBlank(const Line& line, int x) {
    for (const Token& t : line.tokens)
      if (t.left <= x && x < t.right) return t.blank;
    return true;
  }

  // A bar with words over and under it is a fraction; one over words after
  // a "V" is a root's overline; any other (between two answer fields) says
  // nothing.
  void LayBars() {
    for (int i : bars_) {
      const TextPiece& bar = block_.texts[i];
      Face& metrics = FaceOf(bar.face);
      const int left = bar.x;
      const int right = bar.x + metrics.horizontalAdvance(bar.text);
      Line* numerator = nullptr;
      Line* denominator = nullptr;
      Line* radicand = nullptr;
      for (Line& line : lines_) {
        const int middle = (line.left + line.right) / 2;
        const int dy = line.top - bar.y;
        const bool under = middle >= left - 2 && middle <= right + 2;
        if (under && dy >= kNumeratorFrom && dy <= kNumeratorTo) numerator = &line;
        if (under && dy >= kDenominatorFrom && dy <= kDenominatorTo) denominator = &line;
        if (line.left < right && line.right > left && dy >= kRadicandFrom && dy <= kRadicandTo) radicand = &line;
      }
      Line* beside = nullptr;  // a short bar at the middle of a line's height is a minus
      for (Line& line : lines_) {
        const int dy = line.top - bar.y;
        if (dy >= kMinusFrom && dy <= kMinusTo && line.right >= left - kPhraseGap && line.left <= right + kPhraseGap)
          beside = &line;
      }
      if (numerator != nullptr && denominator != nullptr) {
        numerator->readInFraction = true;
        denominator->readInFraction = true;
        const QString text =
            Bracketed(ReadTokens(numerator->tokens)) + u'/' + Bracketed(ReadTokens(denominator->tokens));
        laid_.append({Token{text, left, right, Kind::Laid, i}, numerator->top + metrics.height() / 2 + 4});
      } else if (radicand != nullptr) {
        overlines_.append({left, right, radicand->top});
      } else if (beside != nullptr) {
        laid_.append({Token{QStringLiteral("-"), left, right, Kind::Laid, i}, beside->top + beside->height / 2});
      }
    }
  }

  void LayPictures() {
    for (int i = 0; i < block_.pictures.size(); ++i) {
      const PicturePiece& picture = block_.pictures[i];
      if (picture.pictureName == QLatin1String("sym_brace")) {
        result_.picturesReadWithText[i] = true;
        continue;
      }
      const QString sign = SignOfPicture(picture.pictureName);
      if (sign.isEmpty()) continue;
      const PictureInfo* info = FindPicture(picture.pictureName.toLatin1().constData());
      const QSize size = info != nullptr ? QSize(info->width, info->height) : QSize(6, 6);
      laid_.append({Token{sign, picture.x, picture.x + size.width(), Kind::Laid, -1}, picture.y + size.height() / 2});
      result_.picturesReadWithText[i] = true;
    }
  }

  struct Row {
    int top = 0;
    int middle = 0;
    QList<int> lines;
    QList<Token> laid;
  };

  void ReadRows() {
    QList<Row> rows;
    QList<int> order;
    for (int i = 0; i < lines_.size(); ++i)
      if (!lines_[i].readInFraction) order.append(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return lines_[a].top < lines_[b].top; });
    for (int i : order) {
      const Line& line = lines_[i];
      if (rows.isEmpty() || line.top - rows.last().top > kRowTolerance)
        rows.append(Row{line.top, line.top + line.height / 2, {}, {}});
      rows.last().lines.append(i);
    }
    for (const Laid& laid : laid_) {
      Row* nearest = nullptr;
      for (Row& row : rows) {
        if (std::abs(row.middle - laid.middle) <= kRowReach &&
            (nearest == nullptr || std::abs(row.middle - laid.middle) < std::abs(nearest->middle - laid.middle)))
          nearest = &row;
      }
      if (nearest == nullptr) {
        rows.append(Row{laid.middle - 6, laid.middle, {}, {}});
        nearest = &rows.last();
      }
      nearest->laid.append(laid.token);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.top < b.top; });
    for (const Row& row : rows) ReadRow(row);
    for (QString& text : result_.texts) {
      while (text.endsWith(u'\n')) text.chop(1);
    }
  }

  void ReadRow(const Row& row) {
    QList<Token> tokens = row.laid;
    for (int i : row.lines) tokens += lines_[i].tokens;
    WriteRoots(row, tokens);
    std::stable_sort(tokens.begin(), tokens.end(), [](const Token& a, const Token& b) { return a.left < b.left; });
    // Phrases: words of different pieces far apart are read apart.
    QList<QList<Token>> phrases(1);
    const Token* last = nullptr;
    for (const Token& t : tokens) {
      if (!t.blank && last != nullptr && last->owner != t.owner && t.left - last->right > kPhraseGap)
        phrases.append(QList<Token>());
      phrases.last().append(t);
      if (!t.blank) last = &t;
    }
    for (const QList<Token>& phrase : phrases) {
      const QString text = ReadTokens(phrase);
      if (text.isEmpty()) continue;
      const int reader = ReaderOf(row, phrase);
      if (reader < 0) continue;
      QString& spoken = result_.texts[reader];
      if (!spoken.isEmpty() && spoken.back() != u'\n') spoken += u' ';
      spoken += text;
    }
    // The next row on a line of its own, for every piece that read this one.
    for (QString& spoken : result_.texts)
      if (!spoken.isEmpty() && spoken.back() != u'\n') spoken += u'\n';
  }

  // The piece that reads a phrase: the first of the block among the pieces
  // with words in it, or with an empty line where it begins (a block whose
  // headings are a bold label of their own over its blank lines).
  int ReaderOf(const Row& row, const QList<Token>& phrase) const {
    int reader = -1;
    const auto consider = [&reader](int piece) {
      if (piece >= 0 && (reader < 0 || piece < reader)) reader = piece;
    };
    int left = phrase.first().left;
    for (const Token& t : phrase) {
      if (!t.blank && t.kind == Kind::Char) consider(t.owner);
      left = std::min(left, t.left);
    }
    for (int i : row.lines) {
      const Line& line = lines_[i];
      if (line.tokens.isEmpty() && line.left <= left + 2) consider(line.piece);
    }
    if (reader < 0)
      for (const Token& t : phrase) consider(t.owner);
    return reader;
  }

  // A root: the "V" (or √) before an overline becomes √ (∛ and ∜ with their index),
  // and what the overline covers is bracketed when it is more than one term.
  void WriteRoots(const Row& row, QList<Token>& tokens) const {
    for (const Overline& overline : overlines_) {
      if (std::abs(overline.radicandTop - row.top) > kRowTolerance) continue;
      qsizetype sign = -1;
      for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (!t.blank && (t.text == QLatin1String("V") || t.text == QStringLiteral("√")) && t.right <= overline.left + 3 &&
            (sign < 0 || t.left > tokens[sign].left))
          sign = i;
      }
      if (sign < 0) continue;
      Token& root = tokens[sign];
      QList<Token> radicand;
      for (const Token& t : tokens) {
        // Under the overline whole: its last underscore may reach past the radicand.
        if (!t.blank && t.left >= overline.left && t.right <= overline.right + 2 && t.left >= root.right)
          radicand.append(t);
      }
      // A radicand never ends in a sign or a comma the overline's last
      // underscore happens to reach.
      std::sort(radicand.begin(), radicand.end(), [](const Token& a, const Token& b) { return a.left < b.left; });
      while (!radicand.isEmpty() && radicand.last().text.size() == 1 &&
             (IsPunctuation(radicand.last().text[0]) || IsOperator(radicand.last().text[0])))
        radicand.removeLast();
      int first = overline.right;
      int end = overline.left;
      for (const Token& t : radicand) {
        first = std::min(first, t.left);
        end = std::max(end, t.right);
      }
      root.text = QStringLiteral("√");
      root.kind = Kind::Laid;
      for (Token& t : tokens) {
        const QString index = t.text.trimmed();
        if (t.kind == Kind::Raised && t.right <= root.left + 3 && root.left - t.right <= 3 &&
            (index == QLatin1String("3") || index == QLatin1String("4"))) {
          root.text = index == QLatin1String("3") ? QStringLiteral("∛") : QStringLiteral("∜");
          t.dropped = true;
        }
      }
      const int owner = root.owner;
      tokens.removeIf([](const Token& t) { return t.dropped; });
      const QString read = ReadTokens(radicand);
      if (!radicand.isEmpty() && Bracketed(read) != read) {
        tokens.append(Token{QStringLiteral("("), first, first, Kind::Laid, owner});
        tokens.append(Token{QStringLiteral(")"), end, end, Kind::Laid, owner});
      }
    }
  }

  Face& FaceOf(PieceFace face) {
    auto found = faces_.find(face);
    if (found == faces_.end()) found = faces_.emplace(face, Face(face)).first;
    return found->second;
  }

  const PieceBlock& block_;
  std::map<PieceFace, Face> faces_;
  SpokenBlock result_;
  QList<Line> lines_;
  QList<int> marks_;
  QList<int> bars_;
  QList<int> infinitySeconds_;
  QList<Laid> laid_;
  QList<Overline> overlines_;
};

}  // namespace

QString RaisedText(const QString& text) {
  if (text.trimmed() == QLatin1String("o")) return QStringLiteral("°");
  return Convert(text, RaisedTable(), "^");
}

QString LoweredText(const QString& text) { return Convert(text, LoweredTable(), "_"); }

SpokenBlock SpeakPieces(const PieceBlock& block) { return BlockReader(block).Read(); }

}  // namespace rova
