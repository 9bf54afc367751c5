// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing a pupil has to read in a task window or a verdict is cut off.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "controls/check_radio.h"
#include "window/text_pieces.h"
#include "window/window_registry.h"

namespace rova {
namespace {

class TaskWindowLabelsTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateWindows(); }
  void TearDown() override { DestroyRegisteredWindows(); }
};

TEST_F(TaskWindowLabelsTest, statementAndAnswerLabelsStayInsideTheirGroups) {
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    for (int task = 1; task <= kTasksPerTopic; ++task) {
      TTaskForm* window = TaskForm({topic, task});
      window->EnsureContents();
      for (QLabel* label : window->StatementLabels + window->AnswerLabels) {
        const QWidget* group = label->parentWidget();
        EXPECT_LE(label->geometry().right(), group->width() - 3)
            << topic << "-" << task << ": " << label->text().toStdString();
      }
    }
  }
  for (MessageWindow* verdict : {static_cast<MessageWindow*>(Form6), static_cast<MessageWindow*>(Form7)}) {
    verdict->EnsureContents();
    EXPECT_LE(verdict->Label1->fontMetrics().horizontalAdvance(verdict->Label1->text()), 284);
  }
}

// What a screen reader reads: a formula drawn from several labels is one plain
// line, its pieces say nothing; fields and choices are named by the words
// beside them.
struct ReadAloud {
  TaskId task;
  std::vector<std::string> statement;  // lines read, among others
  std::vector<std::string> controls;   // the fields' or the choices' names, in order
};

std::vector<std::string> Read(const QList<QLabel*>& labels) {
  std::vector<std::string> read;
  for (const QLabel* label : labels) {
    if (!SpokenText(*label).isEmpty()) read.push_back(SpokenText(*label).toStdString());
  }
  return read;
}

TEST_F(TaskWindowLabelsTest, formulasReadAsPlainTextAndControlsByTheWordsBesideThem) {
  const ReadAloud cases[] = {
      {{3, 1}, {"( x )³ = 27/64"}, {"Skaitiklis", "Vardiklis"}},
      {{3, 2}, {"Kam lygu n² + k², jeigu 2ⁿ = 32 ir 3ᵏ = 9?"}, {"Atsakymas"}},
      {{3, 3}, {}, {"Standartinė išraiška", "Laipsnio rodiklis"}},
      {{3, 4}, {"Atlikite veiksmus ir parašykite atsakymą: ∛(49 * 25 * 45 * 21)"}, {"Atsakymas"}},
      {{6, 5}, {"(√5 - √3)(√5 + √3)."}, {"Atsakymas"}},
      {{7, 3}, {"Išspręskite lygtį: (x² - 4x + 4)/2 = 0."}, {"Atsakymas: x ="}},
      {{8, 4}, {"Apskaičiuokite aritmetinės progresijos S₂₁, kai a₁ = 3, d = 4."}, {"Atsakymas"}},
      {{10, 4}, {"Parašykite grafike pavaizduotos parabolės lygtį pavidalu y = kx²."}, {"y = x²", "y = 3x²", "y = 9x²"}},
      {{11, 1}, {"x - 2y = 5,", "2x - 3y = 9."}, {"Atsakymas: x =", "y ="}},
      {{12, 4}, {}, {"x ∈ (-∞; 2) U (4; 8)", "x ∈ (-∞; 1) U (4; +∞)", "x ∈ (- 2; 0) U (0; 4)"}},
      {{13, 2}, {"Lenta atremta į sieną ir su grindimis sudaro 68° kampą."}, {"Atsakymas"}},
      {{17, 2}, {"Pavaizduoti trikampiai ABC ir A₁B₁C₁ yra lygūs. Apskaičiuokite"}, {"Atsakymas"}},
  };
  for (const ReadAloud& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.task.topic << "-" << c.task.task);
    TTaskForm* window = TaskForm(c.task);
    window->EnsureContents();
    const std::vector<std::string> statement = Read(window->StatementLabels);
    for (const std::string& line : c.statement)
      EXPECT_NE(std::find(statement.begin(), statement.end(), line), statement.end()) << line;
    std::vector<std::string> controls;
    for (const QLineEdit* field : window->Edits) controls.push_back(field->accessibleName().toStdString());
    for (const TAMRadioButton* radio : window->RadioButtons) controls.push_back(radio->accessibleName().toStdString());
    EXPECT_EQ(controls, c.controls);
  }
  // The unit after a field describes it; the pieces of a formula are not read.
  TTaskForm* squareMetres = TaskForm({2, 4});
  squareMetres->EnsureContents();
  EXPECT_EQ(squareMetres->Edits[0]->accessibleDescription(), "m².");
  TTaskForm* equation = TaskForm({7, 2});
  equation->EnsureContents();
  QLabel* exponent = equation->StatementLabels.last();
  ASSERT_EQ(exponent->text(), "2");
  QAccessibleInterface* read = QAccessible::queryAccessibleInterface(exponent);
  EXPECT_TRUE(read->text(QAccessible::Name).isEmpty());
  EXPECT_TRUE(read->state().invisible);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(equation->StatementLabels.first())->text(QAccessible::Name),
            "Išspręskite lygtį: x² - 6x + 9 = 0.");
}

}  // namespace
}  // namespace rova
