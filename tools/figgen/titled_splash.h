// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace rova::figgen {

// The splash picture as the program decodes it from `splashJpeg`, with the
// splash's titles drawn in exactly as its labels draw them, in the raw form
// `LoadTitledSplash` reads. Needs a QApplication, since the titles' sizes
// are their labels'. Empty with `error` set when the JPEG cannot be decoded
// or a title does not lie wholly on the picture.
QByteArray DrawTitledSplash(const QByteArray& splashJpeg, QString* error);

}  // namespace rova::figgen
