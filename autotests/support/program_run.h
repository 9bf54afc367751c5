// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives the whole program's windows from the splash to the main window, for
// the tests that start it as a pupil would.

#include <QAccessible>
#include <QFile>
#include <functional>
#include <stdexcept>

#include "accounts/ui/login_window.h"
#include "accounts/user_store.h"
#include "app/startup.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "controls/lb_speed_button.h"
#include "temp_dir.h"
#include "window/window_registry.h"
#include "window_driver.h"

namespace rova::testing {

// The current folder as a class folder with one registered pupil: "jonas",
// password "slaptas".
inline void RegisterJonas() {
  for (const char* name : {"user.dat", "password.dat"}) {
    QFile file(QString::fromLatin1(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error(name);
  }
  if (RegisterUser({"jonas", "slaptas", "Jonas", "Jonaitis", "9a", "jonas@example.com"}).result !=
      RegistrationResult::Registered) {
    throw std::runtime_error("jonas not registered");
  }
}

// Each test in a class folder of its own with "jonas" registered, and the
// program's windows made.
class WithJonasAndWindows : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    RegisterJonas();
    CreateWindows();
  }
  void TearDown() override {
    DestroyRegisteredWindows();
    InTempDir::TearDown();
  }
};

// What a screen reader says a control is called.
inline QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* control = widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
  return control != nullptr ? control->text(QAccessible::Name) : QString();
}

// Once the program is started: the splash's timer runs at once, the login
// window logs "jonas" in with "slaptas", and `inMain` runs inside the main
// window's loop.
inline void LogInAsJonasThen(std::function<void()> inMain) {
  QObject::connect(Form1, &ProgramWindow::Opened, [] { Later([] { Form1->Timer1Timer(); }); });
  QObject::connect(Form120, &ProgramWindow::Opened, [] {
    Later([] {
      Form120->Edit1->setText("jonas");
      Form120->Edit2->setText("slaptas");
      Click(Form120->LbSpeedButton1);
    });
  });
  QObject::connect(Form2, &ProgramWindow::Opened, [inMain] { Later(inMain); });
}

}  // namespace rova::testing
