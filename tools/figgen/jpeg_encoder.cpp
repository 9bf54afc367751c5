// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace rova::figgen {
namespace {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

void OnFatalError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// All libjpeg work of one encode; only trivially destructible locals, since
// a fatal error jumps back into it.
bool Compress(jpeg_compress_struct* cinfo, ErrorManager* err, const QImage* rgb, int quality,
              unsigned char** out, unsigned long* outSize) {
  if (setjmp(err->jump)) return false;
  jpeg_mem_dest(cinfo, out, outSize);
  cinfo->image_width = static_cast<JDIMENSION>(rgb->width());
  cinfo->image_height = static_cast<JDIMENSION>(rgb->height());
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_RGB;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, quality, TRUE);
  for (int c = 0; c < 3; ++c) {
    cinfo->comp_info[c].h_samp_factor = 1;
    cinfo->comp_info[c].v_samp_factor = 1;
  }
  cinfo->dct_method = JDCT_ISLOW;
  jpeg_start_compress(cinfo, TRUE);
  while (cinfo->next_scanline < cinfo->image_height) {
    auto* row = const_cast<JSAMPROW>(rgb->constScanLine(static_cast<int>(cinfo->next_scanline)));
    jpeg_write_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_compress(cinfo);
  return true;
}

}  // namespace

QByteArray EncodeJpeg(const QImage& image, int quality) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnFatalError;
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  const bool ok = Compress(&cinfo, &err, &rgb, quality, &out, &outSize);
  jpeg_destroy_compress(&cinfo);
  QByteArray bytes;
  if (ok) bytes = QByteArray(reinterpret_cast<const char*>(out), static_cast<qsizetype>(outSize));
  std::free(out);
  return bytes;
}

}  // namespace rova::figgen
