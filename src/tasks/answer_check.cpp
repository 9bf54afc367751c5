// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/answer_check.h"

#include <QStringList>
#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "textio/program_error.h"

namespace rova {

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The C locale for strtold, whatever LC_NUMERIC the application has set.
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
  return locale;
}

// Rewrites the text into C notation, or gives an empty result when the text
// is not a number in the locale's notation.
QByteArray ToCNotation(const QString& text, QChar decimalPoint) {
  qsizetype i = 0;
  qsizetype end = text.size();
  while (i < end && text[i] == QLatin1Char(' ')) ++i;
  while (end > i && text[end - 1] == QLatin1Char(' ')) --end;

  QByteArray out;
  if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    out.append(text[i].toLatin1());
    ++i;
  }
  int mantissaDigits = 0;
  while (i < end && IsDigit(text[i])) {
    out.append(text[i++].toLatin1());
    ++mantissaDigits;
  }
  if (i < end && text[i] == decimalPoint) {
    out.append('.');
    ++i;
    while (i < end && IsDigit(text[i])) {
      out.append(text[i++].toLatin1());
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return {};
  if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
    out.append('e');
    ++i;
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
      out.append(text[i++].toLatin1());
    }
    int exponentDigits = 0;
    while (i < end && IsDigit(text[i])) {
      out.append(text[i++].toLatin1());
      ++exponentDigits;
    }
    if (exponentDigits == 0) return {};
  }
  if (i != end) return {};
  return out;
}

Verdict FromBool(bool right) { return right ? Verdict::Right : Verdict::Wrong; }

Verdict JudgeFraction(const TaskRow& row, const TaskEntry& entry, const QLocale& locale) {
  // The numerator is converted first, so its text is the one a message names
  // when both fields are bad.
  const long double numerator = ParseFloatingPoint(entry.field1, locale);
  const long double denominator = ParseFloatingPoint(entry.field2, locale);
  if (denominator == 0.0L) {
    if (numerator == 0.0L) throw ProgramError::InvalidFloatingPointOperation();
    throw ProgramError::FloatingPointDivisionByZero();
  }
  const long double quotient = numerator / denominator;
  return FromBool(quotient == row.fractionValue);
}

}  // namespace

long double ParseFloatingPoint(const QString& text, const QLocale& locale) {
  const QString separator = locale.decimalPoint();
  const QChar decimalPoint = separator.size() == 1 ? separator[0] : QLatin1Char('.');
  const QByteArray cText = ToCNotation(text, decimalPoint);
  if (cText.isEmpty()) throw ProgramError::InvalidFloatingPointValue(text);
  errno = 0;
  char* parsedEnd = nullptr;
  const long double value = strtold_l(cText.constData(), &parsedEnd, CLocale());
  if (parsedEnd != cText.constData() + cText.size() || (errno == ERANGE && std::isinf(value))) {
    throw ProgramError::InvalidFloatingPointValue(text);
  }
  return value;
}

Verdict JudgeEntry(const TaskRow& row, const TaskEntry& entry, const QLocale& locale) {
  switch (row.kind) {
    case CheckKind::SingleText:
      return FromBool(entry.field1 == row.expected.value(0) || row.alsoRight.contains(entry.field1));
    case CheckKind::TextPair:
      if (entry.field1 != row.expected.value(0)) return Verdict::Wrong;
      return FromBool(entry.field2 == row.expected.value(1));
    case CheckKind::Fraction:
      return JudgeFraction(row, entry, locale);
    case CheckKind::Choice:
      return FromBool(!entry.checkedRadio.isEmpty() && entry.checkedRadio == row.rightRadio);
  }
  return Verdict::Wrong;
}

QString DecimalCommaCorrection(const TaskRow& row, const TaskEntry& entry) {
  // The fractions' fields are numbers in the locale's notation, whose
  // conversion already names a text it cannot read.
  if (row.kind != CheckKind::SingleText && row.kind != CheckKind::TextPair) return {};
  const QChar point = QLatin1Char('.');
  const bool firstHasPoint = entry.field1.contains(point);
  const bool secondHasPoint = row.kind == CheckKind::TextPair && entry.field2.contains(point);
  if (!firstHasPoint && !secondHasPoint) return {};
  TaskEntry rewritten = entry;
  rewritten.field1.replace(point, QLatin1Char(','));
  rewritten.field2.replace(point, QLatin1Char(','));
  if (JudgeEntry(row, rewritten) != Verdict::Right) return {};
  QStringList shown;
  if (firstHasPoint) shown << rewritten.field1;
  if (secondHasPoint) shown << rewritten.field2;
  return shown.join(QStringLiteral(" ir "));
}

}  // namespace rova
