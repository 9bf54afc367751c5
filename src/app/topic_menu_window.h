// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/topic_grid_window.h"

namespace rova {

// TForm3: the test-topic menu, opening task 1 of each of the 18 topics.
class TForm3 : public TopicGridWindow {
  Q_OBJECT

 public:
  TForm3();

  void TopicButtonClick(int topic) override;
  void LbButton1Click() override;
};

extern TForm3* Form3;

}  // namespace rova
