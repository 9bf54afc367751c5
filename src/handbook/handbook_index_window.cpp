// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_index_window.h"

#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "handbook/handbook_page.h"
#include "handbook/handbook_page_window.h"
#include "window/window_frame.h"
#include "window/window_names.h"
#include "window/window_registry.h"

namespace rova {

TForm97* Form97 = nullptr;

TForm97::TForm97() = default;

void TForm97::BuildContents() {
  const MainSizeFrame frame = BuildMainSizeFrame(this, QStringLiteral("ROVA 2004 - Žinynas"));
  ArtPanel1 = frame.titleBar;
  LbButton1 = frame.closeButton;
  ArtPanel2 = frame.body;
  Label1 = AddLabel(ArtPanel2, 24, 16,
                    QStringLiteral("Žinyne Jūs turite galimybę prisiminti dažniausiai naudojamas matematines "
                                   "formules ir sąvokas. Išsirinkę vieną iš žemiau nurodytų temų ir ant"));
  Label2 = AddLabel(ArtPanel2, 24, 32,
                    QStringLiteral("jos paspaudę, rasite specialiai tai temai skirtas formules ir sąvokas."));
  ColoredGroupBox1 = AddGroupBox(ArtPanel2, QRect(24, 55, 649, 306), QStringLiteral("Temos: "));
  QStringList captions;
  for (const HandbookPage* page : HandbookPages()) captions << page->indexCaption;
  LbSpeedButtons = AddTopicButtons(ColoredGroupBox1, captions, [this](int topic) { TopicButtonClick(topic); });
  connect(LbButton1, &TLbButton::OnClick, this, &TForm97::LbButton1Click);
}

void TForm97::TopicButtonClick(int topic) { HandbookPageForm(topic)->ShowModal(); }

void TForm97::LbButton1Click() {
  Close();
  RegisteredWindow(kExitConfirmationName).ShowModal();
}

}  // namespace rova
