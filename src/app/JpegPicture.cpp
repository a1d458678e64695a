#include "app/JpegPicture.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

// libjpeg reports a fatal error through error_exit, which must not return.
// It longjmps back into DecodeJpeg; nothing with a destructor lives between
// the setjmp and the library's frames.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf resume;
  char message[JMSG_LENGTH_MAX];
};

// Warnings (a truncated file, corrupt data) still give a picture, as much as
// could be decoded; they are not the user's business.
void OnWarning(j_common_ptr, int) {}

void OnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->resume, 1);
}

// Pictures beyond this many pixels are refused before anything is
// allocated: a damaged header must not ask for gigabytes.
constexpr unsigned long long kMaxPixels = 64ULL * 1024 * 1024;


// Runs libjpeg over the bytes into `out`. The frame that setjmp returns to
// holds no C++ object with a destructor, so the jump skips none; `out` lives
// in the caller. False with `message` filled on any decoder error.
bool DecodeWithLibjpeg(const unsigned char* data, unsigned long size, platform::Bitmap* out,
                       char (&message)[JMSG_LENGTH_MAX]) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnWarning;
  if (setjmp(errors.resume) != 0) {
    std::snprintf(message, sizeof message, "%s", errors.message);
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGRA;  // 0xAARRGGBB in a little-endian word
  if (static_cast<unsigned long long>(info.image_width) * info.image_height > kMaxPixels) {
    std::snprintf(message, sizeof message, "picture of %ux%u pixels is too large", info.image_width,
                  info.image_height);
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  *out = platform::Bitmap::Argb(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(out->Row(static_cast<int>(info.output_scanline)));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

platform::Bitmap DecodeJpeg(std::string_view bytes) {
  platform::Bitmap bitmap;
  char message[JMSG_LENGTH_MAX] = {};
  if (!DecodeWithLibjpeg(reinterpret_cast<const unsigned char*>(bytes.data()),
                         static_cast<unsigned long>(bytes.size()), &bitmap, message))
    throw std::runtime_error(std::string("JPEG error: ") + message);
  return bitmap;
}
