// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;

// TForm3: the test-topic menu, opening task 1 of each of the 18 topics.
class TForm3 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm3();

  TArtPanel* ArtPanel1 = nullptr;  // title bar
  TLbButton* LbButton1 = nullptr;  // "X"
  TArtPanel* ArtPanel2 = nullptr;  // body
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  TColoredGroupBox* ColoredGroupBox1 = nullptr;  // " Testų temos: "
  // LbSpeedButton1 to LbSpeedButton18, the button of topic t at [t - 1].
  QList<TLbSpeedButton*> LbSpeedButtons;  // LbSpeedButton1 to LbSpeedButton18, by topic

  // The handler of every topic button (LbSpeedButton<t>Click).
  void LbSpeedButtonClick(int topic);
  void LbButton1Click();

 protected:
  void BuildContents() override;
};

extern TForm3* Form3;

}  // namespace rova
