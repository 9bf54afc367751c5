// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace rova {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return.
// It jumps back to the call that started the libjpeg work; the functions
// that set the jump point hold only trivially destructible locals, so no
// C++ object is skipped on the way back.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnFatalError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (premature end of data, extraneous bytes, bad Huffman codes) mean
// a damaged picture: remember the first one and let the caller refuse it.
void OnMessage(j_common_ptr cinfo, int level) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (level >= 0) return;  // trace output
  if (cinfo->err->num_warnings++ == 0) (*cinfo->err->format_message)(cinfo, err->message);
}

// Reads the header and starts decompression. Returns false with the
// message in err on failure.
bool StartDecode(jpeg_decompress_struct* cinfo, ErrorManager* err, const unsigned char* data,
                 unsigned long size) {
  if (setjmp(err->jump)) return false;
  jpeg_mem_src(cinfo, data, size);
  jpeg_read_header(cinfo, TRUE);
  cinfo->out_color_space = JCS_RGB;
  jpeg_start_decompress(cinfo);
  return true;
}

// Reads every scanline into rows of `bits`, `stride` bytes apart.
bool ReadScanlines(jpeg_decompress_struct* cinfo, ErrorManager* err, unsigned char* bits,
                   long stride) {
  if (setjmp(err->jump)) return false;
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW row = bits + stride * static_cast<long>(cinfo->output_scanline);
    jpeg_read_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

// Owns the libjpeg decompressor for the length of one decode.
class Decompressor {
 public:
  Decompressor() {
    cinfo_.err = jpeg_std_error(&err_.pub);
    err_.pub.error_exit = OnFatalError;
    err_.pub.emit_message = OnMessage;
    err_.message[0] = '\0';
    jpeg_create_decompress(&cinfo_);
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo_); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct* info() { return &cinfo_; }
  ErrorManager* errors() { return &err_; }
  QString message() const { return QString::fromLocal8Bit(err_.message); }
  bool warned() const { return err_.pub.num_warnings > 0; }

 private:
  jpeg_decompress_struct cinfo_{};
  ErrorManager err_{};
};

}  // namespace

PictureError::PictureError(const QString& pictureName, const QString& reason)
    : std::runtime_error(
          QStringLiteral("Picture \"%1\": %2").arg(pictureName, reason).toStdString()),
      pictureName_(pictureName) {}

QImage DecodeJpeg(const QByteArray& jpegBytes, const QString& pictureName) {
  if (jpegBytes.isEmpty()) throw PictureError(pictureName, QStringLiteral("no data"));

  Decompressor d;
  const auto* data = reinterpret_cast<const unsigned char*>(jpegBytes.constData());
  if (!StartDecode(d.info(), d.errors(), data, static_cast<unsigned long>(jpegBytes.size()))) {
    throw PictureError(pictureName, QStringLiteral("not a readable JPEG (%1)").arg(d.message()));
  }
  const jpeg_decompress_struct& info = *d.info();
  if (info.output_width > kMaxPictureSide || info.output_height > kMaxPictureSide) {
    throw PictureError(pictureName, QStringLiteral("%1 x %2 pixels is larger than any picture")
                                        .arg(info.output_width)
                                        .arg(info.output_height));
  }
  if (info.output_components != 3) {
    throw PictureError(pictureName, QStringLiteral("unexpected colour layout"));
  }

  QImage image(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
               QImage::Format_RGB888);
  if (image.isNull()) throw PictureError(pictureName, QStringLiteral("out of memory"));
  if (!ReadScanlines(d.info(), d.errors(), image.bits(), image.bytesPerLine())) {
    throw PictureError(pictureName, QStringLiteral("damaged JPEG data (%1)").arg(d.message()));
  }
  if (d.warned()) {
    throw PictureError(pictureName, QStringLiteral("damaged JPEG data (%1)").arg(d.message()));
  }
  return image;
}

}  // namespace rova
