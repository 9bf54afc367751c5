// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_window.h"

namespace rova {

struct HandbookPage;
class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;

// TForm98 to TForm115: a page of the handbook, one per topic, built from its
// page data.
class THandbookPage : public ProgramWindow {
  Q_OBJECT

 public:
  explicit THandbookPage(const HandbookPage& page);

  const HandbookPage& Page() const { return page_; }

  TArtPanel* ArtPanel1 = nullptr;  // title bar
  TLbButton* LbButton1 = nullptr;  // "X"
  TArtPanel* ArtPanel2 = nullptr;  // body
  TColoredGroupBox* Definitions = nullptr;  // " Sąvokos: "
  TColoredGroupBox* Formulas = nullptr;     // " Formulės: ", on two-group pages
  TLbSpeedButton* BackButton = nullptr;     // "Grįžti", named as the page data says
  TLbSpeedButton* SubPageButton = nullptr;  // "Keturkampių skirstymas" (LbSpeedButton1), topic 15 only

  void LbSpeedButton5Click();  // "Grįžti", whatever its component name
  void LbButton1Click();
  void LbSpeedButton1Click();  // opens the quadrilaterals' classification

 protected:
  void BuildContents() override;

 private:
  const HandbookPage& page_;
};

using TForm98 = THandbookPage;
using TForm99 = THandbookPage;
using TForm100 = THandbookPage;
using TForm101 = THandbookPage;
using TForm102 = THandbookPage;
using TForm103 = THandbookPage;
using TForm104 = THandbookPage;
using TForm105 = THandbookPage;
using TForm106 = THandbookPage;
using TForm107 = THandbookPage;
using TForm108 = THandbookPage;
using TForm109 = THandbookPage;
using TForm110 = THandbookPage;
using TForm111 = THandbookPage;
using TForm112 = THandbookPage;
using TForm113 = THandbookPage;
using TForm114 = THandbookPage;
using TForm115 = THandbookPage;

extern TForm98* Form98;
extern TForm99* Form99;
extern TForm100* Form100;
extern TForm101* Form101;
extern TForm102* Form102;
extern TForm103* Form103;
extern TForm104* Form104;
extern TForm105* Form105;
extern TForm106* Form106;
extern TForm107* Form107;
extern TForm108* Form108;
extern TForm109* Form109;
extern TForm110* Form110;
extern TForm111* Form111;
extern TForm112* Form112;
extern TForm113* Form113;
extern TForm114* Form114;
extern TForm115* Form115;

// The reference of the page of `topic` (Form98 for topic 1).
THandbookPage*& HandbookPageForm(int topic);

}  // namespace rova
