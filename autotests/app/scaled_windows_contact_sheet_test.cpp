// SPDX-License-Identifier: GPL-3.0-or-later
// Grabs the set of windows at every scale a desktop offers and lays each
// window's grabs side by side for people to look at:
// build/.../artifacts/scaled_<window>.png, 1x on the left, then 1.25, 1.5,
// 1.75 and 2.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "scaled_window_set.h"
#include "temp_dir.h"

namespace rova::testing {
namespace {

TEST(ScaledWindowsContactSheet, everyWindowAtEveryScale) {
  constexpr double kScales[] = {1.0, 1.25, 1.5, 1.75, 2.0};
  constexpr int kGap = 8;
  QTemporaryDir grabs;
  ASSERT_TRUE(grabs.isValid());
  for (const double scale : kScales) {
    const QString error = GrabAtScale(scale, grabs.filePath(QString::number(scale)));
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  }
  const QDir artifacts(ArtifactDir());
  for (const QString& name : ScaledWindowSet()) {
    std::vector<QImage> row;
    QSize sheet(0, 0);
    for (const double scale : kScales) {
      row.emplace_back(grabs.filePath(QStringLiteral("%1/%2.png").arg(scale).arg(name)));
      ASSERT_FALSE(row.back().isNull()) << name.toStdString() << " at " << scale;
      sheet = QSize(sheet.width() + row.back().width() + kGap, std::max(sheet.height(), row.back().height()));
    }
    QImage image(sheet, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QPainter painter(&image);
    int x = 0;
    for (const QImage& grab : row) {
      painter.drawImage(x, 0, grab);
      x += grab.width() + kGap;
    }
    painter.end();
    EXPECT_TRUE(image.save(artifacts.filePath(QStringLiteral("scaled_%1.png").arg(name))));
  }
}

}  // namespace
}  // namespace rova::testing
