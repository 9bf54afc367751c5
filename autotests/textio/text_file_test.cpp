// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>

#include "error_message.h"
#include "temp_dir.h"
#include "textio/baltic_codec.h"
#include "textio/store_transaction.h"
#include "textio/text_file.h"

namespace rova {
namespace {

using testing::InTempDir;
using testing::MessageOf;

TEST(SplitLines, acceptsWhatAnEditorMayLeave) {
  using Lines = QList<QByteArray>;
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\rb\r"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("\r\n\r\nx"), (Lines{"", "", "x"}));
  EXPECT_EQ(SplitLines("jonas \r\n"), (Lines{"jonas "}));
}

TEST(BalticCodec, writesLithuanianLettersAsCodePageBytes) {
  const QString text = QStringLiteral("ąčęėįšųūžĄČĘĖĮŠŲŪŽ");
  const QByteArray bytes = ToBaltic(text);
  EXPECT_EQ(bytes, QByteArray("\xe0\xe8\xe6\xeb\xe1\xf0\xf8\xfb\xfe\xc0\xc8\xc6\xcb\xc1\xd0\xd8\xdb\xde"));
  EXPECT_EQ(FromBaltic(bytes), text);
  EXPECT_TRUE(FitsBaltic(text));
}

TEST(BalticCodec, replacesWhatTheCodePageLacks) {
  EXPECT_FALSE(FitsBaltic(QStringLiteral("Ω")));
  EXPECT_FALSE(FitsBaltic(QString::fromUtf8("a\xF0\x9F\x98\x80")));
  EXPECT_EQ(ToBaltic(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")), QByteArray("a?b"));
  EXPECT_EQ(FromBaltic(QByteArray("\x81")), QString(QChar(0xFFFD)));
}

class Rewrite : public InTempDir {};

TEST_F(Rewrite, missingFileIsFileNotFoundButMissingFolderIsInvalidFilename) {
  EXPECT_EQ(MessageOf([] { ReadFileBytes("none.dat", kSmallFileLimit); }), "File not found");
  EXPECT_EQ(MessageOf([] { ReadFileBytes("nowhere/x.dat", kSmallFileLimit); }), "Invalid filename");
  EXPECT_EQ(MessageOf([] { RewriteFile("nowhere/x.dat", "1\r\n"); }), "Invalid filename");
  // A name is a plain name in the data folder, even where the folder exists.
  ASSERT_TRUE(QDir().mkdir("sub"));
  EXPECT_EQ(MessageOf([] { RewriteFile("sub/f.dat", "1\r\n"); }), "Invalid filename");
  EXPECT_EQ(MessageOf([] { RewriteFile("../f.dat", "1\r\n"); }), "Invalid filename");
  EXPECT_FALSE(exists("sub/f.dat"));
}

}  // namespace
}  // namespace rova
