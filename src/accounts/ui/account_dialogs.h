// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/message_window.h"

namespace rova {

// The account dialogs: 275 wide, one or two lines, and "Gerai" (95 x 25),
// which closes the dialog.

// TForm121: the login's user name is not registered.
class TForm121 : public MessageWindow {
  Q_OBJECT
 public:
  TForm121();
};

// TForm122: the login's password is wrong.
class TForm122 : public MessageWindow {
  Q_OBJECT
 public:
  TForm122();
};

// TForm123: the registration is done.
class TForm123 : public MessageWindow {
  Q_OBJECT
 public:
  TForm123();
};

// TForm124: a registration field is empty.
class TForm124 : public MessageWindow {
  Q_OBJECT
 public:
  TForm124();
};

// TForm125: the user name is taken (opened once per line that holds it).
class TForm125 : public MessageWindow {
  Q_OBJECT
 public:
  TForm125();
};

// The user name holds characters that cannot form the user's file names.
class TRefusedNameDialog : public MessageWindow {
  Q_OBJECT
 public:
  TRefusedNameDialog();
};

// The user name is longer than registration takes; the second line gives the
// limit when the dialog is shown.
class TLongNameDialog : public MessageWindow {
  Q_OBJECT
 public:
  TLongNameDialog();

  // "Jame gali būti ne daugiau kaip 77 ženklai.", the count agreeing with the noun.
  static QString LimitText(int characters);
  // Shows the dialog modally, saying the limit.
  void ShowFor(int characters);
};

extern TForm121* Form121;
extern TForm122* Form122;
extern TForm123* Form123;
extern TForm124* Form124;
extern TForm125* Form125;
extern TRefusedNameDialog* RefusedNameDialog;
extern TLongNameDialog* LongNameDialog;

}  // namespace rova
