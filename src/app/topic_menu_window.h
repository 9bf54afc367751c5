#pragma once

#include <QString>
#include <array>

#include "tasks/task_catalogue.h"
#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;

// The registry name of the window of task 1 of `topic` ("Form5").
QString FirstTaskWindowName(int topic);

// TForm3: the test-topic menu, opening task 1 of each of the 18 topics.
class TForm3 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm3();

  TArtPanel* ArtPanel1;  // title bar
  TLbButton* LbButton1;  // "X"
  TArtPanel* ArtPanel2;  // body
  QLabel* Label1;
  QLabel* Label2;
  TColoredGroupBox* ColoredGroupBox1;  // " Testų temos: "
  // LbSpeedButton1 to LbSpeedButton18, the button of topic t at [t - 1].
  std::array<TLbSpeedButton*, kTopicCount> LbSpeedButtons;

  // The handler of every topic button (LbSpeedButton<t>Click).
  void LbSpeedButtonClick(int topic);
  void LbButton1Click();
};

extern TForm3* Form3;

}  // namespace rova
