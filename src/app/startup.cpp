#include "app/startup.h"

#include <QApplication>

#include "accounts/ui/account_dialogs.h"
#include "accounts/ui/login_window.h"
#include "window/error_box.h"
#include "app/about_window.h"
#include "app/exit_confirmation_window.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "stats/ui/report_window.h"
#include "stats/ui/settings_messages.h"
#include "stats/ui/settings_window.h"
#include "app/topic_menu_window.h"
#include "handbook/handbook_index_window.h"
#include "handbook/handbook_page.h"
#include "handbook/handbook_page_window.h"
#include "handbook/quadrilaterals_window.h"
#include "window/window_registry.h"

namespace rova {

namespace {

template <class Window, class... Args>
void Create(Window*& reference, const char* name, const Args&... args) {
  reference = new Window(args...);
  reference->setObjectName(QString::fromLatin1(name));
  RegisterWindow(reference, [&reference] { reference = nullptr; });
}

// Makes window number `number` if the program has it; the numbers follow the
// window classes (TForm5 is number 5).
void CreateNumberedWindow(int number) {
  switch (number) {
    case 1:
      Create(Form1, "Form1");
      break;
    case 2:
      Create(Form2, "Form2");
      ProgramWindow::SetMainWindow(Form2);
      break;
    case 3:
      Create(Form3, "Form3");
      break;
    case 4:
      Create(Form4, "Form4");
      break;
    case 117:
      Create(Form117, "Form117");
      break;
    case 118:
      Create(Form118, "Form118");
      break;
    case 97:
      Create(Form97, "Form97");
      break;
    case 98:
      Create(Form98, "Form98", *HandbookPages()[0]);
      break;
    case 99:
      Create(Form99, "Form99", *HandbookPages()[1]);
      break;
    case 100:
      Create(Form100, "Form100", *HandbookPages()[2]);
      break;
    case 101:
      Create(Form101, "Form101", *HandbookPages()[3]);
      break;
    case 102:
      Create(Form102, "Form102", *HandbookPages()[4]);
      break;
    case 103:
      Create(Form103, "Form103", *HandbookPages()[5]);
      break;
    case 104:
      Create(Form104, "Form104", *HandbookPages()[6]);
      break;
    case 105:
      Create(Form105, "Form105", *HandbookPages()[7]);
      break;
    case 106:
      Create(Form106, "Form106", *HandbookPages()[8]);
      break;
    case 107:
      Create(Form107, "Form107", *HandbookPages()[9]);
      break;
    case 108:
      Create(Form108, "Form108", *HandbookPages()[10]);
      break;
    case 109:
      Create(Form109, "Form109", *HandbookPages()[11]);
      break;
    case 110:
      Create(Form110, "Form110", *HandbookPages()[12]);
      break;
    case 111:
      Create(Form111, "Form111", *HandbookPages()[13]);
      break;
    case 112:
      Create(Form112, "Form112", *HandbookPages()[14]);
      break;
    case 113:
      Create(Form113, "Form113", *HandbookPages()[15]);
      break;
    case 114:
      Create(Form114, "Form114", *HandbookPages()[16]);
      break;
    case 115:
      Create(Form115, "Form115", *HandbookPages()[17]);
      break;
    case 116:
      Create(Form116, "Form116");
      break;
    case 120:
      Create(Form120, "Form120");
      break;
    case 121:
      Create(Form121, "Form121");
      break;
    case 122:
      Create(Form122, "Form122");
      break;
    case 123:
      Create(Form123, "Form123");
      break;
    case 124:
      Create(Form124, "Form124");
      break;
    case 125:
      Create(Form125, "Form125");
      // The refused-name dialog belongs with the account dialogs.
      Create(RefusedNameDialog, "RefusedNameDialog");
      break;
    case 126:
      Create(Form126, "Form126");
      break;
    case 127:
      Create(Form127, "Form127");
      // The missing-choice message belongs with the range error.
      Create(ChoiceMissingWindow, "ChoiceMissingWindow");
      break;
    default:
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

void StartMainWindow() { Form2->ShowAsMainWindow(); }

int RunProgram() {
  SetProgramTitle();
  // Only closing the main window ends the program, not hiding the last one.
  QApplication::setQuitOnLastWindowClosed(false);
  CreateWindows();
  StartMainWindow();
  const int code = QApplication::exec();
  DestroyRegisteredWindows();
  return code;
}

}  // namespace rova
