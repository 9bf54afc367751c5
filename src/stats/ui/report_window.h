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

  TArtPanel* ArtPanel1;  // title bar
  TLbButton* LbButton1;  // "X"
  TArtPanel* ArtPanel2;
  TColoredGroupBox* ColoredGroupBox2;
  QLabel* Label17;  // "Vartotojas:"
  QLabel* Label1;   // the user's full name
  QLabel* Label2;   // "Rūšiavimas:"
  QLabel* Label3;   // what is summed
  QLabel* Label4;   // "Duomenys:"
  QLabel* Label5;   // correct answers
  QLabel* Label6;   // incorrect answers
  QLabel* Label7;   // checks made
  TLbSpeedButton* LbSpeedButton3;  // "Nustatymai..."
  TLbSpeedButton* LbSpeedButton1;  // "Grįžti"

  void LbSpeedButton3Click();
  void LbSpeedButton5Click();
  void LbButton1Click();

  // Computes the report from the files as they are now; runs each time the
  // report is opened and when the settings window stores a new choice. A
  // failure shows the stop box and leaves the labels set so far.
  void FormActivate() override;
};

extern TForm117* Form117;

}  // namespace rova
