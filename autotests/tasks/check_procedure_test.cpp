// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <limits>

#include "accounts/user_store.h"
#include "child_process.h"
#include "error_message.h"
#include "temp_dir.h"
#include "course/result_store.h"
#include "tasks/check_procedure.h"
#include "textio/fault_injection.h"
#include "textio/program_error.h"
#include "textio/store_transaction.h"

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

TEST_F(CheckProcedure, killedAtAnyStepCountsOnceOrNotAtAllAndTheNextStartLeavesNoCopy) {
  int step = 1;
  for (;; ++step) {
    writeBytes("jonas_1-2.dat", "3\r\n7\r\n");
    const auto end = testing::RunInChild([this] { Check({1, 2}, {"30"}); }, step);
    if (end == testing::ChildEnd::Finished) break;
    ASSERT_EQ(end, testing::ChildEnd::Killed) << "step " << step;
    const QByteArray left = readBytes("jonas_1-2.dat");
    EXPECT_TRUE(left == "3\r\n7\r\n" || left == "4\r\n8\r\n") << "step " << step << ": " << left.constData();
    // The next check counts once more; the next start removes a copy the
    // killed one may have left.
    EXPECT_EQ(Check({1, 2}, {"31"}), Verdict::Wrong);
    EXPECT_EQ(readBytes("jonas_1-2.dat"), left.startsWith('3') ? "3\r\n8\r\n" : "4\r\n9\r\n");
    TidyDataFolder();
    EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden),
              (QStringList{".rova_lock", "jonas_1-2.dat", "temp.dat"}))
        << "step " << step;
  }
  EXPECT_GE(step, 6) << "session, counts, copy, sync, rename, folder sync";
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("4\r\n8\r\n"));
}

TEST_F(CheckProcedure, fifoInPlaceOfADataFileFailsAtOnceWithAccessDenied) {
  writeBytes("jonas_1-2.dat", "0\r\n0\r\n");
  ASSERT_EQ(mkfifo("jonas_1-3.dat", 0644), 0);
  const auto failsWithAccessDenied = [this](TaskId task) {
    return testing::RunInChild([this, task] {
      if (FailureOf(task, {"30"}) != "File access denied") throw 0;
    });
  };
  EXPECT_EQ(failsWithAccessDenied({1, 3}), testing::ChildEnd::Finished) << "result file";
  QFile::remove("temp.dat");
  ASSERT_EQ(mkfifo("temp.dat", 0644), 0);
  EXPECT_EQ(failsWithAccessDenied({1, 2}), testing::ChildEnd::Finished) << "session file";
  EXPECT_EQ(readBytes("jonas_1-2.dat"), QByteArray("0\r\n0\r\n"));
}

TEST_F(CheckProcedure, sessionNameThatRegistrationRefusesIsInvalidFilenameBeforeAnyFileIsOpened) {
  // The data folder is a sub-folder here, so "../outside" names a real file.
  ASSERT_TRUE(QDir::current().mkdir("data"));
  writeBytes("outside_1-2.dat", "3\r\n7\r\n");
  EnterFolder("data");
  const QByteArray absolute = path("outside").toUtf8();
  for (const QByteArray& name : {QByteArray("../outside"), absolute, QByteArray(".."), QByteArray("."),
                                 QByteArray("jo\tnas"), QByteArray("jo\x81"), QByteArray(""),
                                 QByteArray(300, 'a'), QByteArray("a\\b")}) {
    writeBytes("data/temp.dat", name + "\r\n");
    EXPECT_EQ(FailureOf({1, 2}, {"30"}), "Invalid filename") << name.constData();
  }
  EXPECT_EQ(readBytes("outside_1-2.dat"), QByteArray("3\r\n7\r\n"));
  for (const QString& refused : {QStringLiteral("../x"), QStringLiteral("/x"), QStringLiteral("..")}) {
    EXPECT_EQ(testing::MessageOf([&] { ResultFileName(refused, {1, 2}); }), "Invalid filename");
    EXPECT_EQ(testing::MessageOf([&] { ProfileFileName(refused); }), "Invalid filename");
    EXPECT_EQ(testing::MessageOf([&] { SettingsFileName(refused); }), "Invalid filename");
  }
}

TEST_F(CheckProcedure, aFilePastItsLimitIsDamagedByNameAndNotReadAtAll) {
  constexpr off_t kHuge = off_t(30) << 30;  // sparse: costs nothing on the disk
  struct Row {
    const char* file;
    off_t size;  // the counts or the name, then blanks or zero bytes up to this size
    const char* failure;
    const char* left;  // the result file afterwards
  };
  const Row rows[] = {
      {"jonas_1-2.dat", kSmallFileLimit, "(no error)", "4\r\n8\r\n"},
      {"jonas_1-2.dat", kSmallFileLimit + 1, "File too large", "3\r\n7\r\n"},
      {"jonas_1-2.dat", kHuge, "File too large", "3\r\n7\r\n"},
      {"temp.dat", kSmallFileLimit, "(no error)", "4\r\n8\r\n"},
      {"temp.dat", kHuge, "File too large", "3\r\n7\r\n"},
  };
  for (const Row& row : rows) {
    writeBytes("temp.dat", "jonas\r\n");
    writeBytes("jonas_1-2.dat", "3\r\n7\r\n");
    QByteArray padded = readBytes(row.file);
    if (row.size <= kSmallFileLimit + 1) {
      writeBytes(row.file, padded + QByteArray(qsizetype(row.size) - padded.size(), ' '));
    } else {
      ASSERT_EQ(truncate(row.file, row.size), 0);
    }
    try {
      Check({1, 2}, {"30"});
      EXPECT_STREQ(row.failure, "(no error)") << row.file << " " << row.size;
    } catch (const ProgramError& error) {
      EXPECT_EQ(error.message(), row.failure) << row.file << " " << row.size;
      EXPECT_EQ(error.kind(), ErrorKind::FileTooLarge);
      EXPECT_EQ(error.fileName(), row.file);
    }
    QFile counts(path("jonas_1-2.dat"));
    ASSERT_TRUE(counts.open(QIODevice::ReadOnly));
    EXPECT_EQ(counts.read(6), QByteArray(row.left)) << row.file << " " << row.size;
  }
}

}  // namespace
}  // namespace rova
