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

  TArtPanel* ArtPanel1;  // title bar
  TLbButton* LbButton1;  // "X"
  TLbButton* LbButton2;  // "-"
  TArtPanel* ArtPanel2;  // body
  QLabel* Label1;        // welcome text
  QLabel* Label2;        // author credit
  TColoredGroupBox* ColoredGroupBox1;  // " Programos meniu: "
  TLbSpeedButton* LbSpeedButton1;      // "Testai"
  TLbSpeedButton* LbSpeedButton2;      // "Žinynas"
  TLbSpeedButton* LbSpeedButton6;      // "Statistika"
  TLbSpeedButton* LbSpeedButton7;      // "Apie programą"
  TLbSpeedButton* LbSpeedButton3;      // "Pagalba"
  TLbSpeedButton* LbSpeedButton5;      // "Išeiti"

  void LbButton1Click();
  void LbButton2Click();
  void LbSpeedButton1Click();
  void LbSpeedButton2Click();
  void LbSpeedButton6Click();
  void LbSpeedButton7Click();
  void LbSpeedButton3Click();
  void LbSpeedButton5Click();

 protected:
  void FormCreate();
  // Out of sight until the login is accepted; the splash comes first.
  void FormActivate() override;
  void FormResize() override;
  void FormClose() override;
};

// The nine lines of the main window's welcome text.
QString WelcomeText();

extern TForm2* Form2;

}  // namespace rova
