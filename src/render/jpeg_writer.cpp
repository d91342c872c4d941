// render/jpeg_writer.cpp: JPEG encoding into memory. libjpeg reports fatal errors through
// error_exit, which by default ends the program; ours jumps back and the caller throws.
#include "render/jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "scene/errors.h"
#include "scene/file_io.h"

namespace facetry {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Runs the encoder with no C++ objects alive across the jump. Returns false on an error,
// with the library's message in `errors.message`.
bool compress(const Canvas& picture, const unsigned char* rgb_rows, ErrorManager& errors,
              unsigned char** out, unsigned long* out_size) {
  jpeg_compress_struct info{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = onError;
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, out_size);
  info.image_width = static_cast<JDIMENSION>(picture.width());
  info.image_height = static_cast<JDIMENSION>(picture.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  const std::size_t row_bytes = static_cast<std::size_t>(picture.width()) * 3;
  while (info.next_scanline < info.image_height) {
    auto* row = const_cast<JSAMPROW>(rgb_rows + info.next_scanline * row_bytes);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::string encodeJpeg(const Canvas& picture) {
  if (picture.width() <= 0 || picture.height() <= 0) throw IoError("an empty picture has no JPEG");
  // libjpeg takes red, green, blue rows without padding.
  std::vector<unsigned char> rgb(static_cast<std::size_t>(picture.width()) * picture.height() * 3);
  for (int y = 0; y < picture.height(); ++y) {
    const std::uint8_t* src = picture.row(y);
    unsigned char* dst = rgb.data() + static_cast<std::size_t>(y) * picture.width() * 3;
    for (int x = 0; x < picture.width(); ++x) {
      dst[3 * x] = src[3 * x + 2];
      dst[3 * x + 1] = src[3 * x + 1];
      dst[3 * x + 2] = src[3 * x];
    }
  }
  ErrorManager errors{};
  unsigned char* out = nullptr;
  unsigned long out_size = 0;
  const bool ok = compress(picture, rgb.data(), errors, &out, &out_size);
  std::string bytes;
  if (ok && out) bytes.assign(reinterpret_cast<const char*>(out), out_size);
  std::free(out);
  if (!ok) throw IoError(std::string("JPEG encoding failed: ") + errors.message);
  return bytes;
}

void writeJpeg(const Canvas& picture, const std::string& path) {
  const std::string bytes = encodeJpeg(picture);
  AtomicFileWriter out(path);
  out.write(bytes.data(), bytes.size());
  out.commit();
}

}  // namespace facetry
