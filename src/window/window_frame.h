// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

#include "controls/lb_color.h"
#include "controls/program_fonts.h"

class QLabel;
class QLineEdit;
class QWidget;

// The factories of the panels, frames and controls every window is built
// from; the colours and sizes they share are in window_look.h.

namespace rova {

class ProgramWindow;
class TArtPanel;
class TColoredGroupBox;
class TLbButton;
class TLbSpeedButton;

// The title bar of a window of the given client width: a panel at (2, 2)
// with the bold title at its left and the close button "X" at its right.
struct TitleBar {
  TArtPanel* panel;
  TLbButton* closeButton;
};

// A main-size window's frame: 694 x 412, title bar, body panel at (2, 26).
struct MainSizeFrame {
  TArtPanel* titleBar;
  TLbButton* closeButton;
  TArtPanel* body;
};

// Fills the window's client area (what shows between its panels).
void SetWindowColor(QWidget* window, TColor color);

// A bevelled panel with black edges.
TArtPanel* AddPanel(QWidget* parent, const QRect& rect, TColor color);

// The close button becomes the window's: Escape presses it.
TitleBar AddTitleBar(QWidget* window, int clientWidth, const QString& title);
// A 17 x 17 button of a title bar ("X", "-") at `x`; the mouse reaches it,
// Tab does not.
TLbButton* AddTitleBarButton(TArtPanel* titleBar, int x, const QString& caption);

// Sizes the window to 694 x 412 and builds its title bar and body.
MainSizeFrame BuildMainSizeFrame(ProgramWindow* window, const QString& title);

// Sizes a small window and returns its one panel, at (2, 2) inside a 2-pixel
// frame of kFrameColor.
TArtPanel* BuildSmallWindowFrame(ProgramWindow* window, int width, int height);

// A black label of the program's 11-pixel face, sized to its text. Bold in
// the bitmap sans face, which has no bold strike, is drawn by overstrike.
QLabel* AddLabel(QWidget* parent, int x, int y, const QString& text, const QFont& font = SansFont());
// The same for a label made elsewhere (a label class of its own).
QLabel* PlaceLabel(QLabel* label, int x, int y, const QFont& font);

// A command button that hot-tracks and fades like every other.
TLbSpeedButton* AddSpeedButton(QWidget* parent, const QRect& rect, const QString& caption);

TColoredGroupBox* AddGroupBox(QWidget* parent, const QRect& rect, const QString& caption);

// The 18 topic buttons of the test-topic menu and the handbook index, in the
// group both windows share: topics 1 to 9 on the left, 10 to 18 on the
// right, captions left-aligned so their numbers line up; `click` gets the
// topic. The buttons are named LbSpeedButton1 to LbSpeedButton18.
QList<TLbSpeedButton*> AddTopicButtons(QWidget* group, const QStringList& captions,
                                       const std::function<void(int topic)>& click);

// A borderless single-line edit at (4, 4) inside a white bevelled panel at
// `panelRect`. A password edit shows every character as "•".
QLineEdit* AddEdit(QWidget* parent, const QRect& panelRect, bool password = false);

// Gives `field` the text of the label beside it, without its colon, as the
// name a screen reader reads; NamedByLabel returns the field.
void NameByLabel(QWidget* field, const QString& label);
template <typename Field>
Field* NamedByLabel(Field* field, const QString& label) {
  NameByLabel(field, label);
  return field;
}

}  // namespace rova
