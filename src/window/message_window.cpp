// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/message_window.h"

#include <QAccessible>
#include <QLabel>

#include "window/window_frame.h"
#include "controls/art_panel.h"
#include "controls/lb_speed_button.h"

namespace rova {

MessageWindow::MessageWindow(MessageLayout layout) : ProgramWindow(Kind::Message), layout_(std::move(layout)) {
  SetClientSize(layout_.width, layout_.height);
}

void MessageWindow::BuildContents() {
  ArtPanel1 = BuildSmallWindowFrame(this, layout_.width, layout_.height);
  const QFont font = layout_.font != nullptr ? layout_.font() : SansFont();
  for (const MessageLine& line : layout_.lines) {
    QLabel* label = AddLabel(ArtPanel1, 0, line.y, line.text, font);
    PlaceLine(label, line);
    labels_.push_back(label);
  }
  Label1 = labels_.size() > 0 ? labels_[0] : nullptr;
  Label2 = labels_.size() > 1 ? labels_[1] : nullptr;
  for (const MessageButton& button : layout_.buttons) {
    TLbSpeedButton* made = AddSpeedButton(ArtPanel1, button.rect, button.caption);
    made->setObjectName(QStringLiteral("LbSpeedButton%1").arg(button.number));
    if (button.number == 1) {
      LbSpeedButton1 = made;
      connect(made, &TLbSpeedButton::OnClick, this, &MessageWindow::LbSpeedButton1Click);
    } else {
      Q_ASSERT(button.number == 2);
      LbSpeedButton2 = made;
      connect(made, &TLbSpeedButton::OnClick, this, &MessageWindow::LbSpeedButton2Click);
    }
    // The first button is the answer Escape gives (the exit confirmation's
    // "Grįžti į ankstesnį langą") and where the focus starts.
    if (button.number == layout_.buttons.front().number) SetAnswerButton(made);
  }
}

void MessageWindow::PlaceLine(QLabel* label, const MessageLine& line) {
  // A screen reader reads the message without the blanks that pad it.
  label->setAccessibleName(label->text().trimmed());
  if (line.box.isValid()) {
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(QRect(QPoint(line.x, line.y), line.box));
    return;
  }
  label->adjustSize();
  const int x = line.x == kCentredLine ? (ArtPanel1->width() - label->width()) / 2 : line.x;
  label->move(x, line.y);
}

void MessageWindow::SetLineText(int index, const QString& text) {
  EnsureContents();
  labels_.at(index)->setText(text);
  PlaceLine(labels_[index], layout_.lines.at(index));
}

void MessageWindow::LbSpeedButton1Click() { Close(); }

void MessageWindow::LbSpeedButton2Click() { Close(); }

void MessageWindow::FormActivate() {
  if (!layout_.announce || Label1 == nullptr) return;
  QAccessibleEvent alert(Label1, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace rova
