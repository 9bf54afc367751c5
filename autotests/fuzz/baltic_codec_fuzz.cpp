// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1257 both ways: one character per byte, every defined byte comes
// back as itself and every undefined one as "?"; text that fits the code
// page comes back whole.
#include "fuzz_support.h"
#include "textio/baltic_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rova;
  const QByteArray bytes = fuzz::Bytes(data, size);
  const QString text = FromBaltic(bytes);
  if (text.size() != bytes.size()) fuzz::Broken("not one character per byte");
  const QByteArray back = ToBaltic(text);
  if (back.size() != bytes.size()) fuzz::Broken("not one byte per character");
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const bool undefined = text[i] == QChar(QChar::ReplacementCharacter);
    if (back[i] != (undefined ? '?' : bytes[i])) fuzz::Broken("a byte does not come back");
  }

  // The same bytes as UTF-16 text, as a pupil might type it.
  const QString typed(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
  const QByteArray stored = ToBaltic(typed);
  if (stored.size() > typed.size()) fuzz::Broken("more bytes than characters");
  if (FitsBaltic(typed) && FromBaltic(stored) != typed) fuzz::Broken("fitting text is not kept");
  return 0;
}
