// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "tasks/answer_check.h"
#include "course/task_catalogue.h"
#include "window/program_window.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace rova {

class TAMRadioButton;
class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;
struct AnswerLayout;
struct TaskLayout;

// TTaskForm: a task window of the tests (TForm5, TForm8 to TForm96), built
// from its task's layout and catalogue row. It makes its controls when first
// shown.
class TTaskForm : public ProgramWindow {
  Q_OBJECT

 public:
  explicit TTaskForm(TaskId id);

  TArtPanel* ArtPanel1 = nullptr;        // title bar
  TLbButton* LbButton1 = nullptr;        // "X"
  TArtPanel* ArtPanel2 = nullptr;        // body
  TColoredGroupBox* GroupBox1 = nullptr; // " Užduotis nr. k "
  TColoredGroupBox* GroupBox2 = nullptr; // " Juodraštis "
  TColoredGroupBox* GroupBox3 = nullptr; // " Atsakymas: "
  QPlainTextEdit* Memo1 = nullptr;       // the scratch pad
  QList<QLineEdit*> Edits;               // the answer fields in the check's order
  QList<TAMRadioButton*> RadioButtons;   // left to right
  QList<QLabel*> StatementLabels;
  QList<QLabel*> AnswerLabels;
  TLbSpeedButton* LbSpeedButton1 = nullptr;  // "Tikrinti atsakymą"
  TLbSpeedButton* LbSpeedButton2 = nullptr;  // "Sekantis uždavinys", absent in task 5
  TLbSpeedButton* LbSpeedButton3 = nullptr;  // "Buvęs uždavinys", absent in task 1

  // What the pupil has entered.
  TaskEntry Entry() const;

  void LbButton1Click();
  void LbSpeedButton1Click();
  void LbSpeedButton2Click();
  void LbSpeedButton3Click();

 protected:
  void BuildContents() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildStatement(const TaskLayout& layout);
  void BuildAnswer(const TaskLayout& layout);
  // Names the answer fields and choices for a screen reader.
  void NameAnswerControls(const AnswerLayout& answer);

  TaskId id_;
};

// "Form5" for task 1-1, "Form8" for 1-2, "Form12" for 2-1.
QString TaskWindowName(TaskId id);

// The task window of a task, once start-up has made it.
TTaskForm* TaskForm(TaskId id);

}  // namespace rova
