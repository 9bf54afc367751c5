// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <optional>

class QWidget;

namespace rova {

enum class Arrow { Up, Down, Left, Right };

// The arrow a key stands for, if any.
std::optional<Arrow> ArrowOfKey(int key);

// Where an arrow leads from the control at `from` among controls at `others`
// (rectangles in one parent): the nearest one beyond it in that direction
// that stands in line with it (overlapping it across the direction, or no
// further off to the side than ahead). Returns its index, or -1 when none does:
// a column of buttons answers Up and Down, a row Left and Right, a grid all four.
int ArrowTarget(const QRect& from, const QList<QRect>& others, Arrow arrow);

// The sibling of `from` (same parent, of the same class, shown, enabled and
// reachable with Tab) that `arrow` leads to, or nullptr.
QWidget* ArrowNeighbour(const QWidget& from, Arrow arrow);

}  // namespace rova
