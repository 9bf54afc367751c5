// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_window.h"

class QLabel;
class QLineEdit;

namespace rova {

class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;

// TForm120: the login and registration window, the gate between the splash and the main window.
class TForm120 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm120();

  static constexpr int kLoginHeight = 183;         // the login part only
  static constexpr int kRegistrationHeight = 347;  // with the registration part below

  TArtPanel* ArtPanel1 = nullptr;  // title bar
  TLbButton* LbButton1 = nullptr;  // "X"
  TArtPanel* ArtPanel2 = nullptr;  // upper panel: login and the invitation to register
  TColoredGroupBox* ColoredGroupBox1 = nullptr;
  TColoredGroupBox* ColoredGroupBox2 = nullptr;
  QLineEdit* Edit1 = nullptr;  // user name
  QLineEdit* Edit2 = nullptr;  // password
  TLbSpeedButton* LbSpeedButton1 = nullptr;  // "Prisijungti"
  TLbSpeedButton* LbSpeedButton2 = nullptr;  // "Išvalyti"
  TLbSpeedButton* LbSpeedButton4 = nullptr;  // "Registruotis", uncovers the registration part
  TArtPanel* ArtPanel5 = nullptr;            // lower panel: registration
  TColoredGroupBox* ColoredGroupBox3 = nullptr;
  QLineEdit* Edit3 = nullptr;  // user name
  QLineEdit* Edit4 = nullptr;  // password
  QLineEdit* Edit5 = nullptr;  // first name
  QLineEdit* Edit6 = nullptr;  // surname
  QLineEdit* Edit7 = nullptr;  // class
  QLineEdit* Edit8 = nullptr;  // e-mail
  TLbSpeedButton* LbSpeedButton3 = nullptr;  // "Registruotis"
  TLbSpeedButton* LbSpeedButton5 = nullptr;  // "Išvalyti"

  void LbButton1Click();
  void LbSpeedButton1Click();
  void LbSpeedButton2Click();
  void LbSpeedButton3Click();
  void LbSpeedButton4Click();
  void LbSpeedButton5Click();

 protected:
  void BuildContents() override;
  // The covered registration part leaves the tab chain, so nothing typed
  // goes into fields the pupil cannot see.
  void FormResize() override;
  // Closing the login from the desktop ends the program as its "X" does;
  // otherwise the program would stay running with no window to be seen.
  void CloseRequested() override { LbButton1Click(); }
};

extern TForm120* Form120;

}  // namespace rova
