// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QPainter;
class QRect;
class QWidget;

namespace rova {

// Whether a focused control draws its focus mark. The marks show once the
// keyboard has been used to move about or to press a control (Tab, an arrow,
// Enter or Space on a control) and hide again at the next mouse click, so a
// pupil who works with the mouse sees every window as it has always looked,
// and one who works with the keyboard always sees where the focus is.
bool FocusCuesShown();
void ShowFocusCues();
void HideFocusCues();

// Watches the whole program's input for Tab and mouse clicks. Installed once;
// every focusable control's constructor asks for it.
void InstallFocusCues();

// Whether `control` should draw its focus mark now.
bool ShowsFocusMark(const QWidget& control);

// The dotted focus rectangle, drawn inside `rect` in the window text colour.
void DrawFocusMark(QPainter& canvas, const QWidget& control, const QRect& rect);

// A control whose caption is drawn by other widgets beside it (a radio box
// and the labels of its option) shows its focus mark round them: a frame
// laid over the caption, in the control's parent, that draws the mark while
// the control shows it and is otherwise not there for the eye or the mouse.
// Returns the frame, which the control updates as its focus changes.
QWidget* AddCaptionFocusFrame(QWidget* control, const QList<QWidget*>& caption);

}  // namespace rova
