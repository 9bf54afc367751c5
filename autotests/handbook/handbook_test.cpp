// SPDX-License-Identifier: GPL-3.0-or-later
// The handbook as a pupil meets it: the index, the 18 pages and the
// quadrilaterals' classification, their contents and the ways between them.
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

#include "app/exit_confirmation_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "handbook/handbook_index_window.h"
#include "handbook/handbook_page_window.h"
#include "handbook/quadrilaterals_window.h"
#include "pictures/picture_list.h"
#include "temp_dir.h"
#include "window_driver.h"
#include "window/window_registry.h"

namespace rova {
namespace {

using testing::Click;
using testing::Later;

class HandbookTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateWindows(); }
  void TearDown() override { DestroyRegisteredWindows(); }
};

struct ExpectedPage {
  int topic;
  const char* window;
  const char* title;
  int groups;
  int labels;
  int pictures;
  const char* backButton;
};

// The table of the handbook's pages, row by row. Pages 4, 6, 8, 14, 16 and
// 18 carry more labels than at first: the formulas the tasks use (the sums
// Sₙ, the cosine theorem, algebraic fractions...) bring their marks and bars,
// and the conditions written with ≠ their signs. Pages 1, 7, 9 and 10 have a
// label more for each root: its radical sign, where a "V" stood in the line.
const ExpectedPage kPages[] = {
    {1, "Form98", "Skaičiai. Skaičių dalumas", 1, 16, 0, "LbSpeedButton5"},
    {2, "Form99", "Veiksmai su skaičiais", 2, 38, 0, "LbSpeedButton1"},
    {3, "Form100", "Laipsnis. Šaknis", 1, 13, 2, "LbSpeedButton1"},
    {4, "Form101", "Procentai", 2, 49, 0, "LbSpeedButton1"},
    {5, "Form102", "Skaičių apvalinimas. Paklaidos", 1, 12, 0, "LbSpeedButton1"},
    {6, "Form103", "Algebriniai reiškiniai", 2, 44, 0, "LbSpeedButton1"},
    {7, "Form104", "Lygtys", 1, 13, 0, "LbSpeedButton1"},
    {8, "Form105", "Sekos. Progresijos", 1, 19, 0, "LbSpeedButton1"},
    {9, "Form106", "Funkcija", 1, 12, 0, "LbSpeedButton1"},
    {10, "Form107", "Funkcijų grafikai", 1, 23, 1, "LbSpeedButton1"},
    {11, "Form108", "Lygčių sistemos", 1, 9, 0, "LbSpeedButton1"},
    {12, "Form109", "Nelygybės", 2, 14, 0, "LbSpeedButton2"},
    {13, "Form110", "Tiesės. Kampai", 1, 13, 4, "LbSpeedButton1"},
    {14, "Form111", "Trikampiai", 1, 10, 1, "LbSpeedButton1"},
    {15, "Form112", "Keturkampiai", 2, 39, 2, "LbSpeedButton2"},
    {16, "Form113", "Apskritimas. Skritulys", 1, 15, 4, "LbSpeedButton1"},
    {17, "Form114", "Lygumas", 1, 8, 2, "LbSpeedButton1"},
    {18, "Form115", "Panašumas", 1, 17, 3, "LbSpeedButton1"},
};

THandbookPage* PageWindow(const ExpectedPage& row) {
  auto* page = qobject_cast<THandbookPage*>(FindWindow(QString::fromLatin1(row.window)));
  if (page != nullptr) page->EnsureContents();
  return page;
}

// A page's labels are the QLabels in its groups: a label showing a picture
// counts as a picture, every other one as a label, one line of text or many
// and a small mark alike. The title bar has none.
struct Counted {
  QList<QLabel*> labels;
  QList<QLabel*> pictures;
};
Counted CountLabels(QWidget* body) {
  Counted counted;
  for (QLabel* label : body->findChildren<QLabel*>()) {
    (label->pixmap().isNull() ? counted.labels : counted.pictures).append(label);
  }
  return counted;
}

TEST_F(HandbookTest, everyPageHasItsTitleGroupsLabelsPicturesAndBackButton) {
  for (const ExpectedPage& row : kPages) {
    SCOPED_TRACE(row.window);
    THandbookPage* page = PageWindow(row);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->windowTitle(), "ROVA 2004");
    EXPECT_EQ(page->ArtPanel1->Caption(), QStringLiteral("ROVA 2004 - Žinynas - ") + QString::fromUtf8(row.title));
    const QList<TColoredGroupBox*> groups = page->ArtPanel2->findChildren<TColoredGroupBox*>();
    ASSERT_EQ(groups.size(), row.groups);
    EXPECT_EQ(groups[0]->Caption(), " Sąvokos: ");
    if (row.groups == 2) {
      EXPECT_EQ(groups[1]->Caption(), " Formulės: ");
    }
    const Counted counted = CountLabels(page->ArtPanel2);
    EXPECT_EQ(counted.labels.size(), row.labels);
    EXPECT_EQ(counted.pictures.size(), row.pictures);
    for (QLabel* picture : counted.pictures) {
      const PictureInfo* info = FindPicture(picture->objectName().toLatin1().constData());
      ASSERT_NE(info, nullptr) << picture->objectName().toStdString();
      EXPECT_EQ(picture->pixmap().size(), QSize(info->width, info->height)) << info->name;
    }
    TLbSpeedButton* back = page->findChild<TLbSpeedButton*>(QString::fromLatin1(row.backButton));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Caption(), "Grįžti");
    EXPECT_EQ(back->size(), QSize(109, 25));
    const QPoint backAt = row.groups == 1 ? QPoint(2 + 16 + 274, 26 + 7 + 320) : QPoint(2 + 282, 26 + 336);
    EXPECT_EQ(back->mapTo(page, QPoint()), backAt);
  }
}

// Nothing a pupil reads may run out of its group, under the buttons or
// under a figure.
TEST_F(HandbookTest, textsAndPicturesStayInsideTheirGroupAboveTheButtons) {
  for (const ExpectedPage& row : kPages) {
    SCOPED_TRACE(row.window);
    THandbookPage* page = PageWindow(row);
    for (TColoredGroupBox* group : page->ArtPanel2->findChildren<TColoredGroupBox*>()) {
      const int bottom = row.groups == 1 ? 318 : group->height() - 3;
      const Counted counted = CountLabels(group);
      for (QLabel* label : group->findChildren<QLabel*>()) {
        const QRect r = label->geometry();
        EXPECT_TRUE(r.left() >= 3 && r.top() >= 12 && r.right() <= group->width() - 4 && r.bottom() <= bottom)
            << label->text().left(40).toStdString() << " at " << r.x() << "," << r.y() << " " << r.width() << "x"
            << r.height();
      }
      // Line by line, since a block's label is as wide as its longest line.
      for (QLabel* label : counted.labels) {
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
          const QRect line(label->x(), label->y() + int(i) * metrics.lineSpacing(),
                           metrics.horizontalAdvance(lines[i].trimmed().isEmpty() ? QString() : lines[i]),
                           metrics.lineSpacing());
          for (QLabel* picture : counted.pictures) {
            EXPECT_FALSE(line.intersects(picture->geometry()))
                << lines[i].toStdString() << " runs under " << picture->objectName().toStdString();
          }
        }
      }
    }
  }
}

// A handbook figure that no page shows is drawn and carried for nothing.
TEST_F(HandbookTest, everyHandbookFigureIsShownOnce) {
  Form116->EnsureContents();
  QStringList shown{Form116->Image1->objectName()};
  for (const ExpectedPage& row : kPages) {
    for (QLabel* picture : CountLabels(PageWindow(row)->ArtPanel2).pictures) shown.append(picture->objectName());
  }
  for (const PictureInfo& info : AllPictures()) {
    const QString name = QLatin1String(info.name);
    if (name.startsWith(QStringLiteral("hb_"))) {
      EXPECT_EQ(shown.count(name), 1) << info.name;
    }
  }
  EXPECT_EQ(shown.size(), 20) << "19 on the pages, one on the sub-page";
}

TEST_F(HandbookTest, indexHasTheEighteenTopicButtonsOpeningTheirPages) {
  Form97->EnsureContents();
  EXPECT_EQ(Form97->ArtPanel1->Caption(), "ROVA 2004 - Žinynas");
  EXPECT_EQ(Form97->ColoredGroupBox1->Caption(), "Temos: ");
  ASSERT_EQ(Form97->LbSpeedButtons.size(), 18);
  EXPECT_EQ(Form97->LbSpeedButtons[0]->Caption(), "1. Skaičiai. Skaičių dalumas");
  EXPECT_EQ(Form97->LbSpeedButtons[11]->Caption(), "12. Nelygybės. Nelygybių sistemos");
  EXPECT_EQ(Form97->LbSpeedButtons[17]->Caption(), "18. Panašumas");
  EXPECT_EQ(Form97->LbSpeedButtons[16]->geometry(), QRect(336, 240, 297, 25));
  EXPECT_EQ(Form97->LbSpeedButtons[9]->geometry(), QRect(338, 16, 295, 25));

  // Each button opens its own page on top of the index; "Grįžti" goes back.
  std::vector<QString> opened;
  for (const ExpectedPage& row : kPages) {
    THandbookPage* page = PageWindow(row);
    QObject::connect(page, &ProgramWindow::Opened, page, [&opened, page] {
      opened.push_back(page->objectName());
      EXPECT_EQ(QApplication::activeModalWidget(), page);
      Later([page] { Click(page->BackButton); });
    });
  }
  QObject::connect(Form97, &ProgramWindow::Opened, Form97, [] {
    Later([] {
      for (TLbSpeedButton* button : Form97->LbSpeedButtons) {
        Click(button);
        EXPECT_TRUE(Form97->IsOpen());
      }
      Form97->Close();
    });
  });
  Form97->ShowModal();
  std::vector<QString> expected;
  for (const ExpectedPage& row : kPages) expected.push_back(QString::fromLatin1(row.window));
  EXPECT_EQ(opened, expected);
}

// "X" on a page asks first: going back lands on the index, leaving ends the program.
TEST_F(HandbookTest, pageCloseButtonAsksAndGoesBackToTheIndexOrEnds) {
  std::vector<QString> steps;
  int confirmations = 0;
  QObject::connect(Form4, &ProgramWindow::Opened, Form4, [&] {
    ++confirmations;
    steps.push_back(Form98->IsCloseMarked() ? "asked, page marked" : "asked");
    TLbSpeedButton* choice = confirmations == 1 ? Form4->LbSpeedButton1 : Form4->LbSpeedButton2;
    Later([choice] { Click(choice); });
  });
  QObject::connect(Form98, &ProgramWindow::Opened, Form98, [] { Later([] { Click(Form98->LbButton1); }); });
  QObject::connect(Form97, &ProgramWindow::Opened, Form97, [&] {
    Later([&] {
      Form97->TopicButtonClick(1);
      steps.push_back(Form97->isVisible() && !Form98->IsOpen() ? "index" : "elsewhere");
      Form97->TopicButtonClick(1);
      steps.push_back(ProgramWindow::IsProgramEnding() ? "ending" : "running");
    });
  });
  // Leaving ends the program's loop, so the index opens inside one.
  Later([] { Form97->ShowModal(); });
  QCoreApplication::exec();
  EXPECT_EQ(steps, (std::vector<QString>{"asked, page marked", "index", "asked, page marked", "ending"}));
  EXPECT_FALSE(Form97->IsOpen());
}

TEST_F(HandbookTest, indexCloseButtonAsksAndGoesBackToTheMainWindow) {
  QObject::connect(Form4, &ProgramWindow::Opened, Form4, [] { Later([] { Click(Form4->LbSpeedButton1); }); });
  QObject::connect(Form97, &ProgramWindow::Opened, Form97, [] { Later([] { Click(Form97->LbButton1); }); });
  Form97->ShowModal();
  EXPECT_FALSE(Form97->IsOpen());
  EXPECT_FALSE(ProgramWindow::IsProgramEnding());
}

TEST_F(HandbookTest, subPageOpensFromTopicFifteenAndClosesWithoutAsking) {
  int confirmations = 0;
  QObject::connect(Form4, &ProgramWindow::Opened, Form4, [&] { ++confirmations; });
  int subPageOpenings = 0;
  QObject::connect(Form116, &ProgramWindow::Opened, Form116, [&] {
    ++subPageOpenings;
    EXPECT_EQ(Form116->size(), QSize(478, 453));
    EXPECT_EQ(Form116->ArtPanel1->Caption(), "ROVA 2004 - Žinynas - Keturkampiai - Keturkampių skirstymas");
    EXPECT_EQ(Form116->Image1->pixmap().size(), QSize(439, 317));
    EXPECT_EQ(Form116->Image1->pos(), QPoint(4, 25));
    TLbButton* close = Form116->LbButton1;
    TLbSpeedButton* shut = Form116->LbSpeedButton5;
    Later([=] { Click(subPageOpenings == 1 ? static_cast<QWidget*>(close) : shut); });
  });
  QObject::connect(Form112, &ProgramWindow::Opened, Form112, [] {
    Later([] {
      EXPECT_EQ(Form112->SubPageButton->geometry(), QRect(16, 288, 321, 25));
      EXPECT_EQ(Form112->SubPageButton->Caption(), "Keturkampių skirstymas");
      Click(Form112->SubPageButton);
      EXPECT_TRUE(Form112->IsOpen() && !Form112->IsCloseMarked()) << "back on the page at once";
      Click(Form112->SubPageButton);
      Click(Form112->BackButton);
    });
  });
  Form112->ShowModal();
  EXPECT_EQ(subPageOpenings, 2);
  EXPECT_EQ(confirmations, 0);
}

// The index, the 18 pages and the sub-page on one sheet, and each on its own.
TEST_F(HandbookTest, contactSheetOfEveryHandbookWindow) {
  std::vector<ProgramWindow*> windows{Form97};
  for (int topic = 1; topic <= 18; ++topic) windows.push_back(HandbookPageForm(topic));
  windows.push_back(Form116);
  const QDir dir(rova::testing::ArtifactDir());
  constexpr int kColumns = 4;
  QImage sheet(kColumns * 700, ((int(windows.size()) + kColumns - 1) / kColumns) * 418, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  for (std::size_t i = 0; i < windows.size(); ++i) {
    ProgramWindow* window = windows[i];
    window->EnsureContents();
    window->show();
    const QImage image = window->grab().toImage();
    window->hide();
    ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("handbook_%1.png").arg(window->objectName()))));
    painter.drawImage(int(i % kColumns) * 700, int(i / kColumns) * 418, image);
  }
  painter.end();
  ASSERT_TRUE(sheet.save(dir.filePath(QStringLiteral("handbook_contact_sheet.png"))));
}

}  // namespace
}  // namespace rova
