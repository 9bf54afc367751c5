// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_library.h"
#include "pictures/picture_list.h"

#include <QFile>

// The resource file is compiled into a static library of its own; nothing
// else references it, so it is registered by hand before the first lookup.
static void RegisterPictureResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(rova_pictures);
    return true;
  }();
  (void)registered;
}

namespace rova {

QString PictureResourcePath(const QString& name) {
  return QStringLiteral(":/pictures/%1.jpg").arg(name);
}

QImage LoadPicture(const QString& name) {
  RegisterPictureResources();
  QFile file(PictureResourcePath(name));
  if (!file.open(QIODevice::ReadOnly)) {
    throw PictureError(name, QStringLiteral("not among the program's pictures"));
  }
  QImage image = DecodeJpeg(file.readAll(), name);
  if (const PictureInfo* info = FindPicture(name.toUtf8().constData())) {
    if (image.width() != info->width || image.height() != info->height) {
      throw PictureError(name, QStringLiteral("decoded at %1 x %2 pixels instead of %3 x %4")
                                   .arg(image.width())
                                   .arg(image.height())
                                   .arg(info->width)
                                   .arg(info->height));
    }
  }
  return image;
}

}  // namespace rova
