// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/topic_grid_window.h"

namespace rova {

// TForm97: the handbook's index, one button per topic opening its page.
class TForm97 : public TopicGridWindow {
  Q_OBJECT

 public:
  TForm97();

  void TopicButtonClick(int topic) override;
  void LbButton1Click() override;
};

extern TForm97* Form97;

}  // namespace rova
