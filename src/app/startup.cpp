#include "app/startup.h"

#include <QApplication>

#include "accounts/ui/account_dialogs.h"
#include "accounts/ui/login_window.h"
#include "app/error_box.h"
#include "app/exit_confirmation_window.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/window_registry.h"

namespace rova {

namespace {

template <class Window>
void Create(Window*& reference, const char* name) {
  reference = new Window;
  reference->setObjectName(QString::fromLatin1(name));
  RegisterWindow(reference, [&reference] { reference = nullptr; });
}

}  // namespace

void CreateWindows() {
  // The order is the program's: the main window first, the splash second (its
  // timer counts while the rest are made), then the others by number, and the
  // login window with its dialogs last.
  Create(Form2, "Form2");
  ProgramWindow::SetMainWindow(Form2);
  Create(Form1, "Form1");
  Create(Form4, "Form4");
  Create(Form120, "Form120");
  Create(Form121, "Form121");
  Create(Form122, "Form122");
  Create(Form123, "Form123");
  Create(Form124, "Form124");
  Create(Form125, "Form125");
  Create(RefusedNameDialog, "RefusedNameDialog");
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
