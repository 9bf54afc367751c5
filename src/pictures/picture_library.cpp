// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_library.h"
#include "pictures/picture_list.h"

#include <algorithm>
#include <iterator>

#include <QFile>
#include <QResource>
#include <QtEndian>

// The resource files are compiled into static libraries of their own;
// nothing else references them, so each is registered by hand before its
// first lookup: the 2x copies only when a scaled screen asks for one.
static void RegisterPictureResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(rova_pictures);
    return true;
  }();
  (void)registered;
}

static void RegisterPictureResources2x() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(rova_pictures_2x);
    return true;
  }();
  (void)registered;
}

namespace rova {

QString PictureResourcePath(const QString& name, bool twice) {
  return twice ? QStringLiteral(":/twice/pictures/%1@2x.jpg").arg(name) : QStringLiteral(":/pictures/%1.jpg").arg(name);
}

namespace {

// Decodes one copy of the picture; `factor` times the listed size.
QImage Decode(const QString& name, int factor) {
  if (factor == 2) {
    RegisterPictureResources2x();
  } else {
    RegisterPictureResources();
  }
  QFile file(PictureResourcePath(name, factor == 2));
  if (!file.open(QIODevice::ReadOnly)) {
    throw PictureError(name, QStringLiteral("not among the program's pictures"));
  }
  QImage image = DecodeJpeg(file.readAll(), name);
  if (const PictureInfo* info = FindPicture(name.toUtf8().constData())) {
    if (image.width() != factor * info->width || image.height() != factor * info->height) {
      throw PictureError(name, QStringLiteral("decoded at %1 x %2 pixels instead of %3 x %4")
                                   .arg(image.width())
                                   .arg(image.height())
                                   .arg(factor * info->width)
                                   .arg(factor * info->height));
    }
  }
  return image;
}

}  // namespace

QImage LoadPicture(const QString& name) { return Decode(name, 1); }

QImage LoadPictureForScale(const QString& name, double scale) {
  if (scale <= 1.0) return LoadPicture(name);
  QImage image = Decode(name, 2);
  if (scale != 2.0) {
    // The nearest whole pixels: the picture then lays out at its listed size.
    const QSize screen(qRound(image.width() / 2.0 * scale), qRound(image.height() / 2.0 * scale));
    image = image.scaled(screen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  image.setDevicePixelRatio(scale);
  return image;
}

std::optional<TitledSplash> LoadTitledSplash() {
  RegisterPictureResources();
  const QResource resource(QStringLiteral(":/pictures/") + QLatin1String(kTitledSplashFile));
  // The resources are compiled in uncompressed, so the bytes are read where they lie.
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return std::nullopt;
  const auto* bytes = resource.data();
  const qint64 size = resource.size();
  constexpr qint64 kHeaderSize = sizeof kTitledSplashMagic + 4 * (2 * kSplashTitleCount + 2);
  if (bytes == nullptr || size < kHeaderSize ||
      !std::equal(std::begin(kTitledSplashMagic), std::end(kTitledSplashMagic), bytes)) {
    return std::nullopt;
  }
  const uchar* numbers = bytes + sizeof kTitledSplashMagic;
  const auto number = [numbers](int i) { return qFromLittleEndian<qint32>(numbers + 4 * i); };
  TitledSplash splash;
  for (int t = 0; t < kSplashTitleCount; ++t) splash.titleSizes[t] = QSize(number(2 * t), number(2 * t + 1));
  const int width = number(2 * kSplashTitleCount);
  const int height = number(2 * kSplashTitleCount + 1);
  const PictureInfo* info = FindPicture("splash");
  if (info == nullptr || width != info->width || height != info->height ||
      size != kHeaderSize + qint64(width) * height * 3) {
    return std::nullopt;
  }
  splash.picture = QImage(bytes + kHeaderSize, width, height, width * 3, QImage::Format_RGB888);
  return splash;
}

}  // namespace rova
