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

// TForm97: the handbook's index, one button per topic opening its page.
class TForm97 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm97();

  TArtPanel* ArtPanel1 = nullptr;  // title bar
  TLbButton* LbButton1 = nullptr;  // "X"
  TArtPanel* ArtPanel2 = nullptr;  // body
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  TColoredGroupBox* ColoredGroupBox1 = nullptr;  // "Temos: "
  QList<TLbSpeedButton*> LbSpeedButtons;         // LbSpeedButton1 to LbSpeedButton18, by topic

  // The handler of LbSpeedButton1Click to LbSpeedButton18Click.
  void TopicButtonClick(int topic);
  void LbButton1Click();

 protected:
  void BuildContents() override;
};

extern TForm97* Form97;

}  // namespace rova
