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

  TArtPanel* ArtPanel1;
  QLabel* Label1;
  TLbSpeedButton* LbSpeedButton1;  // "Grįžti į ankstesnį langą"
  TLbSpeedButton* LbSpeedButton2;  // "Išeiti iš programos"

  void LbSpeedButton1Click();
  void LbSpeedButton2Click();
};

extern TForm4* Form4;

}  // namespace rova
