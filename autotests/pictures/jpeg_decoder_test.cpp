// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding the program's JPEG resources with libjpeg: every picture at its
// size, the same pixels as libjpeg's own command-line decoder, and damaged
// data refused with the picture's name instead of a crash.
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "pictures/picture_library.h"
#include "pictures/picture_list.h"
#include "temp_dir.h"

namespace rova {
namespace {

QByteArray ResourceBytes(const char* name) {
  LoadPicture(QLatin1String(name));  // registers the resources
  QFile file(PictureResourcePath(QLatin1String(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `decode` and returns the PictureError's message, or "" if it decoded.
template <typename F>
std::string ErrorOf(F decode) {
  try {
    decode();
  } catch (const PictureError& e) {
    return e.what();
  }
  return {};
}

TEST(LoadPicture, everyListedPictureDecodesAtItsListedSize) {
  for (const PictureInfo& info : AllPictures()) {
    QImage image;
    ASSERT_NO_THROW(image = LoadPicture(QLatin1String(info.name))) << info.name;
    EXPECT_EQ(image.width(), info.width) << info.name;
    EXPECT_EQ(image.height(), info.height) << info.name;
  }
}

// A scaled screen gets the copy drawn at 2x, reduced to its own pixels, and
// laid out at the listed size; a 1x screen the 1x copy itself.
TEST(LoadPicture, everyPictureComesAtTheScreensPixelsCoveringItsListedSize) {
  for (const PictureInfo& info : AllPictures()) {
    SCOPED_TRACE(info.name);
    EXPECT_EQ(LoadPictureForScale(QLatin1String(info.name), 1.0), LoadPicture(QLatin1String(info.name)));
    for (const double scale : {1.25, 1.5, 2.0}) {
      QImage image;
      ASSERT_NO_THROW(image = LoadPictureForScale(QLatin1String(info.name), scale)) << scale;
      EXPECT_EQ(image.devicePixelRatio(), scale);
      EXPECT_EQ(image.width(), qRound(info.width * scale)) << scale;
      EXPECT_EQ(image.deviceIndependentSize().toSize(), QSize(info.width, info.height)) << scale;
    }
  }
}

TEST(LoadPicture, unknownPictureIsRefusedByName) {
  const std::string message = ErrorOf([] { LoadPicture(QStringLiteral("fig_19_9")); });
  EXPECT_NE(message.find("fig_19_9"), std::string::npos) << message;
}

// A second, independent decode of the same bytes: libjpeg's own djpeg
// writing a binary PPM with its default settings.
QByteArray DjpegPixels(const QByteArray& jpeg, QSize* size) {
  QProcess djpeg;
  djpeg.start(QStringLiteral("djpeg"), {QStringLiteral("-ppm")});
  if (!djpeg.waitForStarted()) return {};
  djpeg.write(jpeg);
  djpeg.closeWriteChannel();
  if (!djpeg.waitForFinished() || djpeg.exitCode() != 0) return {};
  const QByteArray ppm = djpeg.readAllStandardOutput();
  // "P6\n<w> <h>\n255\n" then RGB triples.
  const QList<QByteArray> head = ppm.left(32).split('\n');
  if (head.size() < 4 || head[0] != "P6") return {};
  const QList<QByteArray> dims = head[1].split(' ');
  *size = QSize(dims.value(0).toInt(), dims.value(1).toInt());
  const qsizetype headerLength = head[0].size() + head[1].size() + head[2].size() + 3;
  return ppm.mid(headerLength);
}

TEST(DecodeJpeg, matchesLibjpegsOwnDecoderPixelForPixel) {
  if (QStandardPaths::findExecutable(QStringLiteral("djpeg")).isEmpty()) {
    GTEST_SKIP() << "djpeg (libjpeg-turbo-progs) is not installed";
  }
  for (const PictureInfo& info : AllPictures()) {
    const QByteArray jpeg = ResourceBytes(info.name);
    QSize size;
    const QByteArray reference = DjpegPixels(jpeg, &size);
    ASSERT_FALSE(reference.isEmpty()) << info.name;
    const QImage image = DecodeJpeg(jpeg, QLatin1String(info.name));
    ASSERT_EQ(image.size(), size) << info.name;
    const int rowBytes = image.width() * 3;
    for (int y = 0; y < image.height(); ++y) {
      ASSERT_EQ(QByteArray(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes),
                reference.mid(qsizetype(y) * rowBytes, rowBytes))
          << info.name << " row " << y;
    }
  }
}

struct Damage {
  const char* what;
  QByteArray (*apply)(const QByteArray&);
};

// Byte offset of the first scan's entropy-coded data.
qsizetype ScanStart(const QByteArray& jpeg) {
  const qsizetype sos = jpeg.indexOf("\xFF\xDA");
  return sos + 2 + ((uchar(jpeg[sos + 2]) << 8) | uchar(jpeg[sos + 3]));
}

const Damage kDamages[] = {
    {"no data", [](const QByteArray&) { return QByteArray(); }},
    {"not a JPEG", [](const QByteArray&) { return QByteArray("GIF89a this is no JPEG at all"); }},
    {"cut inside the header", [](const QByteArray& j) { return j.left(40); }},
    {"cut in the middle of the picture", [](const QByteArray& j) { return j.left(j.size() / 2); }},
    {"end marker missing", [](const QByteArray& j) { return j.left(j.size() - 2); }},
    {"scan data overwritten with a marker",
     [](const QByteArray& j) {
       QByteArray d = j;
       const qsizetype at = ScanStart(d) + (d.size() - ScanStart(d)) / 3;
       d[at] = char(0xFF);
       d[at + 1] = char(0xD3);  // a restart marker where none belongs
       return d;
     }},
    {"huge size in the frame header",
     [](const QByteArray& j) {
       QByteArray d = j;
       const qsizetype sof = d.indexOf("\xFF\xC0");
       d[sof + 5] = char(0xEA);  // height 60000
       d[sof + 6] = char(0x60);
       d[sof + 7] = char(0xEA);  // width 60000
       d[sof + 8] = char(0x60);
       return d;
     }},
    {"unsupported precision",
     [](const QByteArray& j) {
       QByteArray d = j;
       d[d.indexOf("\xFF\xC0") + 4] = 12;
       return d;
     }},
};

TEST(DecodeJpeg, refusesDamagedDataNamingThePicture) {
  const QByteArray good = ResourceBytes("fig_16_5");
  ASSERT_FALSE(good.isEmpty());
  for (const Damage& damage : kDamages) {
    const std::string message =
        ErrorOf([&] { DecodeJpeg(damage.apply(good), QStringLiteral("fig_16_5")); });
    EXPECT_NE(message.find("fig_16_5"), std::string::npos) << damage.what << ": " << message;
  }
}

// Random byte damage anywhere must end in a clean refusal or a whole
// picture, never a crash or a wrong size.
TEST(DecodeJpeg, survivesRandomDamage) {
  const QByteArray good = ResourceBytes("fig_13_3");
  QRandomGenerator random(20041);
  for (int round = 0; round < 300; ++round) {
    QByteArray bad = good;
    const int hits = 1 + random.bounded(4);
    for (int i = 0; i < hits; ++i) bad[random.bounded(bad.size())] = char(random.bounded(256));
    try {
      const QImage image = DecodeJpeg(bad, QStringLiteral("fig_13_3"));
      EXPECT_FALSE(image.isNull());
      EXPECT_LE(image.width(), kMaxPictureSide);
    } catch (const PictureError& e) {
      EXPECT_EQ(e.PictureName(), QStringLiteral("fig_13_3"));
    }
  }
}

}  // namespace
}  // namespace rova
