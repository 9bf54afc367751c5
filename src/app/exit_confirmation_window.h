// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TLbSpeedButton;

// TForm4: the exit confirmation, asking whether to end the program or go back.
class TForm4 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm4();

  // Made when the confirmation is first shown.
  TArtPanel* ArtPanel1 = nullptr;
  QLabel* Label1 = nullptr;
  TLbSpeedButton* LbSpeedButton1 = nullptr;  // "Grįžti į ankstesnį langą"
  TLbSpeedButton* LbSpeedButton2 = nullptr;  // "Išeiti iš programos"

  void LbSpeedButton1Click();
  void LbSpeedButton2Click();

 protected:
  void BuildContents() override;
};

extern TForm4* Form4;

}  // namespace rova
