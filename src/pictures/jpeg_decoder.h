// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>

namespace rova {

// A picture that cannot be found or decoded. The message names the picture.
class PictureError : public std::runtime_error {
 public:
  PictureError(const QString& pictureName, const QString& reason);
  const QString& PictureName() const { return pictureName_; }

 private:
  QString pictureName_;
};

// Decodes a baseline or progressive JPEG with libjpeg into an RGB888 image.
// Corrupt, truncated and oversized data is refused with a PictureError;
// libjpeg's recoverable warnings count as corruption, since a picture the
// windows show must be whole.
QImage DecodeJpeg(const QByteArray& jpegBytes, const QString& pictureName);

// The largest width or height accepted, so that a damaged header cannot ask
// for a huge allocation.
inline constexpr int kMaxPictureSide = 4096;

}  // namespace rova
