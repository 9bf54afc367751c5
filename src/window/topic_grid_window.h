// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;

// What makes one topic grid differ from the other.
struct TopicGridLayout {
  QString title;    // the title bar's
  QString caption;  // the window's own caption; the program's if empty
  QString line1;
  QString line2;
  QString groupCaption;
  // The 18 buttons' captions, asked for when the controls are made.
  QStringList (*captions)();
};

// A main-size window that invites the pupil in two lines to choose one of the
// 18 topics from a grid of buttons: the test-topic menu and the handbook's
// index. The controls are made when the window first appears.
class TopicGridWindow : public ProgramWindow {
  Q_OBJECT

 public:
  explicit TopicGridWindow(TopicGridLayout layout);

  TArtPanel* ArtPanel1 = nullptr;  // title bar
  TLbButton* LbButton1 = nullptr;  // "X"
  TArtPanel* ArtPanel2 = nullptr;  // body
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  TColoredGroupBox* ColoredGroupBox1 = nullptr;
  QList<TLbSpeedButton*> LbSpeedButtons;  // LbSpeedButton1 to LbSpeedButton18, by topic

  // The handler of every topic button (LbSpeedButton<t>Click).
  virtual void TopicButtonClick(int topic) = 0;
  virtual void LbButton1Click() = 0;

 protected:
  void BuildContents() override;

 private:
  TopicGridLayout layout_;
};

}  // namespace rova
