// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/arrow_navigation.h"

#include <QWidget>
#include <cstdlib>
#include <limits>

namespace rova {

std::optional<Arrow> ArrowOfKey(int key) {
  switch (key) {
    case Qt::Key_Up:
      return Arrow::Up;
    case Qt::Key_Down:
      return Arrow::Down;
    case Qt::Key_Left:
      return Arrow::Left;
    case Qt::Key_Right:
      return Arrow::Right;
    default:
      return std::nullopt;
  }
}

int ArrowTarget(const QRect& from, const QList<QRect>& others, Arrow arrow) {
  const bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
  const int sign = arrow == Arrow::Down || arrow == Arrow::Right ? 1 : -1;
  // Centres doubled, so that halves stay whole.
  const QPoint origin = from.topLeft() + from.bottomRight();
  int best = -1;
  long bestScore = std::numeric_limits<long>::max();
  for (int i = 0; i < others.size(); ++i) {
    const QRect& other = others[i];
    const QPoint centre = other.topLeft() + other.bottomRight();
    const int ahead = sign * (vertical ? centre.y() - origin.y() : centre.x() - origin.x());
    const int aside = std::abs(vertical ? centre.x() - origin.x() : centre.y() - origin.y());
    if (ahead <= 0) continue;
    const bool overlapping = vertical ? other.left() <= from.right() && other.right() >= from.left()
                                      : other.top() <= from.bottom() && other.bottom() >= from.top();
    if (!overlapping && aside > ahead) continue;
    const long score = long(ahead) + 2L * aside;
    if (score < bestScore) {
      bestScore = score;
      best = i;
    }
  }
  return best;
}

QWidget* ArrowNeighbour(const QWidget& from, Arrow arrow) {
  const QWidget* parent = from.parentWidget();
  if (parent == nullptr) return nullptr;
  QList<QWidget*> candidates;
  QList<QRect> places;
  for (QObject* child : parent->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget == &from || widget->metaObject() != from.metaObject()) continue;
    if (widget->isHidden() || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus)) continue;
    candidates.append(widget);
    places.append(widget->geometry());
  }
  const int target = ArrowTarget(from.geometry(), places, arrow);
  return target < 0 ? nullptr : candidates[target];
}

}  // namespace rova
