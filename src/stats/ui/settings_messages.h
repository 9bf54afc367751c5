#pragma once

#include <QString>

#include "stats/statistics_settings.h"
#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TLbSpeedButton;

// The layout the settings window's messages share: a 275 x 107 small window
// with two lines and "Gerai" (95 x 25), which closes it.
class SettingsMessageWindow : public ProgramWindow {
  Q_OBJECT

 public:
  SettingsMessageWindow();

  TArtPanel* ArtPanel1;
  QLabel* Label1;
  QLabel* Label2;
  TLbSpeedButton* LbSpeedButton2;  // "Gerai"

  void LbSpeedButton2Click();

 protected:
};

// TForm127: a topic range whose first topic is not smaller than the last.
class TForm127 : public SettingsMessageWindow {
  Q_OBJECT
 public:
  TForm127();
};

// A list of the settings window left at "--"; names the missing choice.
class TChoiceMissingWindow : public SettingsMessageWindow {
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
