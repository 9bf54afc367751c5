// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_window.h"

class QLabel;
class QTimer;

namespace rova {

class TArtPanel;

// TForm1: the splash, shown while the program starts, until Timer1 opens the login window.
class TForm1 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm1();

  static constexpr int kTimer1Interval = 8000;  // ms, counted from the splash's creation

  TArtPanel* Panel1;
  QLabel* Image1;
  QLabel* Label1;
  QLabel* Label2;
  QTimer* Timer1;

  // Fires once: hides the splash and opens the login window on top of it.
  void Timer1Timer();

 protected:
  // The splash has no way to be closed of its own; only the login ends it.
  void CloseRequested() override {}

 private:
  void AddTitlesAndPicture();
};

extern TForm1* Form1;

}  // namespace rova
