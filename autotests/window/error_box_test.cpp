// SPDX-License-Identifier: GPL-3.0-or-later
// The stop box of a failed operation: the message, and the Lithuanian line
// below it, both whole in a box that grows to fit them.
#include "window/error_box.h"

#include <QLabel>
#include <QMessageBox>
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

#include "temp_dir.h"
#include "textio/program_error.h"

namespace rova {
namespace {

// Every label of the box with text, and whether it shows all of it.
void ExpectWhole(QMessageBox& box, const QStringList& texts) {
  QStringList shown;
  for (const QLabel* label : box.findChildren<QLabel*>()) {
    if (label->text().isEmpty() || !label->isVisible()) continue;
    shown << label->text();
    const QRect inBox(label->mapTo(&box, QPoint(0, 0)), label->size());
    EXPECT_TRUE(box.rect().contains(inBox)) << label->text().toStdString();
    const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
    EXPECT_GE(label->height(), needed) << label->text().toStdString();
    if (!label->wordWrap()) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
  }
  EXPECT_EQ(shown, texts);
}

TEST(ErrorBox, showsTheMessageAndItsLithuanianLineWholeGrowingToFit) {
  const ProgramError errors[] = {
      ProgramError::FromErrno(ENOENT, QStringLiteral("jonas_1-3.dat")),
      ProgramError::NotARegularFile(QStringLiteral("user.dat"), FileObstacle::Folder),
      ProgramError::FolderBusy(),
      ProgramError::InvalidFloatingPointValue({}),
  };
  auto plain = MakeErrorBox(nullptr, QStringLiteral("File not found."));
  plain->show();
  int index = 0;
  for (const ProgramError& error : errors) {
    auto box = MakeErrorBox(nullptr, MessageBoxText(error), ErrorExplanation(error));
    box->show();
    ExpectWhole(*box, {MessageBoxText(error), ErrorExplanation(error)});
    EXPECT_GT(box->height(), plain->height()) << "a second line makes the box taller";
    EXPECT_EQ(box->windowTitle(), "ROVA 2004");
    box->grab().save(testing::ArtifactDir() + QStringLiteral("/error_box_%1.png").arg(++index));
  }
}

TEST(RunShowingErrors, showsEveryExceptionOfAHandlerInTheBoxAndNoneEscapes) {
  std::vector<QString> shown;
  ScopedErrorBoxPresenter presenter([&shown](QWidget*, const QString& text, const QString& explanation) {
    shown.push_back(text + QLatin1Char('|') + explanation);
  });
  EXPECT_FALSE(RunShowingErrors(nullptr, [] { throw ProgramError::FromErrno(ENOSPC); }));
  EXPECT_FALSE(RunShowingErrors(nullptr, []() -> int { throw std::bad_alloc(); }));
  EXPECT_FALSE(RunShowingErrors(nullptr, [] { throw std::runtime_error("odd"); }));
  EXPECT_EQ(RunShowingErrors(nullptr, [] { return 7; }), 7);
  EXPECT_EQ(shown, (std::vector<QString>{
                       "Disk full.|Diske nebeliko vietos: kreipkitės į mokytoją.",
                       "Out of memory.|Programai pritrūko atminties: uždarykite kitas programas ir bandykite dar kartą.",
                       "odd.|"}));
}

}  // namespace
}  // namespace rova
