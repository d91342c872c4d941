// materials/jpeg_decoder.cpp: JPEG pictures through libjpeg.
// Reads: baseline and progressive JPEG in grey, YCbCr, RGB, CMYK and YCCK, decoded straight
// to blue, green, red. Only the kept columns are decoded (libjpeg's scan-line crop) and
// decoding stops after the kept rows, so a large picture costs about what its kept corner
// does. Skips: markers, profiles and everything after the kept rows.
//
// libjpeg reports a fault by calling its error_exit and never returning. Here error_exit
// formats the message and jumps back to the setjmp in `guarded`, crossing only libjpeg's C
// frames and a lambda without destructors; the C++ exception is thrown after the jump.
#include <csetjmp>
#include <cstdio>
#include <cstring>

extern "C" {
#include <jpeglib.h>
// jerror.h after jpeglib.h: it names the warning codes.
#include <jerror.h>
}

#include "materials/picture.h"
#include "scene/errors.h"

namespace facetry {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;  // first, so that libjpeg's pointer is also ours
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

extern "C" void jpegErrorExit(j_common_ptr info) {
  auto* e = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, e->message);
  std::longjmp(e->jump, 1);
}

// Warnings: a file that ends before the kept rows are complete is refused rather than padded
// with grey; other warnings (stray bytes between markers) are let pass.
extern "C" void jpegEmitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) jpegErrorExit(info);
}

extern "C" void jpegOutputMessage(j_common_ptr) {}

// Runs `step` (libjpeg calls, no objects with destructors) and returns false when libjpeg
// reported a fault during it.
template <typename Step>
bool guarded(ErrorManager& errors, Step step) {
  if (setjmp(errors.jump) != 0) return false;
  step();
  return true;
}

class Decompressor {
 public:
  explicit Decompressor(const std::string& name) : name_(name) {
    std::memset(&errors_, 0, sizeof errors_);
    std::memset(&info_, 0, sizeof info_);
    info_.err = jpeg_std_error(&errors_.base);
    errors_.base.error_exit = jpegErrorExit;
    errors_.base.emit_message = jpegEmitMessage;
    errors_.base.output_message = jpegOutputMessage;
    ErrorManager& e = errors_;
    jpeg_decompress_struct& info = info_;
    if (!guarded(e, [&info] { jpeg_create_decompress(&info); })) fail();
    created_ = true;
    // Coefficient buffers of large progressive pictures beyond this fail instead of growing.
    info_.mem->max_memory_to_use = 96L << 20;
  }
  ~Decompressor() {
    if (created_) jpeg_destroy_decompress(&info_);
  }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  template <typename Step>
  void run(Step step) {
    if (!guarded(errors_, step)) fail();
  }
  jpeg_decompress_struct& info() { return info_; }
  // One scan line into `target`; a memory source never suspends, so a short read is a fault.
  void readRow(JSAMPROW target) {
    JDIMENSION got = 0;
    run([this, &target, &got] { got = jpeg_read_scanlines(&info_, &target, 1); });
    if (got != 1) throw FormatError(name_ + ": the picture ends before its rows do");
  }

 private:
  [[noreturn]] void fail() {
    throw FormatError(name_ + ": is not a JPEG picture that can be read (" + errors_.message + ")");
  }

  const std::string& name_;
  ErrorManager errors_;
  jpeg_decompress_struct info_;
  bool created_ = false;
};

// Adobe CMYK is stored inverted: a channel is (stored value) x (stored K) / 255.
void cmykToBgr(const std::uint8_t* cmyk, int count, std::uint8_t* out) {
  for (int i = 0; i < count; ++i, cmyk += 4, out += 3) {
    const unsigned k = cmyk[3];
    out[0] = static_cast<std::uint8_t>(cmyk[2] * k / 255);
    out[1] = static_cast<std::uint8_t>(cmyk[1] * k / 255);
    out[2] = static_cast<std::uint8_t>(cmyk[0] * k / 255);
  }
}

}  // namespace

Picture decodeJpeg(const std::uint8_t* data, std::size_t size, const std::string& name, int keep) {
  if (size < 4) throw FormatError(name + ": is not a JPEG picture that can be read (too short)");
  Decompressor d(name);
  jpeg_decompress_struct& info = d.info();
  d.run([&info, data, size] {
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
  });
  Picture p = picture_detail::startPicture(info.image_width, info.image_height, keep, name);
  if (p.empty()) return p;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  const int channels = cmyk ? 4 : 3;
  d.run([&info] { jpeg_start_decompress(&info); });

  JDIMENSION x_offset = 0;
  JDIMENSION crop_width = static_cast<JDIMENSION>(p.kept_width);
  if (crop_width < info.output_width) {
    d.run([&info, &x_offset, &crop_width] { jpeg_crop_scanline(&info, &x_offset, &crop_width); });
  }
  // One row as libjpeg delivers it: the cropped width, at least the kept width.
  std::vector<std::uint8_t> row(static_cast<std::size_t>(info.output_width) * channels);
  std::uint8_t* row_start = row.data();
  for (int r = 0; r < p.kept_height; ++r) {
    std::uint8_t* out = p.bgr.data() + static_cast<std::size_t>(r) * p.kept_width * 3;
    if (!cmyk) {
      // Rows go straight into the picture when the crop delivers exactly the kept width.
      JSAMPROW target =
          info.output_width == static_cast<JDIMENSION>(p.kept_width) ? out : row_start;
      d.readRow(target);
      if (target != out) std::memcpy(out, row_start, static_cast<std::size_t>(p.kept_width) * 3);
    } else {
      JSAMPROW target = row_start;
      d.readRow(target);
      cmykToBgr(row_start, p.kept_width, out);
    }
  }
  jpeg_abort_decompress(&info);
  return p;
}

}  // namespace facetry
