// SPDX-License-Identifier: GPL-3.0-or-later
// The answer areas of topics 10 to 18: the options of the choice tasks (their
// order, their one shared look, their grouping, a check with nothing chosen),
// and labels that stay clear of the buttons and fields; and, for all 90
// tasks, that a layout names only pictures the program carries.
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "controls/check_radio.h"
#include "controls/colored_group_box.h"
#include "controls/control_bitmaps.h"
#include "controls/lb_speed_button.h"
#include "pictures/picture_list.h"
#include "tasks/task_layout.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "temp_dir.h"
#include "window_driver.h"
#include "window/window_registry.h"

namespace rova {
namespace {

using testing::Click;
using testing::Later;
using testing::OpenLog;

struct ChoiceTask {
  int topic;
  int task;
  QStringList leftToRight;  // radio button names as the options stand
};

const ChoiceTask kChoiceTasks[] = {
    {10, 2, {"AMRadioButton2", "AMRadioButton3"}},
    {10, 3, {"AMRadioButton1", "AMRadioButton2", "AMRadioButton3"}},
    {10, 4, {"AMRadioButton1", "AMRadioButton2", "AMRadioButton3"}},
    {10, 5, {"AMRadioButton1", "AMRadioButton2", "AMRadioButton3"}},
    {12, 2, {"AMRadioButton1", "AMRadioButton2", "AMRadioButton3"}},
    {12, 3, {"AMRadioButton1", "AMRadioButton2", "AMRadioButton3"}},
    {12, 4, {"AMRadioButton1", "AMRadioButton2", "AMRadioButton3"}},
    {12, 5, {"AMRadioButton1", "AMRadioButton2", "AMRadioButton3"}},  // stacked, top to bottom
    {13, 3, {"AMRadioButton1", "AMRadioButton2"}},
    {17, 3, {"AMRadioButton2", "AMRadioButton1", "AMRadioButton3"}},
    {17, 4, {"AMRadioButton2", "AMRadioButton1", "AMRadioButton3"}},
    {17, 5, {"AMRadioButton2", "AMRadioButton1", "AMRadioButton3"}},
    {18, 4, {"AMRadioButton2", "AMRadioButton1", "AMRadioButton3"}},
};

class TaskChoicesTest : public testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    CreateWindows();
  }
  void TearDown() override {
    DestroyRegisteredWindows();
    InTempDir::TearDown();
  }
  static TTaskForm* Task(int topic, int task) {
    TTaskForm* window = TaskForm({topic, task});
    window->EnsureContents();
    return window;
  }
  static QStringList Checked(const TTaskForm* window) {
    QStringList names;
    for (const TAMRadioButton* radio : window->RadioButtons) {
      if (radio->Checked()) names.append(radio->objectName());
    }
    return names;
  }
};

TEST_F(TaskChoicesTest, optionsStandInTheirOrderUncheckedWithTheOneSharedLook) {
  const TAMCbRbHost* host = Task(9, 1)->RadioButtons.value(0)->Host();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->Glyph(), ControlBitmap(QStringLiteral("AMRADIO")));
  for (const ChoiceTask& c : kChoiceTasks) {
    TTaskForm* window = Task(c.topic, c.task);
    QList<TAMRadioButton*> radios = window->RadioButtons;
    std::sort(radios.begin(), radios.end(), [](const QWidget* a, const QWidget* b) {
      return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
    });
    QStringList names;
    for (const TAMRadioButton* radio : radios) {
      names.append(radio->objectName());
      EXPECT_EQ(radio->Host(), host) << c.topic << "-" << c.task;
      EXPECT_EQ(radio->parentWidget(), static_cast<QWidget*>(window->GroupBox3)) << c.topic << "-" << c.task;
    }
    EXPECT_EQ(names, c.leftToRight) << c.topic << "-" << c.task;
    EXPECT_TRUE(Checked(window).isEmpty()) << c.topic << "-" << c.task;
  }
}

TEST_F(TaskChoicesTest, choosingAnOptionClearsTheOthersOfItsOwnTaskOnly) {
  TTaskForm* first = Task(17, 3);
  TTaskForm* second = Task(17, 4);
  first->show();
  second->show();
  auto radio = [](TTaskForm* window, const char* name) {
    return window->findChild<TAMRadioButton*>(QString::fromLatin1(name));
  };
  Click(radio(second, "AMRadioButton2"));
  Click(radio(first, "AMRadioButton1"));
  Click(radio(first, "AMRadioButton3"));
  EXPECT_EQ(Checked(first), QStringList{"AMRadioButton3"});
  EXPECT_EQ(Checked(second), QStringList{"AMRadioButton2"});
  Click(radio(first, "AMRadioButton3"));  // a checked option stays checked
  EXPECT_EQ(Checked(first), QStringList{"AMRadioButton3"});
  first->hide();
  second->hide();
}

TEST_F(TaskChoicesTest, checkingWithNothingChosenCountsAWrongAnswer) {
  writeBytes("temp.dat", "ona\r\n");
  std::vector<QString> verdicts;
  OpenLog log;
  for (MessageWindow* verdict : {static_cast<MessageWindow*>(Form6), static_cast<MessageWindow*>(Form7)}) {
    log.Watch(verdict, [&verdicts](ProgramWindow* shown) {
      verdicts.push_back(static_cast<MessageWindow*>(shown)->Label1->text());
      Click(static_cast<MessageWindow*>(shown)->LbSpeedButton1);
    });
  }
  for (const ChoiceTask& c : kChoiceTasks) {
    const QString file = QStringLiteral("ona_%1-%2.dat").arg(c.topic).arg(c.task);
    writeBytes(file, "0\r\n");
    TTaskForm* window = Task(c.topic, c.task);
    verdicts.clear();
    Later([window] {
      Click(window->LbSpeedButton1);
      window->Close();
    });
    window->ShowModal();
    EXPECT_EQ(verdicts, std::vector<QString>{"ATSAKYMAS NETEISINGAS!!!"}) << c.topic << "-" << c.task;
    EXPECT_EQ(readBytes(file), QByteArray("0\r\n1\r\n")) << c.topic << "-" << c.task;
  }
}

// A misspelt symbol picture would leave a silent gap in a formula.
TEST(TaskLayouts, nameOnlyPicturesTheProgramCarries) {
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    for (int task = 1; task <= kTasksPerTopic; ++task) {
      const TaskLayout& layout = LayoutOf({topic, task});
      for (const PicturePiece& piece : layout.statement.pieces.pictures + layout.answer.pieces.pictures) {
        EXPECT_NE(FindPicture(piece.pictureName.toLatin1().constData()), nullptr)
            << topic << "-" << task << ": " << piece.pictureName.toStdString();
      }
    }
  }
}

TEST_F(TaskChoicesTest, labelsAndOptionsStayClearOfButtonsAndFields) {
  for (int topic = 10; topic <= kTopicCount; ++topic) {
    for (int task = 1; task <= kTasksPerTopic; ++task) {
      TTaskForm* window = Task(topic, task);
      QList<QRect> solid;
      for (QWidget* button : {static_cast<QWidget*>(window->LbSpeedButton1), static_cast<QWidget*>(window->LbSpeedButton2),
                              static_cast<QWidget*>(window->LbSpeedButton3)}) {
        if (button) solid.append(button->geometry());
      }
      for (const QLineEdit* edit : window->Edits) solid.append(edit->parentWidget()->geometry());
      // What is drawn: a label's letters (not its blanks), a radio button's box.
      QList<std::pair<QRect, QString>> drawn;
      for (const QLabel* label : window->AnswerLabels) {
        const QString text = label->text();
        qsizetype blanks = 0;
        while (blanks < text.size() && text[blanks] == QLatin1Char(' ')) ++blanks;
        const QFontMetrics metrics = label->fontMetrics();
        const QRect ink = metrics.tightBoundingRect(text.mid(blanks))
                              .translated(metrics.horizontalAdvance(text.left(blanks)), metrics.ascent());
        drawn.append({ink.translated(label->pos()), text});
      }
      for (const TAMRadioButton* radio : window->RadioButtons) drawn.append({radio->geometry(), radio->objectName()});
      for (const auto& [rect, what] : drawn) {
        for (const QRect& other : solid) {
          EXPECT_FALSE(rect.intersects(other)) << topic << "-" << task << ": " << what.toStdString();
        }
      }
    }
  }
}

}  // namespace
}  // namespace rova
