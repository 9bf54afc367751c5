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

  TArtPanel* ArtPanel1;  // title bar
  TLbButton* LbButton1;  // "X"
  TArtPanel* ArtPanel2;  // upper panel: login and the invitation to register
  TColoredGroupBox* ColoredGroupBox1;
  TColoredGroupBox* ColoredGroupBox2;
  QLineEdit* Edit1;  // user name
  QLineEdit* Edit2;  // password
  TLbSpeedButton* LbSpeedButton1;  // "Prisijungti"
  TLbSpeedButton* LbSpeedButton2;  // "Išvalyti"
  TLbSpeedButton* LbSpeedButton4;  // "Registruotis", uncovers the registration part
  TArtPanel* ArtPanel5;            // lower panel: registration
  TColoredGroupBox* ColoredGroupBox3;
  QLineEdit* Edit3;  // user name
  QLineEdit* Edit4;  // password
  QLineEdit* Edit5;  // first name
  QLineEdit* Edit6;  // surname
  QLineEdit* Edit7;  // class
  QLineEdit* Edit8;  // e-mail
  TLbSpeedButton* LbSpeedButton3;  // "Registruotis"
  TLbSpeedButton* LbSpeedButton5;  // "Išvalyti"

  void LbButton1Click();
  void LbSpeedButton1Click();
  void LbSpeedButton2Click();
  void LbSpeedButton3Click();
  void LbSpeedButton4Click();
  void LbSpeedButton5Click();

 protected:
  // The covered registration part leaves the tab chain, so nothing typed
  // goes into fields the pupil cannot see.
  void FormResize() override;
  // Closing the login from the desktop ends the program as its "X" does;
  // otherwise the program would stay running with no window to be seen.
  void CloseRequested() override { LbButton1Click(); }
};

extern TForm120* Form120;

}  // namespace rova
