// SPDX-License-Identifier: GPL-3.0-or-later
#include "titled_splash.h"

#include <QLabel>
#include <QPainter>
#include <QtEndian>
#include <stdexcept>

#include "controls/heavy_text.h"
#include "controls/program_fonts.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/splash_titles.h"

namespace rova::figgen {

namespace {

void AppendNumber(QByteArray& bytes, qint32 value) {
  char le[4];
  qToLittleEndian(value, le);
  bytes.append(le, 4);
}

}  // namespace

QByteArray DrawTitledSplash(const QByteArray& splashJpeg, QString* error) {
  QImage picture;
  try {
    picture = DecodeJpeg(splashJpeg, QStringLiteral("splash")).convertToFormat(QImage::Format_RGB32);
  } catch (const std::runtime_error& e) {
    *error = QString::fromLocal8Bit(e.what());
    return {};
  }
  const QRect pictureRect(kSplashPictureLeft, kSplashPictureTop, picture.width(), picture.height());

  QByteArray bytes(kTitledSplashMagic, sizeof kTitledSplashMagic);
  QImage titled = picture;
  for (const SplashTitle& title : kSplashTitles) {
    const QString text = QString::fromUtf8(title.text);
    const QFont face = TahomaFont(title.pixelSize, true);
    // The label's size, as the splash lays it out; its paint is clipped to it.
    QLabel label(text);
    label.setFont(face);
    label.setTextFormat(Qt::PlainText);
    label.adjustSize();
    const QRect labelRect(QPoint(title.x, title.y), label.size());
    if (!pictureRect.contains(labelRect)) {
      *error = QStringLiteral("the title \"%1\" does not lie on the picture").arg(text);
      return {};
    }
    AppendNumber(bytes, labelRect.width());
    AppendNumber(bytes, labelRect.height());
    // Drawn on a canvas the size of the window at the label's place in it,
    // as the label draws into the window's pixels, so that the outlines fall
    // on the same pixel fractions; then the label's rectangle is kept.
    QImage canvas(pictureRect.right() + 1, pictureRect.bottom() + 1, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
      QPainter painter(&canvas);
      painter.drawImage(pictureRect.topLeft(), picture);
      painter.translate(labelRect.topLeft());
      DrawHeavyText(painter, face, text, Qt::black);
    }
    QPainter painter(&titled);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(labelRect.topLeft() - pictureRect.topLeft(), canvas, labelRect);
  }
  AppendNumber(bytes, titled.width());
  AppendNumber(bytes, titled.height());
  const QImage rgb = titled.convertToFormat(QImage::Format_RGB888);
  for (int y = 0; y < rgb.height(); ++y) {
    bytes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
  }
  return bytes;
}

}  // namespace rova::figgen
