#pragma once

#include "stats/statistics_settings.h"
#include "window/program_window.h"

class QComboBox;
class QLabel;

namespace rova {

class TAMCbRbHost;
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

  TArtPanel* ArtPanel2;
  TColoredGroupBox* ColoredGroupBox2;  // " Nustatymai: "
  QLabel* Label2;                      // "Rūšiavimas:"
  TAMRadioButton* AMRadioButton2;      // "Visos užduotys"
  TAMRadioButton* AMRadioButton1;      // "Atskiros temos"
  TAMRadioButton* AMRadioButton3;      // "Atskiros užduotys"
  QLabel* Label3;
  QLabel* Label1;
  QLabel* Label4;
  TColoredGroupBox* ColoredGroupBox1;  // the topic range
  QLabel* Label5;                      // "Nuo"
  QComboBox* ComboBox1;                // first topic
  QLabel* Label6;                      // " iki"
  QComboBox* ComboBox2;                // last topic
  QLabel* Label7;                      // " temos."
  TColoredGroupBox* ColoredGroupBox3;  // the single task
  QLabel* Label8;                      // "Tema:"
  QComboBox* ComboBox3;                // topic
  QLabel* Label9;                      // "Užduotis:"
  QComboBox* ComboBox4;                // task
  TLbSpeedButton* LbSpeedButton3;      // "Patvirtinti"
  TLbSpeedButton* LbSpeedButton1;      // "Grįžti"

  void AMRadioButton2Click();
  void AMRadioButton1Click();
  void AMRadioButton3Click();
  void LbSpeedButton3Click();
  void LbSpeedButton1Click();

  // The choice the controls show, as the settings file would hold it.
  StatisticsSettings Choice() const;

 protected:
  // Takes the radio buttons' look from the one shared host once the task
  // window that carries it has made it.
  void FormActivate() override;
  // A click on a radio button's caption clicks the radio button.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TAMCbRbHost* ownHost_;
};

extern TForm126* Form126;

}  // namespace rova
