// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;

// TForm116: the handbook's sub-page with the classification of quadrilaterals.
class TForm116 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm116();

  TArtPanel* ArtPanel1 = nullptr;  // title bar
  TLbButton* LbButton1 = nullptr;  // "X"
  TArtPanel* ArtPanel2 = nullptr;  // body
  TColoredGroupBox* ColoredGroupBox1 = nullptr;
  QLabel* Image1 = nullptr;
  TLbSpeedButton* LbSpeedButton5 = nullptr;  // "Uždaryti"

  void LbSpeedButton5Click();
  void LbButton1Click();

 protected:
  void BuildContents() override;
};

extern TForm116* Form116;

}  // namespace rova
