#include "accounts/session_file.h"

#include "textio/baltic_codec.h"
#include "textio/text_file.h"

namespace rova {

QString ReadSessionUser() {
  const QByteArray bytes = ReadFileBytes(kSessionFileName);
  qsizetype end = 0;
  while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
  return FromBaltic(bytes.left(end));
}

void WriteSessionUser(const QString& userName) {
  RewriteFile(kSessionFileName, JoinLines({ToBaltic(userName)}));
}

}  // namespace rova
