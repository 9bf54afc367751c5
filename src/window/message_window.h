// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "window/program_window.h"

class QLabel;

namespace rova {

class TArtPanel;
class TLbSpeedButton;

// A line's x that centres it across the panel.
inline constexpr int kCentredLine = -1;

// One line of a message and where it stands on the panel: sized to its text,
// or centred in a box of the given size.
struct MessageLine {
  QString text;
  int x;  // or kCentredLine
  int y;
  QSize box = {};
};

// A button of a message; `number` names it (LbSpeedButton1 or LbSpeedButton2).
struct MessageButton {
  int number;
  QString caption;
  QRect rect;
};

// What makes one message window differ from another.
struct MessageLayout {
  int width;
  int height;
  std::vector<MessageLine> lines;  // Label1, Label2
  std::vector<MessageButton> buttons;
  // The lines' face, asked for when the controls are made; the program's
  // sans face if none.
  QFont (*font)() = nullptr;
  // Tell a screen reader the first line as the window opens.
  bool announce = false;
};

// A small window that says something and waits for a button: the account
// dialogs, the settings messages, the verdicts and the exit confirmation.
// Every button closes it; a window that does more overrides the button's
// handler. The focus starts on the first button, and Escape presses it;
// Enter and Space press the focused one.
class MessageWindow : public ProgramWindow {
  Q_OBJECT

 public:
  // The controls are made when the window is first shown.
  explicit MessageWindow(MessageLayout layout);

  TArtPanel* ArtPanel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  TLbSpeedButton* LbSpeedButton1 = nullptr;
  TLbSpeedButton* LbSpeedButton2 = nullptr;

  // Every line's label, in the layout's order.
  const std::vector<QLabel*>& Lines() const { return labels_; }
  // Gives line `index` a new text, centred again if the line is centred.
  void SetLineText(int index, const QString& text);

  virtual void LbSpeedButton1Click();
  virtual void LbSpeedButton2Click();

 protected:
  void BuildContents() override;
  void FormActivate() override;

 private:
  void PlaceLine(QLabel* label, const MessageLine& line);

  MessageLayout layout_;
  std::vector<QLabel*> labels_;
};

}  // namespace rova
