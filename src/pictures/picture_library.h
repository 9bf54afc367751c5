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

// Where the picture's JPEG lives among the program's resources.
QString PictureResourcePath(const QString& name);

}  // namespace rova
