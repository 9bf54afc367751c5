#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "temp_dir.h"
#include "tasks/check_procedure.h"
#include "textio/fault_injection.h"
#include "textio/program_error.h"

namespace rova {
namespace {

const QLocale kLithuanian(QLocale::Lithuanian, QLocale::Lithuania);

class CheckProcedure : public testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    writeBytes("temp.dat", "jonas\r\n");
  }

  Verdict Check(TaskId task, const TaskEntry& entry) {
    return CheckAnswer(CatalogueRow(task), entry, kLithuanian);
  }

  QString FailureOf(TaskId task, const TaskEntry& entry) {
    try {
      Check(task, entry);
    } catch (const ProgramError& error) {
      return error.message();
    }
    return QStringLiteral("(no error)");
  }
};

TEST_F(CheckProcedure, countsEveryCheckAndRightOnes) {
  writeBytes("jonas_1-2.dat", "0\r\n0\r\n");
  EXPECT_EQ(Check({1, 2}, {"30"}), Verdict::Right);
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("1\r\n1\r\n"));
  EXPECT_EQ(Check({1, 2}, {"30"}), Verdict::Right);
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("2\r\n2\r\n"));
  EXPECT_EQ(Check({1, 2}, {"31"}), Verdict::Wrong);
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("2\r\n3\r\n"));
}

TEST_F(CheckProcedure, rewritesFileWholeInTwoLineForm) {
  writeBytes("jonas_2-3.dat", "0\r\n");
  Check({2, 3}, {"7"});
  EXPECT_EQ(readBytes("jonas_2-3.dat"), QByteArray("0\r\n1\r\n"));
  writeBytes("jonas_2-3.dat", "3\n7\nextra line\n");
  Check({2, 3}, {"8"});
  EXPECT_EQ(readBytes("jonas_2-3.dat"), QByteArray("4\r\n8\r\n"));
  writeBytes("jonas_9-1.dat", "");
  Check({9, 1}, {});
  EXPECT_EQ(readBytes("jonas_9-1.dat"), QByteArray("0\r\n1\r\n"));
}

TEST_F(CheckProcedure, usesSessionUserExactlyAndAfresh) {
  writeBytes("jonas_10-1.dat", "0\r\n");
  writeBytes("Ona _10-1.dat", "0\r\n");
  Check({10, 1}, {"2"});
  writeBytes("temp.dat", "Ona \r\nignored\r\n");
  Check({10, 1}, {"3"});
  EXPECT_EQ(readBytes("jonas_10-1.dat"), QByteArray("1\r\n1\r\n"));
  EXPECT_EQ(readBytes("Ona _10-1.dat"), QByteArray("0\r\n1\r\n"));
}

TEST_F(CheckProcedure, failureBeforeRewriteChangesNoCount) {
  writeBytes("jonas_1-1.dat", "2\r\n5\r\n");
  EXPECT_EQ(FailureOf({1, 1}, {"1", "0"}), "Floating point division by zero");
  EXPECT_EQ(FailureOf({1, 1}, {"", "4"}), "'' is not a valid floating point value");
  EXPECT_EQ(FailureOf({1, 1}, {"0", "0"}), "Invalid floating point operation");
  EXPECT_EQ(readBytes("jonas_1-1.dat"), QByteArray("2\r\n5\r\n"));

  EXPECT_EQ(FailureOf({1, 3}, {"108"}), "File not found") << "result file missing";
  EXPECT_FALSE(exists("jonas_1-3.dat"));

  writeBytes("jonas_1-4.dat", "abc\r\n1\r\n");
  EXPECT_EQ(FailureOf({1, 4}, {"18"}), "Invalid numeric input");
  EXPECT_EQ(readBytes("jonas_1-4.dat"), QByteArray("abc\r\n1\r\n"));

  QFile::remove(path("temp.dat"));
  EXPECT_EQ(FailureOf({1, 1}, {"1", "4"}), "File not found") << "no session file";
  EXPECT_EQ(readBytes("jonas_1-1.dat"), QByteArray("2\r\n5\r\n"));
}

TEST_F(CheckProcedure, failedRewriteKeepsCountsAndShowsItsMessage) {
  writeBytes("jonas_1-2.dat", "1\r\n1\r\n");
  ASSERT_EQ(chmod(path("jonas_1-2.dat").toUtf8().constData(), 0444), 0);
  EXPECT_EQ(FailureOf({1, 2}, {"30"}), "File access denied");
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("1\r\n1\r\n"));
  ASSERT_EQ(chmod(path("jonas_1-2.dat").toUtf8().constData(), 0644), 0);
  {
    ScopedFault full("jonas_1-2.dat", FaultOp::Write, ENOSPC);
    EXPECT_EQ(FailureOf({1, 2}, {"30"}), "Disk full");
  }
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("1\r\n1\r\n"));
  EXPECT_EQ(Check({1, 2}, {"30"}), Verdict::Right);
}

TEST_F(CheckProcedure, countAtLargestValueStaysThere) {
  writeBytes("jonas_1-2.dat", "2147483647\r\n2147483647\r\n");
  Check({1, 2}, {"30"});
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("2147483647\r\n2147483647\r\n"));
  writeBytes("jonas_1-2.dat", "5\r\n2147483647\r\n");
  Check({1, 2}, {"30"});
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("6\r\n2147483647\r\n"));
}

TEST_F(CheckProcedure, twoProcessesCheckingAtOnceLoseNoCount) {
  writeBytes("jonas_1-2.dat", "0\r\n0\r\n");
  constexpr int kChecksEach = 60;
  auto run = [&](const char* answer) {
    for (int i = 0; i < kChecksEach; ++i) Check({1, 2}, {QString::fromLatin1(answer)});
  };
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    try {
      run("30");
    } catch (...) {
      _exit(1);
    }
    _exit(0);
  }
  run("31");
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("60\r\n120\r\n"));
}

}  // namespace
}  // namespace rova
