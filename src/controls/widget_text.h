// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace rova {

// Lets one of Qt's own widgets (a label, an edit field, a list) show the
// sans face at the screen's scale: on a scaled screen its paint goes through
// a ScaledTextDevice, so its text is laid out as at 1x and drawn in the
// face's rendition for the scale. On a 1x screen nothing changes. For a
// scrolling widget, give its viewport.
void DrawTextAtScreenScale(QWidget* surface);

}  // namespace rova
