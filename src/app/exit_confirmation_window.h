// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/message_window.h"

namespace rova {

// TForm4: the exit confirmation, asking whether to end the program
// ("Išeiti iš programos", LbSpeedButton2) or go back ("Grįžti į ankstesnį
// langą", LbSpeedButton1, which only closes it).
class TForm4 : public MessageWindow {
  Q_OBJECT

 public:
  TForm4();

  void LbSpeedButton2Click() override;
};

extern TForm4* Form4;

}  // namespace rova
