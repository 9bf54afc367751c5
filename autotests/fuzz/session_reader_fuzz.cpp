// SPDX-License-Identifier: GPL-3.0-or-later
// The session file as a classmate may leave it: either a name a user could
// register with, read from the file's first line, or "Invalid filename" or
// another of the program's errors.
#include "accounts/session_file.h"
#include "accounts/user_store.h"
#include "fuzz_support.h"
#include "textio/baltic_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rova;
  const QByteArray bytes = fuzz::Bytes(data, size);
  const fuzz::InFolder scratch(fuzz::ScratchFolder());
  fuzz::WriteFile(kSessionFileName, bytes);
  QString user;
  try {
    user = ReadSessionUser();
  } catch (const ProgramError&) {
    return 0;
  }
  if (!IsUsableUserName(user)) fuzz::Broken("a session names a user that could not register");
  const QByteArray stored = ToBaltic(user);
  if (!bytes.startsWith(stored)) fuzz::Broken("the name is not the file's first line");
  if (bytes.size() > stored.size() && bytes[stored.size()] != '\r' && bytes[stored.size()] != '\n') {
    fuzz::Broken("the name stops before its line ends");
  }
  return 0;
}
