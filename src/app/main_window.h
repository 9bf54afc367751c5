#pragma once

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TLbButton;

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

  void LbButton1Click();
  void LbButton2Click();

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
