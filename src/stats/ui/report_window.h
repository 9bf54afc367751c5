// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;

// TForm117: the statistics report, the user's name and the sums of the
// chosen result files.
class TForm117 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm117();

  TArtPanel* ArtPanel1 = nullptr;  // title bar
  TLbButton* LbButton1 = nullptr;  // "X"
  TArtPanel* ArtPanel2 = nullptr;
  TColoredGroupBox* ColoredGroupBox2 = nullptr;
  QLabel* Label17 = nullptr;  // "Vartotojas:"
  QLabel* Label1 = nullptr;   // the user's full name
  QLabel* Label2 = nullptr;   // "Rūšiavimas:"
  QLabel* Label3 = nullptr;   // what is summed
  QLabel* Label4 = nullptr;   // "Duomenys:"
  QLabel* Label5 = nullptr;   // correct answers
  QLabel* Label6 = nullptr;   // incorrect answers
  QLabel* Label7 = nullptr;   // checks made
  TLbSpeedButton* LbSpeedButton3 = nullptr;  // "Nustatymai..."
  TLbSpeedButton* LbSpeedButton1 = nullptr;  // "Grįžti"

  void LbSpeedButton3Click();
  void LbSpeedButton5Click();
  void LbButton1Click();

  // Computes the report from the files as they are now: each time the report
  // is opened, and when the settings window stores a new choice. A failure
  // shows the stop box and leaves the labels set so far.
  void Recompute();
  void FormActivate() override;

 protected:
  void BuildContents() override;
};

extern TForm117* Form117;

}  // namespace rova
