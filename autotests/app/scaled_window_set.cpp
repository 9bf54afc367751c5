// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaled_window_set.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace rova::testing {

QStringList ScaledWindowSet() {
  return {QStringLiteral("login"),       QStringLiteral("registration"),   QStringLiteral("main"),
          QStringLiteral("topic_menu"),  QStringLiteral("task_1_1"),       QStringLiteral("task_9_3"),
          QStringLiteral("verdict"),     QStringLiteral("handbook_page"),  QStringLiteral("statistics"),
          QStringLiteral("statistics_settings")};
}

QString GrabAtScale(double scale, const QString& folder) {
  QProcess grabber;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  // Only the factor asked for scales the screen.
  for (const char* name : {"QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
                           "QT_FONT_DPI", "QT_USE_PHYSICAL_DPI"}) {
    env.remove(QString::fromLatin1(name));
  }
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
  env.insert(QStringLiteral("QT_SCALE_FACTOR_ROUNDING_POLICY"), QStringLiteral("PassThrough"));
  grabber.setProcessEnvironment(env);
  grabber.setProcessChannelMode(QProcess::MergedChannels);
  grabber.start(QCoreApplication::applicationDirPath() + QStringLiteral("/scaled_window_grabber"), {folder});
  // A guard against a hanging child only; a grab takes a few seconds.
  constexpr int kGuardMilliseconds = 120'000;
  if (!grabber.waitForFinished(kGuardMilliseconds)) {
    grabber.kill();
    grabber.waitForFinished();
    return QStringLiteral("the grabber did not finish at scale %1").arg(scale);
  }
  if (grabber.exitStatus() != QProcess::NormalExit || grabber.exitCode() != 0)
    return QStringLiteral("the grabber failed at scale %1: %2").arg(scale).arg(QString::fromLocal8Bit(grabber.readAll()));
  return {};
}

}  // namespace rova::testing
