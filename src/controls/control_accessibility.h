// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rova {

// Lets screen readers know the custom controls: role, caption and checked
// state, group boxes and captioned panels by caption. Installed once; every
// control's constructor asks for it.
void InstallControlAccessibility();

}  // namespace rova
