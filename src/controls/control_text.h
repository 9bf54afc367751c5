// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QFont;
class QPainter;
class QTextOption;

namespace rova {

// Whether `font` asks for bold but its face draws the same strokes either
// way (the bitmap sans face has no bold strike).
bool NeedsOverstrike(const QFont& font);

// The font DrawCaption really lays text out in: with overstrike, every letter
// one pixel wider. Captions that must fit a width are measured with it.
QFont DrawnFont(const QFont& font);

// QPainter::drawText that draws the sans face at the screen's scale: laid
// out as at 1x, each line in the face's rendition for the scale.
void DrawPlainText(QPainter& canvas, const QRect& rect, int flags, const QString& text);

// Draws text with the painter's font and pen, as DrawPlainText; bold in a
// face without a bold strike is made by drawing the text again one pixel to
// the right.
void DrawCaption(QPainter& canvas, const QRect& rect, int flags, const QString& text);
void DrawCaption(QPainter& canvas, const QRectF& rect, const QString& text, const QTextOption& option);

}  // namespace rova
