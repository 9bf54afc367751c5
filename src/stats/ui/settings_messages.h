// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "stats/statistics_settings.h"
#include "window/message_window.h"

namespace rova {

// The settings window's messages: 275 x 107, two lines and "Gerai" (95 x 25),
// which closes the message.

// TForm127: a topic range whose first topic is not smaller than the last.
class TForm127 : public MessageWindow {
  Q_OBJECT
 public:
  TForm127();
};

// A list of the settings window left at "--"; names the missing choice.
class TChoiceMissingWindow : public MessageWindow {
  Q_OBJECT
 public:
  TChoiceMissingWindow();

  // "Nustatymų klaida: nepasirinkta pirmoji tema."
  static QString MessageFor(ChoiceProblem problem);
  // Shows the message for the problem modally.
  void ShowFor(ChoiceProblem problem);
};

extern TForm127* Form127;
extern TChoiceMissingWindow* ChoiceMissingWindow;

}  // namespace rova
