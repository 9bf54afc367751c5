// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/topic_grid_window.h"

#include "window/window_frame.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"

namespace rova {

TopicGridWindow::TopicGridWindow(TopicGridLayout layout) : layout_(std::move(layout)) {}

void TopicGridWindow::BuildContents() {
  if (!layout_.caption.isEmpty()) setWindowTitle(layout_.caption);
  const MainSizeFrame frame = BuildMainSizeFrame(this, layout_.title);
  ArtPanel1 = frame.titleBar;
  LbButton1 = frame.closeButton;
  ArtPanel2 = frame.body;
  Label1 = AddLabel(ArtPanel2, 24, 16, layout_.line1);
  Label2 = AddLabel(ArtPanel2, 24, 32, layout_.line2);
  ColoredGroupBox1 = AddGroupBox(ArtPanel2, QRect(24, 55, 649, 306), layout_.groupCaption);
  LbSpeedButtons =
      AddTopicButtons(ColoredGroupBox1, layout_.captions(), [this](int topic) { TopicButtonClick(topic); });
  connect(LbButton1, &TLbButton::OnClick, this, &TopicGridWindow::LbButton1Click);
}

}  // namespace rova
