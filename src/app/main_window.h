// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;

// TForm2: the main window, the root of all navigation once a pupil has logged in.
class TForm2 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm2();

  TArtPanel* ArtPanel1 = nullptr;  // title bar
  TLbButton* LbButton1 = nullptr;  // "X"
  TLbButton* LbButton2 = nullptr;  // "-"
  TArtPanel* ArtPanel2 = nullptr;  // body
  QLabel* Label1 = nullptr;        // welcome text
  QLabel* Label2 = nullptr;        // author credit
  TColoredGroupBox* ColoredGroupBox1 = nullptr;  // " Programos meniu: "
  TLbSpeedButton* LbSpeedButton1 = nullptr;      // "Testai"
  TLbSpeedButton* LbSpeedButton2 = nullptr;      // "Žinynas"
  TLbSpeedButton* LbSpeedButton6 = nullptr;      // "Statistika"
  TLbSpeedButton* LbSpeedButton7 = nullptr;      // "Apie programą"
  TLbSpeedButton* LbSpeedButton3 = nullptr;      // "Pagalba"
  TLbSpeedButton* LbSpeedButton5 = nullptr;      // "Išeiti"

  void LbButton1Click();
  void LbButton2Click();
  void LbSpeedButton1Click();
  void LbSpeedButton2Click();
  void LbSpeedButton6Click();
  void LbSpeedButton7Click();
  void LbSpeedButton3Click();
  void LbSpeedButton5Click();

 protected:
  void BuildContents() override;
  void FormCreate();
  // Out of sight until the login is accepted; the splash comes first.
  void FormActivate() override;
  void FormResize() override;
  void FormClose() override;
};

extern TForm2* Form2;

}  // namespace rova
