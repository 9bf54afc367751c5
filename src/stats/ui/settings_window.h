// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/statistics_settings.h"
#include "window/program_window.h"

class QComboBox;
class QLabel;

namespace rova {

class TAMRadioButton;
class TArtPanel;
class TColoredGroupBox;
class TLbSpeedButton;

// TForm126: the statistics settings, what the report sums. It keeps its
// choice in its controls for the whole run and never reads the file.
class TForm126 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm126();

  TArtPanel* ArtPanel2 = nullptr;
  TColoredGroupBox* ColoredGroupBox2 = nullptr;  // " Nustatymai: "
  QLabel* Label2 = nullptr;                      // "Rūšiavimas:"
  TAMRadioButton* AMRadioButton2 = nullptr;      // "Visos užduotys"
  TAMRadioButton* AMRadioButton1 = nullptr;      // "Atskiros temos"
  TAMRadioButton* AMRadioButton3 = nullptr;      // "Atskiros užduotys"
  QLabel* Label3 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label4 = nullptr;
  TColoredGroupBox* ColoredGroupBox1 = nullptr;  // the topic range
  QLabel* Label5 = nullptr;                      // "Nuo"
  QComboBox* ComboBox1 = nullptr;                // first topic
  QLabel* Label6 = nullptr;                      // " iki"
  QComboBox* ComboBox2 = nullptr;                // last topic
  QLabel* Label7 = nullptr;                      // " temos."
  TColoredGroupBox* ColoredGroupBox3 = nullptr;  // the single task
  QLabel* Label8 = nullptr;                      // "Tema:"
  QComboBox* ComboBox3 = nullptr;                // topic
  QLabel* Label9 = nullptr;                      // "Užduotis:"
  QComboBox* ComboBox4 = nullptr;                // task
  TLbSpeedButton* LbSpeedButton3 = nullptr;      // "Patvirtinti"
  TLbSpeedButton* LbSpeedButton1 = nullptr;      // "Grįžti"

  void AMRadioButton2Click();
  void AMRadioButton1Click();
  void AMRadioButton3Click();
  void LbSpeedButton3Click();
  void LbSpeedButton1Click();

  // The choice the controls show, as the settings file would hold it.
  StatisticsSettings Choice() const;

 protected:
  void BuildContents() override;
  // A click on a radio button's caption clicks the radio button.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

};

extern TForm126* Form126;

}  // namespace rova
