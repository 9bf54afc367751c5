// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/control_bitmaps.h"

#include <QHash>

// Outside any namespace: the resource's registration function is global.
static void InitControlBitmaps() { Q_INIT_RESOURCE(control_bitmaps); }

namespace rova {

QImage ControlBitmap(const QString& name) {
  static const bool initialised = (InitControlBitmaps(), true);
  Q_UNUSED(initialised);
  // Loaded once each: every button of a kind shares the same strip.
  static QHash<QString, QImage> cache;
  auto it = cache.find(name);
  if (it == cache.end()) {
    QImage image(QStringLiteral(":/controls/%1.png").arg(name));
    if (!image.isNull()) image = image.convertToFormat(QImage::Format_RGB32);
    it = cache.insert(name, image);
  }
  return *it;
}

}  // namespace rova
