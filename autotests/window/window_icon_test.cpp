// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "window/program_start.h"

namespace {

// The windows carry the built-in icon from the start; the icon theme is
// looked in only after the first window has been painted, and what it holds wins.
TEST(WindowIcon, builtInUntilTheFirstPaintThenTheThemes) {
  QTemporaryDir themes;
  ASSERT_TRUE(themes.isValid());
  const QDir root(themes.path());
  ASSERT_TRUE(root.mkpath(QStringLiteral("probe/20x20/apps")));
  QFile index(root.filePath(QStringLiteral("probe/index.theme")));
  ASSERT_TRUE(index.open(QIODevice::WriteOnly));
  index.write("[Icon Theme]\nName=probe\nDirectories=20x20/apps\n\n[20x20/apps]\nSize=20\nType=Fixed\n");
  index.close();
  QImage red(20, 20, QImage::Format_ARGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(root.filePath(QStringLiteral("probe/20x20/apps/rova2004.png"))));
  QIcon::setThemeSearchPaths({themes.path()});
  QIcon::setThemeName(QStringLiteral("probe"));

  rova::IdentifyProgram({"rova2004", "lt.rova2004.Rova2004", ""});
  const QList<QSize> builtIn{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
  EXPECT_EQ(QGuiApplication::windowIcon().availableSizes(), builtIn);
  QCoreApplication::processEvents();
  EXPECT_EQ(QGuiApplication::windowIcon().availableSizes(), builtIn) << "no lookup before a window is painted";

  QWidget window;
  window.resize(40, 40);
  window.show();
  window.repaint();
  EXPECT_EQ(QGuiApplication::windowIcon().availableSizes(), builtIn) << "nor while the first paint is on its way";
  QTRY_COMPARE(QGuiApplication::windowIcon().availableSizes(), QList<QSize>{QSize(20, 20)});
  EXPECT_EQ(window.windowIcon().availableSizes(), QList<QSize>{QSize(20, 20)});
}

// Qt's own dialogs and buttons speak Lithuanian as the windows do, whatever
// the session's language (setup.sh installs Qt's translations).
TEST(QtTexts, dialogsAndButtonsInLithuanian) {
  ASSERT_TRUE(rova::LoadQtLithuanian());
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes);
  EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("Gerai"));
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Atsisakyti"));
  EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Taip"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("At&verti"));
  EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "&Print"), QStringLiteral("&Spausdinti"));
}

}  // namespace
