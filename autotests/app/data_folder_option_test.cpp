// SPDX-License-Identifier: GPL-3.0-or-later
// The data folder as the real program takes it from its command line and its
// environment: names are bytes, and a folder it must not use ends it with
// exit code 2 and a Lithuanian message, before anything is made or opened.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <vector>

#include "temp_dir.h"

namespace rova {
namespace {

struct Outcome {
  int code = -1;  // -1: did not end by itself
  QString err;
};

// Runs the program with exactly these argument and environment bytes, on the
// offscreen platform.
Outcome RunProgram(const QList<QByteArray>& arguments, const QList<QByteArray>& environment) {
  QList<QByteArray> argumentBytes{ROVA_MAIN_PROGRAM};
  argumentBytes += arguments;
  QList<QByteArray> environmentBytes{"QT_QPA_PLATFORM=offscreen", "PATH=" + qgetenv("PATH")};
  environmentBytes += environment;
  std::vector<char*> argv, envp;
  for (QByteArray& argument : argumentBytes) argv.push_back(argument.data());
  for (QByteArray& variable : environmentBytes) envp.push_back(variable.data());
  argv.push_back(nullptr);
  envp.push_back(nullptr);
  int err[2];
  if (pipe2(err, O_CLOEXEC) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    // A program that wrongly goes on would wait at its login window: the
    // alarm, kept across exec, ends it.
    alarm(20);
    dup2(err[1], STDERR_FILENO);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(err[1]);
  QByteArray bytes;
  char buffer[4096];
  for (ssize_t n; (n = read(err[0], buffer, sizeof buffer)) > 0;) bytes.append(buffer, n);
  close(err[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(bytes)};
}

class DataFolderOption : public testing::InTempDir {};

TEST_F(DataFolderOption, aFolderTheProgramMustNotUseEndsItWithCodeTwoAndItsReason) {
  const QByteArray base = QFile::encodeName(dir_.path()) + '/';
  // Read as text, "klas\xe9" would be "klas\xef\xbf\xbd": that folder exists.
  const QByteArray notText = base + "klas\xe9";
  const QString replaced = QFile::decodeName(notText);
  ASSERT_TRUE(QDir().mkpath(replaced));
  ASSERT_TRUE(QDir().mkpath(path("home/.local/share")));
  ASSERT_TRUE(QDir().mkpath(path("elsewhere")));
  ASSERT_EQ(symlink(QFile::encodeName(path("elsewhere")).constData(),
                    QFile::encodeName(path("home/.local/share/rova2004")).constData()),
            0);
  const QByteArray home = "HOME=" + base + "home";
  const QByteArray fresh = "HOME=" + base + "fresh";
  struct Case {
    QList<QByteArray> arguments, environment;
    const char* reason;
  };
  const Case cases[] = {
      {{"--data-folder", notText}, {fresh}, "nėra UTF-8 tekstas"},
      {{"--data-folder=" + notText}, {fresh}, "nėra UTF-8 tekstas"},
      {{}, {fresh, "ROVA2004_DATA_FOLDER=" + notText}, "nėra UTF-8 tekstas"},
      {{}, {home}, "simbolinė nuoroda"},
      {{}, {"HOME=" + base + "jon\xe1s"}, "HOME"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    const Outcome run = RunProgram(c.arguments, c.environment);
    EXPECT_EQ(run.code, 2);
    // Qt may warn before it; the program's own line names the program.
    const qsizetype own = run.err.indexOf(QStringLiteral("rova2004: "));
    EXPECT_TRUE(own == 0 || (own > 0 && run.err[own - 1] == u'\n')) << run.err.toStdString();
    EXPECT_TRUE(run.err.mid(own).contains(QString::fromUtf8(c.reason))) << run.err.toStdString();
    EXPECT_EQ(QDir(replaced).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(QDir(path("elsewhere")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
  }
  EXPECT_FALSE(exists("fresh")) << "nothing made where nothing was to be used";
}

}  // namespace
}  // namespace rova
