// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/password_hash.h"

#include <crypt.h>

#include <QList>
#include <QSet>
#include <cerrno>
#include <memory>

#include "textio/baltic_codec.h"
#include "textio/program_error.h"

namespace rova {

namespace {

constexpr char kPrefix[] = "$y$";

// yescrypt's default cost takes 16 MiB and some tens of milliseconds. A hash
// may ask for one step more (a newer library's default), never for the
// gigabyte and seconds of the highest cost: anyone who can write the class
// folder could plant such a line to make log-ins slow and the machine swap.
constexpr unsigned long kHighestCost = 6;

// 0: the library's default.
unsigned long newHashCost = 0;

// The parameter field ("j9T" in "$y$j9T$salt$hash") of every cost from the
// lowest up to kHighestCost, as this system's hashing writes them.
const QSet<QByteArray>& AcceptedParameters() {
  static const QSet<QByteArray> accepted = [] {
    QSet<QByteArray> fields;
    for (unsigned long cost = 1; cost <= kHighestCost; ++cost) {
      char setting[CRYPT_GENSALT_OUTPUT_SIZE];
      if (!crypt_gensalt_rn(kPrefix, cost, nullptr, 0, setting, sizeof setting)) continue;
      const QList<QByteArray> parts = QByteArray(setting).split('$');
      if (parts.size() >= 3) fields.insert(parts[2]);
    }
    return fields;
  }();
  return accepted;
}

bool IsHashCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '/';
}

// "$y$" parameters "$" salt "$" hash, each part of the hash alphabet, with
// parameters that cost no more than kHighestCost.
bool IsSoundHash(const QByteArray& line) {
  if (line.size() >= CRYPT_OUTPUT_SIZE) return false;
  const QList<QByteArray> parts = line.split('$');
  if (parts.size() != 5 || !parts[0].isEmpty() || parts[1] != "y") return false;
  for (qsizetype i = 2; i < parts.size(); ++i) {
    if (parts[i].isEmpty()) return false;
    for (const char c : parts[i]) {
      if (!IsHashCharacter(c)) return false;
    }
  }
  return AcceptedParameters().contains(parts[2]);
}

// The hash of `phrase` with `setting`'s method, cost and salt; empty when the
// system's hashing refuses.
QByteArray Crypt(const QByteArray& phrase, const char* setting) {
  // Large (tens of KiB): kept off the stack.
  const auto data = std::make_unique<crypt_data>();
  const char* hash = crypt_rn(phrase.constData(), setting, data.get(), sizeof *data);
  return hash ? QByteArray(hash) : QByteArray();
}

// Compares without stopping at the first difference, so that the time taken
// does not tell how much of a hash was right.
bool EqualInConstantTime(const QByteArray& a, const QByteArray& b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (qsizetype i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

}  // namespace

bool CanHashPassword(const QString& password) {
  return !password.contains(QChar(0)) && password.toUtf8().size() <= CRYPT_MAX_PASSPHRASE_SIZE;
}

QByteArray HashPassword(const QString& password) {
  if (!CanHashPassword(password)) throw ProgramError::FromErrno(EINVAL);
  char setting[CRYPT_GENSALT_OUTPUT_SIZE];
  // No random bytes given: the library takes its own.
  if (!crypt_gensalt_rn(kPrefix, newHashCost, nullptr, 0, setting, sizeof setting)) {
    throw ProgramError::FromErrno(errno);
  }
  const QByteArray hash = Crypt(password.toUtf8(), setting);
  if (hash.isEmpty()) throw ProgramError::FromErrno(errno);
  return hash;
}

bool IsPasswordHash(const QByteArray& line) { return line.startsWith(kPrefix); }

bool PasswordMatches(const QByteArray& line, const QString& password) {
  if (!IsPasswordHash(line)) return line == ToBaltic(password);
  if (!IsSoundHash(line) || !CanHashPassword(password)) return false;
  const QByteArray hash = Crypt(password.toUtf8(), line.constData());
  return !hash.isEmpty() && EqualInConstantTime(hash, line);
}

LowestHashCostForTests::LowestHashCostForTests() { newHashCost = 1; }

LowestHashCostForTests::~LowestHashCostForTests() { newHashCost = 0; }

}  // namespace rova
