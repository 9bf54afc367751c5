// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

#include "pictures/jpeg_decoder.h"
#include "pictures/splash_titles.h"

namespace rova {

// The picture `name` ("splash", "fig_13_1", "sym_brace", ...) decoded from
// the program's resources. A listed picture must come out at its listed
// size. Throws PictureError when the picture is missing or damaged.
QImage LoadPicture(const QString& name);

// The picture for a screen of `scale`: at 1 exactly LoadPicture's; above 1
// decoded from its copy drawn at twice the size, and at a scale other than
// 2 reduced smoothly to the screen's pixels, with the image's device pixel
// ratio set so that it covers the listed size. Throws PictureError.
QImage LoadPictureForScale(const QString& name, double scale);

// The splash picture with its titles drawn in at build time, and the size
// each title's label had then: the drawn titles are the labels' own pixels
// only while the labels have those sizes. `picture` is an RGB888 image over
// the compiled-in bytes, decoded by nothing. Empty when the program holds no
// such copy or it is not whole.
struct TitledSplash {
  QImage picture;
  std::array<QSize, kSplashTitleCount> titleSizes;
};
std::optional<TitledSplash> LoadTitledSplash();

// Where the picture's JPEG lives among the program's resources; `@2x` the
// copy drawn at twice the size.
QString PictureResourcePath(const QString& name, bool twice = false);

}  // namespace rova
