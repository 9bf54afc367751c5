// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
  int code = -1;
  QString out;
  QString err;
};

const QString& FreshHome() {
  static const QTemporaryDir home;
  static const QString path = home.path();
  return path;
}

QString Executable(const QString& program) {
  if (program == QLatin1String("rova2004")) return QStringLiteral(ROVA_MAIN_PROGRAM);
  if (program == QLatin1String("rova2004-help")) return QStringLiteral(ROVA_HELP_PROGRAM);
  return QStringLiteral(ROVA_PLATFORM_PROBE);
}

// Runs a program of the build with only the variables given (and PATH and the
// X server's key, which mean nothing without DISPLAY), as a fresh login
// would, and a HOME of its own.
Outcome RunProgram(const QString& program, const QStringList& arguments,
                   const QList<QPair<QString, QString>>& variables) {
  QProcessEnvironment environment;
  environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
  environment.insert(QStringLiteral("HOME"), FreshHome());
  environment.insert(QStringLiteral("XAUTHORITY"), qEnvironmentVariable("XAUTHORITY"));
  for (const auto& [name, value] : variables) environment.insert(name, value);
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(Executable(program), arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

const QString kPrograms[] = {QStringLiteral("rova2004"), QStringLiteral("rova2004-help")};

TEST(ProgramStartTest, withoutDisplaySaysSoInBothLanguagesAndTouchesNothing) {
  for (const QString& program : kPrograms) {
    const Outcome run = RunProgram(program, {}, {});
    EXPECT_EQ(run.code, 2) << qPrintable(program);
    EXPECT_TRUE(run.out.isEmpty()) << qPrintable(run.out);
    EXPECT_TRUE(run.err.startsWith(program + QStringLiteral(": nėra ekrano langams rodyti")))
        << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(program + QStringLiteral(": no display to show the windows on")))
        << qPrintable(run.err);
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 2) << "two lines, nothing from Qt: " << qPrintable(run.err);
  }
  // The check comes before the program makes its data folder.
  EXPECT_FALSE(QDir(FreshHome()).exists(QStringLiteral(".local/share/rova2004")));
}

TEST(ProgramStartTest, helpAndVersionAnswerWithoutDisplay) {
  // Both languages, whatever the locale, as the teacher's program answers.
  for (const QString& lang : {QStringLiteral("C.UTF-8"), QStringLiteral("lt_LT.UTF-8")}) {
    const Outcome help = RunProgram(QStringLiteral("rova2004"), {QStringLiteral("--help")},
                                    {{QStringLiteral("LANG"), lang}});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Naudojimas: rova2004 [--data-folder APLANKAS]\n"
                                                   "Usage: rova2004 [--data-folder DIR]\n")))
        << qPrintable(help.out);
    // The four ways of choosing the data folder and the exit codes, in each language.
    for (const char* part : {"ROVA2004_DATA_FOLDER", "/etc/rova2004/rova2004.conf", "DataFolder=",
                             "${XDG_DATA_HOME:-~/.local/share}/rova2004", "parenkamas šia tvarka",
                             "chosen in this order", "Išėjimo kodas (exit status): 0"}) {
      EXPECT_TRUE(help.out.contains(QString::fromUtf8(part))) << part;
    }
  }
  const Outcome helpProgram = RunProgram(QStringLiteral("rova2004-help"), {QStringLiteral("-h")}, {});
  EXPECT_EQ(helpProgram.code, 0);
  EXPECT_TRUE(helpProgram.out.startsWith(QStringLiteral("Naudojimas: rova2004-help\nUsage: rova2004-help\n")))
      << qPrintable(helpProgram.out);
  EXPECT_TRUE(helpProgram.out.contains(QStringLiteral("mygtukas „Pagalba“.")));

  for (const QString& program : kPrograms) {
    const Outcome version = RunProgram(program, {QStringLiteral("--version")}, {});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, program + QStringLiteral(" " ROVA_VERSION "\n"));
    EXPECT_TRUE(version.err.isEmpty()) << qPrintable(version.err);
  }
}

// Run under a virtual X server (DISPLAY set by the test's runner).
TEST(ProgramStartTest, asksForX11FirstUnlessAPlatformIsNamed) {
  const QString display = qEnvironmentVariable("DISPLAY");
  ASSERT_FALSE(display.isEmpty()) << "the test runs under xvfb-run";
  const QString probe = QStringLiteral("platform_probe");
  const QPair<QString, QString> x11{QStringLiteral("DISPLAY"), display};
  // A Wayland session with XWayland: both are set, X11 is taken.
  const QPair<QString, QString> wayland{QStringLiteral("WAYLAND_DISPLAY"),
                                        QStringLiteral("rova-no-such-socket")};
  const auto platform = [](const QString& name) {
    return QPair<QString, QString>{QStringLiteral("QT_QPA_PLATFORM"), name};
  };
  struct Case {
    QList<QPair<QString, QString>> variables;
    QStringList arguments;
    QString expected;
  };
  const Case cases[] = {
      {{x11, wayland}, {}, QStringLiteral("xcb xcb;wayland")},
      {{x11, platform(QStringLiteral("offscreen"))}, {}, QStringLiteral("offscreen offscreen")},
      {{platform(QStringLiteral("minimal"))}, {}, QStringLiteral("minimal minimal")},
      {{},
       {QStringLiteral("-platform"), QStringLiteral("offscreen")},
       QStringLiteral("offscreen xcb;wayland")},
      // Named alone, Wayland keeps X11 as the fallback rather than ending the program.
      {{x11, wayland, platform(QStringLiteral("wayland"))}, {}, QStringLiteral("xcb wayland;xcb")},
  };
  for (const Case& c : cases) {
    const Outcome run = RunProgram(probe, c.arguments, c.variables);
    EXPECT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out.trimmed(), c.expected) << "got platform, asked for; " << qPrintable(run.err);
  }
}

}  // namespace
