// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <QApplication>
#include <map>
#include <optional>

#include "accounts/ui/account_dialogs.h"
#include "accounts/ui/login_window.h"
#include "course/task_catalogue.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "app/about_window.h"
#include "app/exit_confirmation_window.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/topic_menu_window.h"
#include "handbook/handbook_index_window.h"
#include "handbook/handbook_page.h"
#include "handbook/handbook_page_window.h"
#include "handbook/quadrilaterals_window.h"
#include "stats/ui/report_window.h"
#include "stats/ui/settings_messages.h"
#include "stats/ui/settings_window.h"
#include "window/error_box.h"
#include "window/window_names.h"
#include "window/window_registry.h"
#include "textio/store_transaction.h"

namespace rova {

namespace {

template <class Window, class... Args>
void Create(Window*& reference, QStringView name, const Args&... args) {
  reference = new Window(args...);
  reference->setObjectName(name.toString());
  RegisterWindow(reference, [&reference] { reference = nullptr; });
}

// A task window, reached by its name ("Form39") like the others.
void CreateTaskWindow(TaskId id) {
  auto* window = new TTaskForm(id);
  window->setObjectName(TaskWindowName(id));
  RegisterWindow(window, [] {});
}

// The task whose window is number `number` in the catalogue, or none.
std::optional<TaskId> TaskOfWindow(int number) {
  static const std::map<int, TaskId> tasks = [] {
    std::map<int, TaskId> byNumber;
    for (const TaskRow& row : TaskCatalogue()) byNumber[row.windowNumber] = row.id;
    return byNumber;
  }();
  const auto found = tasks.find(number);
  return found == tasks.end() ? std::nullopt : std::optional<TaskId>(found->second);
}

// Makes window number `number` if the program has it; the numbers follow the
// window classes (TForm5 is number 5).
void CreateNumberedWindow(int number) {
  switch (number) {
    case 1:
      Create(Form1, kSplashWindowName);
      break;
    case 2:
      Create(Form2, kMainWindowName);
      ProgramWindow::SetMainWindow(Form2);
      break;
    case 3:
      Create(Form3, u"Form3");
      break;
    case 4:
      Create(Form4, kExitConfirmationName);
      break;
    case 6:
      Create(Form6, u"Form6");
      break;
    case 7:
      Create(Form7, u"Form7");
      // The decimal-comma notice belongs with the verdicts.
      Create(DecimalCommaNotice, u"DecimalCommaNotice");
      break;
    case 97:
      Create(Form97, kHandbookIndexName);
      break;
    case 116:
      Create(Form116, u"Form116");
      break;
    case 117:
      Create(Form117, kStatisticsReportName);
      break;
    case 118:
      Create(Form118, u"Form118");
      break;
    case 120:
      Create(Form120, u"Form120");
      break;
    case 121:
      Create(Form121, u"Form121");
      break;
    case 122:
      Create(Form122, u"Form122");
      break;
    case 123:
      Create(Form123, u"Form123");
      break;
    case 124:
      Create(Form124, u"Form124");
      break;
    case 125:
      Create(Form125, u"Form125");
      // The refused-name dialogs belong with the account dialogs.
      Create(RefusedNameDialog, u"RefusedNameDialog");
      Create(LongNameDialog, u"LongNameDialog");
      break;
    case 126:
      Create(Form126, u"Form126");
      break;
    case 127:
      Create(Form127, u"Form127");
      // The missing-choice message belongs with the range error.
      Create(ChoiceMissingWindow, u"ChoiceMissingWindow");
      break;
    default:
      if (const std::optional<TaskId> task = TaskOfWindow(number)) {
        CreateTaskWindow(*task);
      } else if (number >= 98 && number <= 115) {
        const int topic = number - 97;
        Create(HandbookPageForm(topic), QStringLiteral("Form%1").arg(number),
               *HandbookPages()[topic - 1]);
      }
      break;
  }
}

}  // namespace

std::vector<int> WindowCreationOrder() {
  // The main window first, the splash second (its timer counts while the rest
  // are made), then the others by number, but for two topics whose last task
  // windows come before their first ones, and the login window with its
  // dialogs last. There is no window 119.
  std::vector<int> order{2, 1};
  auto range = [&order](int first, int last) {
    for (int n = first; n <= last; ++n) order.push_back(n);
  };
  range(3, 48);
  order.insert(order.end(), {50, 51, 49});
  range(52, 62);
  order.insert(order.end(), {65, 66, 63, 64});
  range(67, 118);
  range(120, 127);
  return order;
}

void CreateWindows() {
  for (int number : WindowCreationOrder()) CreateNumberedWindow(number);
}

void SetProgramTitle() { QCoreApplication::setApplicationName(kProgramTitle); }

void TidyDataFolderWhenLoginOpens() {
  QObject::connect(Form120, &ProgramWindow::Opened, Form120, [] { TidyDataFolder(); }, Qt::SingleShotConnection);
}

void StartMainWindow() { Form2->ShowAsMainWindow(); }

int RunProgram() {
  SetProgramTitle();
  // Only closing the main window ends the program, not hiding the last one.
  QApplication::setQuitOnLastWindowClosed(false);
  CreateWindows();
  TidyDataFolderWhenLoginOpens();
  StartMainWindow();
  const int code = QApplication::exec();
  DestroyRegisteredWindows();
  return code;
}

}  // namespace rova
