// materials/picture.h: texture pictures decoded from BMP, JPEG and GIF files. A decoder
// keeps only the top-left part of a picture that a texture can use, so a picture's memory
// never grows with the size its header claims: the kept pixels plus one row at most.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace facetry {

// A texture uses at most the top-left 399 x 399 pixels of its picture.
constexpr int kTextureLimit = 399;

struct Picture {
  int width = 0;  // the picture's own size, as its file gives it
  int height = 0;
  int kept_width = 0;  // min(width, the limit the decoder was given)
  int kept_height = 0;
  std::vector<std::uint8_t> bgr;  // kept_height rows of kept_width pixels, blue, green, red

  bool empty() const { return kept_width <= 0 || kept_height <= 0; }
  // Kept pixel (column, row), blue first; the caller keeps inside the kept size.
  const std::uint8_t* pixel(int column, int row) const {
    return bgr.data() + (static_cast<std::size_t>(row) * static_cast<std::size_t>(kept_width) +
                         static_cast<std::size_t>(column)) *
                            3;
  }
};

// Decodes the BMP, JPEG or GIF picture in `path` (recognised by its first bytes), keeping
// its top-left `keep` x `keep` pixels. Throws IoError when the file cannot be read and
// FormatError, naming the file and the fault, when it is not a picture that can be decoded.
Picture decodePicture(const std::string& path, int keep = kTextureLimit);

// The same for a picture held in memory; `name` names it in error messages.
Picture decodePictureBytes(const std::uint8_t* data, std::size_t size, const std::string& name,
                           int keep = kTextureLimit);

// The decoders behind it, each for bytes in memory. BMP: 1, 4, 8, 16, 24 and 32 bits,
// uncompressed, bit fields and RLE4 / RLE8, bottom-up or top-down. JPEG: through libjpeg,
// grey, colour and CMYK, baseline or progressive. GIF: through giflib, the first image with
// its local or the global colour table, interlaced or not; its faults are reported as "Geen
// GIF file", "Kleurentabel niet aanwezig" or "Onverwacht bestands einde".
Picture decodeBmp(const std::uint8_t* data, std::size_t size, const std::string& name, int keep);
Picture decodeJpeg(const std::uint8_t* data, std::size_t size, const std::string& name, int keep);
Picture decodeGif(const std::uint8_t* data, std::size_t size, const std::string& name, int keep);

namespace picture_detail {
// An empty picture of the given size with room for its kept part; throws FormatError for a
// size below 1 (`name` names the file).
Picture startPicture(long long width, long long height, int keep, const std::string& name);
}  // namespace picture_detail

}  // namespace facetry
