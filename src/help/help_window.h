// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace rova::help {

// The help program's one window: the list of sections on the left, the guide
// on the right; choosing a section scrolls the guide to it.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  HelpWindow();

  QListWidget* Sections;
  QTextBrowser* Guide;

  // Scrolls the guide so that section `index` stands at its top.
  void ShowSection(int index);
};

}  // namespace rova::help
