// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include "pictures/jpeg_decoder.h"

namespace rova {

// The picture `name` ("splash", "fig_13_1", "sym_brace", ...) decoded from
// the program's resources. A listed picture must come out at its listed
// size. Throws PictureError when the picture is missing or damaged.
QImage LoadPicture(const QString& name);

// Where the picture's JPEG lives among the program's resources.
QString PictureResourcePath(const QString& name);

}  // namespace rova
