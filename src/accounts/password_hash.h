// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace rova {

// How password.dat keeps a password: a salted hash made by the system's
// password hashing (yescrypt, "$y$..."), so that classmates who can read the
// class folder cannot read each other's passwords. A line that is not such a
// hash was written by an older release, which kept passwords as typed.

// Whether the password can be hashed: no NUL character and at most 512 bytes
// of UTF-8, the most the system's hashing takes.
bool CanHashPassword(const QString& password);

// A new hash of the password, with a fresh salt, at the system's default
// cost. Throws ProgramError when the system cannot make one.
QByteArray HashPassword(const QString& password);

// Whether a line of password.dat is meant as a hash (starts with "$y$"),
// whether or not it is a sound one.
bool IsPasswordHash(const QByteArray& line);

// Whether `password` is the one the line keeps: a hash by hashing the password
// with the line's salt, an older release's line by comparing it with the
// password as typed (in the data files' code page). A hash that is damaged,
// or asks for more work than a log-in may cost, matches nothing.
bool PasswordMatches(const QByteArray& line, const QString& password);

// While one lives, new hashes take the lowest cost (a few milliseconds),
// which PasswordMatches accepts as well: for tests that register pupils by
// the hundred to test something else.
class LowestHashCostForTests {
 public:
  LowestHashCostForTests();
  ~LowestHashCostForTests();
  LowestHashCostForTests(const LowestHashCostForTests&) = delete;
  LowestHashCostForTests& operator=(const LowestHashCostForTests&) = delete;
};

}  // namespace rova
