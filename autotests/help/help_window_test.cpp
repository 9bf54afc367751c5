// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_window.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "help/help_guide.h"
#include "temp_dir.h"

namespace rova::help {
namespace {

TEST(HelpWindowTest, everySectionInTheListIsReachedInTheGuide) {
  HelpWindow window;
  window.show();
  const auto& sections = GuideSections();
  ASSERT_EQ(window.Sections->count(), static_cast<int>(sections.size()));
  window.grab().save(QDir(rova::testing::ArtifactDir()).filePath("help_window.png"));

  QScrollBar* scroll = window.Guide->verticalScrollBar();
  int first = -1, previous = -1;
  for (int row = 0; row < window.Sections->count(); ++row) {
    SCOPED_TRACE(sections[static_cast<size_t>(row)].title.toStdString());
    EXPECT_TRUE(window.Guide->document()->toHtml().contains(
        QStringLiteral("name=\"%1\"").arg(sections[static_cast<size_t>(row)].anchor)));
    window.Sections->setCurrentRow(row);
    const QString grab = QStringLiteral("help_window_%1.png").arg(sections[static_cast<size_t>(row)].anchor);
    window.grab().save(QDir(rova::testing::ArtifactDir()).filePath(grab));
    // Later sections lie further down, until the guide cannot scroll further.
    EXPECT_TRUE(scroll->value() > previous || scroll->value() == scroll->maximum());
    previous = scroll->value();
    if (row == 0) first = previous;
  }
  window.Sections->setCurrentRow(0);
  EXPECT_EQ(scroll->value(), first) << "back up to the first section";
  EXPECT_LT(first, previous);
}

// The list has the focus as the window opens, Tab goes on to the guide and
// back, and Escape or Ctrl+W closes the window.
TEST(HelpWindowTest, keyboardReachesListAndGuideAndClosesTheWindow) {
  for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::CTRL, Qt::Key_W)}) {
    HelpWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.Sections);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.Guide);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.Sections);
    QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    EXPECT_FALSE(window.isVisible());
  }
}

}  // namespace
}  // namespace rova::help
