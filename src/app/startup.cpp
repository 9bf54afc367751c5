#include "app/startup.h"

#include <QApplication>

#include "accounts/ui/account_dialogs.h"
#include "accounts/ui/login_window.h"
#include "window/error_box.h"
#include "app/exit_confirmation_window.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "window/window_registry.h"
#include "textio/text_file.h"

namespace rova {

namespace {

template <class Window>
void Create(Window*& reference, const char* name) {
  reference = new Window;
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
    case 4:
      Create(Form4, "Form4");
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
  TidyDataFolder();
  CreateWindows();
  StartMainWindow();
  const int code = QApplication::exec();
  DestroyRegisteredWindows();
  return code;
}

}  // namespace rova
