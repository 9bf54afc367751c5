#include "accounts/session_file.h"

#include <cerrno>

#include "accounts/user_store.h"
#include "textio/baltic_codec.h"
#include "textio/program_error.h"
#include "textio/text_file.h"

namespace rova {

QString ReadSessionUser() {
  // A line longer than any file name names no user: read no further.
  constexpr qsizetype kLongestLine = 1024;
  const QByteArray line = ReadFirstLine(kSessionFileName, kLongestLine);
  const QString userName = FromBaltic(line);
  if (line.size() > kLongestLine || !IsUsableUserName(userName)) throw ProgramError::FromErrno(EINVAL);
  return userName;
}

void WriteSessionUser(const QString& userName) {
  RewriteFile(kSessionFileName, JoinLines({ToBaltic(userName)}));
}

}  // namespace rova
