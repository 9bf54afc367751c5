#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <cerrno>

#include "error_message.h"
#include "temp_dir.h"
#include "textio/baltic_codec.h"
#include "textio/fault_injection.h"
#include "textio/program_error.h"
#include "textio/text_file.h"

namespace rova {
namespace {

using testing::InTempDir;
using testing::MessageOf;

QStringList FilesHere() {
  return QDir::current().entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

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

TEST_F(Rewrite, replacesWholeFileWithCrLfLines) {
  writeBytes("f.dat", "old\r\nlonger old content\r\n");
  RewriteFile("f.dat", JoinLines({"a", "\xe0"}));
  EXPECT_EQ(readBytes("f.dat"), QByteArray("a\r\n\xe0\r\n"));
  EXPECT_EQ(FilesHere(), QStringList{"f.dat"});
}

TEST_F(Rewrite, refusesFileWithoutWritePermissionEvenForRoot) {
  writeBytes("f.dat", "1\r\n");
  ASSERT_EQ(chmod("f.dat", 0444), 0);
  EXPECT_EQ(MessageOf([] { RewriteFile("f.dat", "2\r\n"); }), "File access denied");
  EXPECT_EQ(readBytes("f.dat"), QByteArray("1\r\n"));
}

TEST_F(Rewrite, keepsOldFileWhenAnyStepFails) {
  writeBytes("f.dat", "1\r\n");
  struct Step {
    FaultOp op;
    int errorCode;
    const char* message;
  };
  for (const Step& step : {Step{FaultOp::Create, EACCES, "File access denied"},
                           Step{FaultOp::Write, ENOSPC, "Disk full"},
                           Step{FaultOp::Sync, EIO, "I/O error 5"},
                           Step{FaultOp::Rename, EROFS, "File access denied"}}) {
    ScopedFault fault("f.dat", step.op, step.errorCode);
    EXPECT_EQ(MessageOf([] { RewriteFile("f.dat", "2\r\n"); }), step.message);
    EXPECT_EQ(fault.hits(), 1);
    EXPECT_EQ(readBytes("f.dat"), QByteArray("1\r\n"));
    EXPECT_EQ(FilesHere(), QStringList{"f.dat"}) << "no stray copy";
  }
}

TEST_F(Rewrite, faultsMatchOnlyTheirFileUnlessWildcard) {
  ScopedFault other("other.dat", FaultOp::Write, ENOSPC);
  RewriteFile("f.dat", "x\r\n");
  ScopedFault folder("*", FaultOp::Create, EACCES);
  EXPECT_EQ(MessageOf([] { RewriteFile("g.dat", "x\r\n"); }), "File access denied");
  EXPECT_FALSE(exists("g.dat"));
}

TEST_F(Rewrite, missingFileIsFileNotFoundButMissingFolderIsInvalidFilename) {
  EXPECT_EQ(MessageOf([] { ReadFileBytes("none.dat"); }), "File not found");
  EXPECT_EQ(MessageOf([] { FileLock lock("none.dat"); }), "File not found");
  EXPECT_EQ(MessageOf([] { ReadFileBytes("nowhere/x.dat"); }), "Invalid filename");
  EXPECT_EQ(MessageOf([] { RewriteFile("nowhere/x.dat", "1\r\n"); }), "Invalid filename");
}

TEST_F(Rewrite, keepsNewCopyInTheFileOwnFolder) {
  ASSERT_TRUE(QDir::current().mkdir("sub"));
  writeBytes("sub/f.dat", "1\r\n");
  RewriteFile("sub/f.dat", "2\r\n");
  EXPECT_EQ(readBytes("sub/f.dat"), QByteArray("2\r\n"));
  EXPECT_EQ(QDir("sub").entryList(QDir::Files | QDir::Hidden), QStringList{"f.dat"});
}

TEST_F(Rewrite, transactionPutsBackEverythingWhenOneFileFails) {
  writeBytes("a.dat", "a-old\n");
  writeBytes("b.dat", "b-old");
  FileTransaction transaction;
  transaction.Stage("a.dat", "a-new\r\n");
  transaction.Stage("new.dat", "n\r\n");
  transaction.Stage("b.dat", "b-new\r\n");
  ScopedFault fault("b.dat", FaultOp::Rename, EIO);
  EXPECT_EQ(MessageOf([&] { transaction.Commit(); }), "I/O error 5");
  EXPECT_EQ(readBytes("a.dat"), QByteArray("a-old\n"));
  EXPECT_EQ(readBytes("b.dat"), QByteArray("b-old"));
  EXPECT_EQ(FilesHere(), (QStringList{"a.dat", "b.dat"}));
}

TEST_F(Rewrite, transactionCommitsAllAndLeavesNoCopies) {
  writeBytes("a.dat", "old");
  FileTransaction transaction;
  transaction.Stage("a.dat", "1\r\n");
  transaction.Stage("b.dat", "2\r\n");
  EXPECT_EQ(readBytes("a.dat"), QByteArray("old")) << "nothing changes before Commit";
  transaction.Commit();
  EXPECT_EQ(readBytes("a.dat"), QByteArray("1\r\n"));
  EXPECT_EQ(readBytes("b.dat"), QByteArray("2\r\n"));
  EXPECT_EQ(FilesHere(), (QStringList{"a.dat", "b.dat"}));
}

TEST_F(Rewrite, lockReadsTheFileNowUnderItsName) {
  writeBytes("f.dat", "1\r\n");
  RewriteFile("f.dat", "2\r\n");
  FileLock lock("f.dat");
  EXPECT_EQ(lock.ReadAll(), QByteArray("2\r\n"));
}

}  // namespace
}  // namespace rova
