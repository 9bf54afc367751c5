// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TLbSpeedButton;

// One line of a message dialog and where it stands on the panel.
struct DialogLine {
  QString text;
  int x;
  int y;
};

// The layout the account message dialogs share: a 275-wide small window, its
// lines, and "Gerai" (95 x 25), which closes it.
class AccountMessageDialog : public ProgramWindow {
  Q_OBJECT

 public:
  // The controls are made when the dialog is first shown.
  AccountMessageDialog(int clientHeight, const std::vector<DialogLine>& lines, int geraiY);

  TArtPanel* ArtPanel1 = nullptr;
  std::vector<QLabel*> Labels;
  TLbSpeedButton* LbSpeedButton2 = nullptr;  // "Gerai"

  void LbSpeedButton2Click();

 protected:
  void BuildContents() override;

 private:
  int clientHeight_;
  std::vector<DialogLine> lines_;
  int geraiY_;
};

// TForm121: the login's user name is not registered.
class TForm121 : public AccountMessageDialog {
  Q_OBJECT
 public:
  TForm121();
};

// TForm122: the login's password is wrong.
class TForm122 : public AccountMessageDialog {
  Q_OBJECT
 public:
  TForm122();
};

// TForm123: the registration is done.
class TForm123 : public AccountMessageDialog {
  Q_OBJECT
 public:
  TForm123();
};

// TForm124: a registration field is empty.
class TForm124 : public AccountMessageDialog {
  Q_OBJECT
 public:
  TForm124();
};

// TForm125: the user name is taken (opened once per line that holds it).
class TForm125 : public AccountMessageDialog {
  Q_OBJECT
 public:
  TForm125();
};

// The user name holds characters that cannot form the user's file names.
class TRefusedNameDialog : public AccountMessageDialog {
  Q_OBJECT
 public:
  TRefusedNameDialog();
};

extern TForm121* Form121;
extern TForm122* Form122;
extern TForm123* Form123;
extern TForm124* Form124;
extern TForm125* Form125;
extern TRefusedNameDialog* RefusedNameDialog;

}  // namespace rova
