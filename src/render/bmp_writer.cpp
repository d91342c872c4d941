// render/bmp_writer.cpp: 24-bit BMP encoding.
#include "render/bmp_writer.h"

#include <cstdint>

#include "scene/file_io.h"

namespace facetry {

namespace {

void put16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

std::string encodeBmp(const Canvas& picture) {
  const auto width = static_cast<std::uint32_t>(picture.width());
  const auto height = static_cast<std::uint32_t>(picture.height());
  const std::uint32_t row_bytes = (width * 3 + 3) & ~3u;
  const std::uint32_t image_bytes = row_bytes * height;
  std::string out;
  out.reserve(54 + image_bytes);
  out += "BM";
  put32(out, 54 + image_bytes);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, width);
  put32(out, height);
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // no compression
  put32(out, image_bytes);
  put32(out, 2835);  // 72 dots per inch
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (std::uint32_t y = height; y-- > 0;) {
    const std::uint8_t* row = picture.row(static_cast<int>(y));
    out.append(reinterpret_cast<const char*>(row), width * 3);
    out.append(row_bytes - width * 3, '\0');
  }
  return out;
}

void writeBmp(const Canvas& picture, const std::string& path) {
  const std::string bytes = encodeBmp(picture);
  AtomicFileWriter out(path);
  out.write(bytes.data(), bytes.size());
  out.commit();
}

}  // namespace facetry
