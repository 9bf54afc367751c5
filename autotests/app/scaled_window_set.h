// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace rova::testing {

// The windows the scaled-screen tests grab, by the names of their PNGs:
// login and registration, main window, topic menu, two task windows with
// figures (one with choices), a verdict, a handbook page with formulas and
// pictures, the statistics and its settings.
QStringList ScaledWindowSet();

// Runs scaled_window_grabber on a screen of `scale` (QT_SCALE_FACTOR), its
// grabs going into `folder`. Returns what went wrong, or an empty string.
QString GrabAtScale(double scale, const QString& folder);

}  // namespace rova::testing
