// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/topic_menu_window.h"

#include <QLabel>

#include "app/exit_confirmation_window.h"
#include "course/task_catalogue.h"
#include "tasks/ui/task_window.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "window/window_frame.h"
#include "window/window_registry.h"

namespace rova {

TForm3* Form3 = nullptr;

// The controls are made when the window first appears, not at start-up.
TForm3::TForm3() = default;

void TForm3::BuildContents() {
  setWindowTitle(QStringLiteral("ROVA 2004 - Testai"));
  const MainSizeFrame frame = BuildMainSizeFrame(this, QStringLiteral("ROVA 2004 - Testai"));
  ArtPanel1 = frame.titleBar;
  LbButton1 = frame.closeButton;
  ArtPanel2 = frame.body;

  Label1 = AddLabel(ArtPanel2, 24, 16,
                    QStringLiteral("Testų dalyje Jūs turite galimybę pasitikrinti savo žinias. Išsirinkę vieną iš "
                                   "žemiau nurodytų temų ir ant jos paspaudę, rasite specialiai tai temai"));
  Label2 = AddLabel(ArtPanel2, 24, 32, QStringLiteral("skirtus uždavinius."));
  ColoredGroupBox1 = AddGroupBox(ArtPanel2, QRect(24, 55, 649, 306), QStringLiteral(" Testų temos: "));

  QStringList captions;
  for (int topic = 1; topic <= kTopicCount; ++topic) captions << TopicMenuText(topic);
  LbSpeedButtons = AddTopicButtons(ColoredGroupBox1, captions, [this](int topic) { LbSpeedButtonClick(topic); });
  connect(LbButton1, &TLbButton::OnClick, this, &TForm3::LbButton1Click);
}

void TForm3::LbSpeedButtonClick(int topic) {
  RegisteredWindow(TaskWindowName({topic, 1})).ShowModal();
}

void TForm3::LbButton1Click() {
  Form4->ShowModal();
  Close();
}

}  // namespace rova
