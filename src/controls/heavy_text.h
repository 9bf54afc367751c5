// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace rova {

// Draws `text` in `face` with its top-left corner at the painter's origin,
// filled and with a thin outline as well. The shipped Tahoma bold face draws
// hairline strokes at the splash's large sizes; the outline gives the titles
// the weight a bold face should have. The splash's labels and the build step
// that draws the titles into the splash picture both draw with this, so that
// their pixels are the same.
void DrawHeavyText(QPainter& painter, const QFont& face, const QString& text, const QColor& colour);

}  // namespace rova
