// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace rova {

// Windows-1257 (Baltic), the code page of every data file. The tables come
// from glibc's iconv once, on first use.

// Bytes to text. A byte that the code page leaves undefined becomes U+FFFD.
QString FromBaltic(const QByteArray& bytes);

// Text to bytes. A character the code page cannot hold becomes "?", as a
// single-byte edit field would have stored it.
QByteArray ToBaltic(const QString& text);

// Whether every character of the text has a byte of its own in the code page.
bool FitsBaltic(const QString& text);

}  // namespace rova
