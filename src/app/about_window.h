// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TLbButton;
class TLbSpeedButton;

// TForm118: the About page with the program's version and sources.
class TForm118 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm118();

  TArtPanel* ArtPanel1 = nullptr;  // title bar
  TLbButton* LbButton1 = nullptr;  // "X"
  TArtPanel* ArtPanel2 = nullptr;  // body
  QLabel* Label1 = nullptr;        // author line
  QLabel* Label2 = nullptr;        // version
  QLabel* Label3 = nullptr;        // version date
  QLabel* Label4 = nullptr;        // literature, first line
  QLabel* Label5 = nullptr;        // literature, second line
  TLbSpeedButton* LbSpeedButton1 = nullptr;  // "Grįžti"

  // "Grįžti" runs the handler of the window's fifth button name.
  void LbSpeedButton5Click();
  void LbButton1Click();

 protected:
  void BuildContents() override;
};

extern TForm118* Form118;

}  // namespace rova
