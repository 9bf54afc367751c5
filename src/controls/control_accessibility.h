// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace rova {

// Lets screen readers know the custom controls: role, caption and checked
// state, group boxes and captioned panels by caption. Installed once; every
// control's constructor asks for it.
void InstallControlAccessibility();

// Leaves out for a screen reader a label that is part of a formula whose
// words another label reads (a raised mark, a fraction's bar), which would
// otherwise read "2" after "x  - 9 = 0".
void ReadWithAnotherLabel(QWidget* label);
bool IsReadWithAnotherLabel(const QWidget& label);

}  // namespace rova
