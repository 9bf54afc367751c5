// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TLbSpeedButton;

// TForm6 and TForm7: the verdict windows of a check, right and wrong answer.
// They make their controls when first shown.
class TVerdictForm : public ProgramWindow {
  Q_OBJECT

 public:
  explicit TVerdictForm(const QString& verdict);

  TArtPanel* ArtPanel1 = nullptr;
  QLabel* Label1 = nullptr;                  // the verdict
  TLbSpeedButton* LbSpeedButton1 = nullptr;  // "Grįžti"

  void LbSpeedButton1Click();

 protected:
  void BuildContents() override;
  // Tells a screen reader the verdict as the window opens.
  void FormActivate() override;

 private:
  QString verdict_;
};

inline const QString kRightVerdict = QStringLiteral(" ATSAKYMAS TEISINGAS!!!");
inline const QString kWrongVerdict = QStringLiteral("ATSAKYMAS NETEISINGAS!!!");

extern TVerdictForm* Form6;  // right answer
extern TVerdictForm* Form7;  // wrong answer

}  // namespace rova
