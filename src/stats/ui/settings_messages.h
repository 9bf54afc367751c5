// SPDX-License-Identifier: GPL-3.0-or-later
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
  // The controls are made when the message is first shown.
  SettingsMessageWindow();

  TArtPanel* ArtPanel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  TLbSpeedButton* LbSpeedButton2 = nullptr;  // "Gerai"

  void LbSpeedButton2Click();

 protected:
  void BuildContents() override;
  // Puts a message's own lines in the labels just made.
  virtual void PlaceLines() {}
};

// TForm127: a topic range whose first topic is not smaller than the last.
class TForm127 : public SettingsMessageWindow {
  Q_OBJECT
 public:
  TForm127() = default;

 protected:
  void PlaceLines() override;
};

// A list of the settings window left at "--"; names the missing choice.
class TChoiceMissingWindow : public SettingsMessageWindow {
  Q_OBJECT
 public:
  TChoiceMissingWindow() = default;

  // "Nustatymų klaida: nepasirinkta pirmoji tema."
  static QString MessageFor(ChoiceProblem problem);
  // Shows the message for the problem modally.
  void ShowFor(ChoiceProblem problem);

 protected:
  void PlaceLines() override;
};

extern TForm127* Form127;
extern TChoiceMissingWindow* ChoiceMissingWindow;

}  // namespace rova
