// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page_window.h"

#include <array>

#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "handbook/handbook_page.h"
#include "handbook/quadrilaterals_window.h"
#include "window/window_frame.h"
#include "window/window_names.h"
#include "window/window_registry.h"

namespace rova {

TForm98* Form98 = nullptr;
TForm99* Form99 = nullptr;
TForm100* Form100 = nullptr;
TForm101* Form101 = nullptr;
TForm102* Form102 = nullptr;
TForm103* Form103 = nullptr;
TForm104* Form104 = nullptr;
TForm105* Form105 = nullptr;
TForm106* Form106 = nullptr;
TForm107* Form107 = nullptr;
TForm108* Form108 = nullptr;
TForm109* Form109 = nullptr;
TForm110* Form110 = nullptr;
TForm111* Form111 = nullptr;
TForm112* Form112 = nullptr;
TForm113* Form113 = nullptr;
TForm114* Form114 = nullptr;
TForm115* Form115 = nullptr;

THandbookPage*& HandbookPageForm(int topic) {
  static const std::array<THandbookPage**, 18> forms = {
      &Form98,  &Form99,  &Form100, &Form101, &Form102, &Form103, &Form104, &Form105, &Form106,
      &Form107, &Form108, &Form109, &Form110, &Form111, &Form112, &Form113, &Form114, &Form115,
  };
  return *forms.at(topic - 1);
}

namespace {

constexpr QRect kOnlyGroup(16, 7, 657, 362);
constexpr QRect kDefinitionsGroup(16, 7, 321, 306);
constexpr QRect kFormulasGroup(344, 7, 329, 306);
constexpr QRect kBackInGroup(274, 320, 109, 25);
constexpr QRect kBackInBody(282, 336, 109, 25);
// With the classification's button below it, the definitions group is lower.
constexpr int kShortDefinitionsHeight = 274;
constexpr QRect kSubPageButton(16, 288, 321, 25);

}  // namespace

THandbookPage::THandbookPage(const HandbookPage& page) : page_(page) {}

void THandbookPage::BuildContents() {
  const MainSizeFrame frame =
      BuildMainSizeFrame(this, QStringLiteral("ROVA 2004 - Žinynas - ") + page_.title);
  ArtPanel1 = frame.titleBar;
  LbButton1 = frame.closeButton;
  ArtPanel2 = frame.body;

  const QString definitionsCaption = QStringLiteral(" Sąvokos: ");
  if (page_.formulas) {
    QRect definitions = kDefinitionsGroup;
    if (page_.opensSubPage) definitions.setHeight(kShortDefinitionsHeight);
    Definitions = AddGroupBox(ArtPanel2, definitions, definitionsCaption);
    Formulas = AddGroupBox(ArtPanel2, kFormulasGroup, QStringLiteral(" Formulės: "));
    PlacePieces(Formulas, LayOutGroup(*page_.formulas));
    BackButton = AddSpeedButton(ArtPanel2, kBackInBody, QStringLiteral("Grįžti"));
  } else {
    Definitions = AddGroupBox(ArtPanel2, kOnlyGroup, definitionsCaption);
    BackButton = AddSpeedButton(Definitions, kBackInGroup, QStringLiteral("Grįžti"));
  }
  PlacePieces(Definitions, LayOutGroup(page_.definitions));
  BackButton->setObjectName(page_.backButtonName);
  connect(BackButton, &TLbSpeedButton::OnClick, this, &THandbookPage::LbSpeedButton5Click);
  connect(LbButton1, &TLbButton::OnClick, this, &THandbookPage::LbButton1Click);

  if (page_.opensSubPage) {
    SubPageButton = AddSpeedButton(ArtPanel2, kSubPageButton, QStringLiteral("Keturkampių skirstymas"));
    SubPageButton->setObjectName(QStringLiteral("LbSpeedButton1"));
    connect(SubPageButton, &TLbSpeedButton::OnClick, this, &THandbookPage::LbSpeedButton1Click);
    // Above "Grįžti", so Tab reaches it first.
    setTabOrder(SubPageButton, BackButton);
  }
}

void THandbookPage::LbSpeedButton5Click() { Close(); }

void THandbookPage::LbButton1Click() {
  Close();
  RegisteredWindow(kExitConfirmationName).ShowModal();
}

void THandbookPage::LbSpeedButton1Click() {
  if (Form116 != nullptr) Form116->ShowModal();
}

}  // namespace rova
