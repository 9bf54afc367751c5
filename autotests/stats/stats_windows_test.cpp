// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <cerrno>
#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

#include "controls/check_radio.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "new_pupil.h"
#include "stats/ui/report_window.h"
#include "stats/ui/settings_messages.h"
#include "stats/ui/settings_window.h"
#include "tasks/check_procedure.h"
#include "temp_dir.h"
#include "textio/fault_injection.h"
#include "window/error_box.h"
#include "window_driver.h"

namespace rova {
namespace {

using testing::Click;
using testing::Later;

constexpr TColor kSilver = FromRgb(192, 192, 192);

void Grab(QWidget* window, const QString& file) {
  window->grab().toImage().save(QDir(testing::ArtifactDir()).filePath(file));
}

// The report's four figures and description, as shown.
std::vector<QString> Figures() {
  return {Form117->Label5->text(), Form117->Label6->text(), Form117->Label7->text(), Form117->Label3->text()};
}

class StatsWindowsTest : public testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    testing::WriteNewPupil("jonas", "Jonas", "Žemaitis");
    Form117 = new TForm117;
    Form126 = new TForm126;
    Form127 = new TForm127;
    Form117->EnsureContents();
    Form126->EnsureContents();
    ChoiceMissingWindow = new TChoiceMissingWindow;
  }
  void TearDown() override {
    for (ProgramWindow* window : std::initializer_list<ProgramWindow*>{Form117, Form126, Form127, ChoiceMissingWindow})
      delete window;
    Form117 = nullptr;
    Form126 = nullptr;
    Form127 = nullptr;
    ChoiceMissingWindow = nullptr;
    InTempDir::TearDown();
  }

  // Opens `window` modally, runs `steps` inside it, and closes it if the
  // steps have not, so that a failing step cannot leave the test waiting.
  static void Inside(ProgramWindow* window, std::function<void()> steps) {
    Later([window, steps] {
      steps();
      window->Close();
    });
    window->ShowModal();
  }
  // Presses "Patvirtinti"; a message window it opens is recorded and closed
  // with "Gerai".
  void Confirm() {
    std::vector<QMetaObject::Connection> watches;
    for (MessageWindow* message : {static_cast<MessageWindow*>(Form127),
                                          static_cast<MessageWindow*>(ChoiceMissingWindow)}) {
      watches.push_back(QObject::connect(message, &ProgramWindow::Opened, message, [this, message] {
        messages.push_back(message->Label1->text());
        Grab(message, message == Form127 ? "stats_range_error.png" : "stats_choice_missing.png");
        Later([message] { Click(message->LbSpeedButton2); });
      }));
    }
    Click(Form126->LbSpeedButton3);
    for (const QMetaObject::Connection& watch : watches) QObject::disconnect(watch);
  }
  static void ExpectGroup(TColoredGroupBox* box, bool enabled) {
    EXPECT_EQ(box->isEnabled(), enabled);
    EXPECT_EQ(box->BorderColor(), enabled ? kClBlack : kSilver);
    EXPECT_EQ(box->FontColor(), enabled ? kClBlack : kSilver);
  }
  std::vector<QString> messages;
};

TEST_F(StatsWindowsTest, eachModeEnablesItsGroupAndConfirmStoresTheChoice) {
  Inside(Form126, [this] {
    EXPECT_TRUE(Form126->AMRadioButton2->Checked());
    ExpectGroup(Form126->ColoredGroupBox1, false);
    ExpectGroup(Form126->ColoredGroupBox3, false);
    for (QComboBox* list : {Form126->ComboBox1, Form126->ComboBox2, Form126->ComboBox3, Form126->ComboBox4}) {
      EXPECT_EQ(list->currentIndex(), -1);
      EXPECT_EQ(list->placeholderText(), "--");
    }
    EXPECT_EQ(Form126->ComboBox2->count(), 18);
    EXPECT_EQ(Form126->ComboBox4->count(), 5);
    Grab(Form126, "stats_settings_all.png");

    Click(Form126->AMRadioButton1);
    ExpectGroup(Form126->ColoredGroupBox1, true);
    ExpectGroup(Form126->ColoredGroupBox3, false);
    Form126->ComboBox1->setCurrentIndex(0);
    Form126->ComboBox2->setCurrentIndex(17);
    Grab(Form126, "stats_settings_range.png");
    Confirm();
    EXPECT_EQ(readBytes("jonas_checkbox.dat"), "2\r\n0\r\n17\r\n");
    EXPECT_TRUE(Form126->IsCloseMarked());
    EXPECT_EQ(Form117->Label3->text(), "nuo 1 iki 18 temos.") << "the report recomputes at once";
  });

  // Reopened, it shows the last choice of this run, whatever the file holds.
  writeBytes("jonas_checkbox.dat", "3\r\n1\r\n1\r\n");
  Inside(Form126, [this] {
    EXPECT_TRUE(Form126->AMRadioButton1->Checked());
    EXPECT_EQ(Form126->ComboBox2->currentText(), "18");
    Click(Form126->Label4);  // the caption clicks its radio button
    EXPECT_TRUE(Form126->AMRadioButton3->Checked());
    ExpectGroup(Form126->ColoredGroupBox3, true);
    ExpectGroup(Form126->ColoredGroupBox1, false);
    EXPECT_EQ(Form126->ComboBox2->currentIndex(), 17) << "a disabled list keeps its choice";
    Form126->ComboBox3->setCurrentIndex(6);
    Form126->ComboBox4->setCurrentIndex(4);
    Grab(Form126, "stats_settings_task.png");
    Confirm();
    EXPECT_EQ(readBytes("jonas_checkbox.dat"), "3\r\n6\r\n4\r\n");
    EXPECT_EQ(Form117->Label3->text(), "7 temos 5 uždavinys.");
  });

  Inside(Form126, [this] {
    Click(Form126->AMRadioButton2);
    ExpectGroup(Form126->ColoredGroupBox1, false);
    ExpectGroup(Form126->ColoredGroupBox3, false);
    Confirm();
    EXPECT_EQ(readBytes("jonas_checkbox.dat"), "1\r\n0\r\n0\r\n") << "the lists play no part";
  });
  EXPECT_TRUE(messages.empty());
}

TEST_F(StatsWindowsTest, refusedChoicesShowTheirMessageAndWriteNothing) {
  Inside(Form126, [this] {
    Click(Form126->AMRadioButton1);
    Form126->ComboBox1->setCurrentIndex(2);
    Form126->ComboBox2->setCurrentIndex(2);
    Confirm();
    Form126->ComboBox1->setCurrentIndex(4);
    Form126->ComboBox2->setCurrentIndex(1);
    Confirm();
    Form126->ComboBox1->setCurrentIndex(-1);
    Confirm();
    Click(Form126->AMRadioButton3);
    Form126->ComboBox3->setCurrentIndex(6);
    Confirm();
    EXPECT_FALSE(Form126->IsCloseMarked()) << "the window stays for a correction";
    EXPECT_EQ(Form126->ComboBox3->currentIndex(), 6);

    // A settings file that cannot be written ends the confirm in the stop box.
    Form126->ComboBox4->setCurrentIndex(0);
    ScopedFault readOnly("jonas_checkbox.dat", FaultOp::Create, EACCES);
    ScopedErrorBoxPresenter presenter([this](QWidget*, const QString& text) { messages.push_back(text); });
    Confirm();
    EXPECT_FALSE(Form126->IsCloseMarked());
  });
  EXPECT_EQ(messages, (std::vector<QString>{"Temų įvedimo klaida: pirmoji tema turi būti mažesnė",
                                            "Temų įvedimo klaida: pirmoji tema turi būti mažesnė",
                                            "Nustatymų klaida: nepasirinkta pirmoji tema.",
                                            "Nustatymų klaida: nepasirinkta užduotis.", "File access denied."}));
  EXPECT_EQ(readBytes("jonas_checkbox.dat"), "1\r\n");
}

TEST_F(StatsWindowsTest, settingsBackWritesNothingAndKeepsTheFigures) {
  Inside(Form117, [this] {
    EXPECT_EQ(Form117->Label1->text(), "Jonas Žemaitis");
    Grab(Form117, "stats_report_new_user.png");
    writeBytes("jonas_1-1.dat", "3\r\n5\r\n");
    QObject::connect(Form126, &ProgramWindow::Opened, Form126, [] {
      Later([] {
        Click(Form126->AMRadioButton3);
        Form126->ComboBox3->setCurrentIndex(0);
        Form126->ComboBox4->setCurrentIndex(0);
        Click(Form126->LbSpeedButton1);
      });
    }, Qt::SingleShotConnection);
    Click(Form117->LbSpeedButton3);
    EXPECT_FALSE(Form126->IsOpen());
    EXPECT_EQ(Figures(), (std::vector<QString>{"Teisingų atsakymų: 0.", "Neteisingų atsakymų: 0.",
                                               "Iš viso spręsta 0 uždavinių.", "pagal visas užduotis."}));
    EXPECT_EQ(readBytes("jonas_checkbox.dat"), "1\r\n");
    Click(Form117->LbSpeedButton1);
    EXPECT_TRUE(Form117->IsCloseMarked());
  });
}

// A right and a wrong check of task 3-2 through the check procedure, then
// the report over all tasks and over that task.
TEST_F(StatsWindowsTest, reportShowsChecksMadeThroughTheCheckProcedure) {
  const TaskRow& row = CatalogueRow({3, 2});
  ASSERT_NE(row.kind, CheckKind::Fraction);
  TaskEntry right;
  if (row.kind == CheckKind::Choice) right.checkedRadio = row.rightRadio;
  if (!row.expected.isEmpty()) right.field1 = row.expected[0];
  if (row.expected.size() > 1) right.field2 = row.expected[1];
  ASSERT_EQ(CheckAnswer(row, right), Verdict::Right);
  ASSERT_EQ(CheckAnswer(row, TaskEntry{"?", "?", {}}), Verdict::Wrong);

  Inside(Form117, [] {
    EXPECT_EQ(Figures(), (std::vector<QString>{"Teisingų atsakymų: 1.", "Neteisingų atsakymų: 1.",
                                               "Iš viso spręsti 2 uždaviniai.", "pagal visas užduotis."}));
    Grab(Form117, "stats_report_after_checks.png");
  });
  ASSERT_EQ(CheckAnswer(row, right), Verdict::Right);
  writeBytes("jonas_checkbox.dat", "2\r\n2\r\n6\r\n");
  Inside(Form117, [] {
    EXPECT_EQ(Form117->Label7->text(), "Iš viso spręsti 3 uždaviniai.");
    EXPECT_EQ(Form117->Label3->text(), "nuo 3 iki 7 temos.");
    Grab(Form117, "stats_report_range.png");
  });
  writeBytes("jonas_checkbox.dat", "3\r\n2\r\n1\r\n");
  Inside(Form117, [] {
    EXPECT_EQ(Figures(), (std::vector<QString>{"Teisingų atsakymų: 2.", "Neteisingų atsakymų: 1.",
                                               "Uždavinys spręstas 3 kartus.", "3 temos 2 uždavinys."}));
    Grab(Form117, "stats_report_task.png");
  });
}

// Each failure shows the stop box; the labels set before it show the new
// texts, the rest keep theirs; the report still closes with "Grįžti".
TEST_F(StatsWindowsTest, everyFailureShowsTheStopBoxAndLeavesTheReportUsable) {
  struct Row {
    const char* what;
    const char* file;
    const char* bytes;  // nullptr: the file is removed
    const char* box;    // "" when no box is expected
    bool nameChanges;
  };
  const Row rows[] = {
      {"no session", "temp.dat", nullptr, "File not found.", false},
      {"no settings", "jonas_checkbox.dat", nullptr, "File not found.", false},
      {"bad settings", "jonas_checkbox.dat", "x\r\n", "Invalid numeric input.", false},
      {"no profile", "user_jonas.dat", nullptr, "File not found.", false},
      {"list left at --", "jonas_checkbox.dat", "2\r\n-1\r\n3\r\n", "File not found.", true},
      {"bad result", "jonas_18-5.dat", "abc\r\n", "Invalid numeric input.", true},
      {"unknown mode", "jonas_checkbox.dat", "4\r\n", "", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    testing::WriteNewPupil("jonas", "Jonas", "Žemaitis");
    writeBytes("jonas_1-1.dat", "1\r\n1\r\n");
    Inside(Form117, [] {});
    const std::vector<QString> before = Figures();
    testing::WriteNewPupil("jonas", "Ona", "Onaitė");
    if (row.bytes) {
      writeBytes(row.file, row.bytes);
    } else {
      QFile::remove(row.file);
    }
    std::vector<QString> boxes;
    ScopedErrorBoxPresenter presenter([&boxes](QWidget* window, const QString& text) {
      EXPECT_EQ(window, Form117);
      boxes.push_back(text);
    });
    Inside(Form117, [&] {
      EXPECT_EQ(boxes, row.box[0] ? std::vector<QString>{row.box} : std::vector<QString>{});
      EXPECT_EQ(Form117->Label1->text(), row.nameChanges ? "Ona Onaitė" : "Jonas Žemaitis");
      EXPECT_EQ(Figures(), before);
      Click(Form117->LbSpeedButton1);
      EXPECT_TRUE(Form117->IsCloseMarked());
    });
  }
}

}  // namespace
}  // namespace rova
