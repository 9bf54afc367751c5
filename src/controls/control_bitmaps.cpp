// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/control_bitmaps.h"

#include <QHash>

// Outside any namespace: the resources' registration functions are global.
static void InitControlBitmaps() { Q_INIT_RESOURCE(control_bitmaps); }
static void InitControlBitmaps2x() { Q_INIT_RESOURCE(control_bitmaps_2x); }

namespace rova {
namespace {

QImage LoadBitmap(const QString& file) {
  static const bool initialised = (InitControlBitmaps(), true);
  Q_UNUSED(initialised);
  if (file.endsWith(QLatin1String("@2x"))) {
    static const bool initialised2x = (InitControlBitmaps2x(), true);
    Q_UNUSED(initialised2x);
  }
  // The 2x copies lie under a root of their own, apart from the 1x bitmaps.
  QImage image(file.endsWith(QLatin1String("@2x")) ? QStringLiteral(":/twice/controls/%1.png").arg(file)
                                                    : QStringLiteral(":/controls/%1.png").arg(file));
  // "@2x" in the name gives the image its ratio of 2 as it is read.
  if (!image.isNull()) image = image.convertToFormat(QImage::Format_RGB32);
  return image;
}

// The pictures handed out so far, by name; the same image goes to every
// control that asks, so its cache key names it.
QHash<QString, QImage>& OneTimes() {
  static QHash<QString, QImage> cache;
  return cache;
}

}  // namespace

QImage ControlBitmap(const QString& name) {
  // Loaded once each: every button of a kind shares the same strip.
  QHash<QString, QImage>& cache = OneTimes();
  auto it = cache.find(name);
  if (it == cache.end()) it = cache.insert(name, LoadBitmap(name));
  return *it;
}

QImage ControlBitmapForScale(const QImage& bitmap, double scale) {
  if (scale <= 1.0 || bitmap.isNull()) return bitmap;
  static QHash<QString, QImage> twice;
  const QHash<QString, QImage>& oneTimes = OneTimes();
  for (auto it = oneTimes.cbegin(); it != oneTimes.cend(); ++it) {
    if (it->cacheKey() != bitmap.cacheKey()) continue;
    auto found = twice.find(it.key());
    if (found == twice.end()) found = twice.insert(it.key(), LoadBitmap(it.key() + QStringLiteral("@2x")));
    return found->isNull() ? bitmap : *found;
  }
  return bitmap;
}

}  // namespace rova
