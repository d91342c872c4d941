// render/bmp_writer.h: 24-bit uncompressed BMP pictures.
#pragma once
#include <string>

#include "render/canvas.h"

namespace facetry {

// The bytes of a 24-bit BMP of `picture`: 14-byte file header, 40-byte info header
// (72 dpi), rows bottom-up, each padded to a multiple of 4 bytes.
std::string encodeBmp(const Canvas& picture);
// Writes it to `path` through a temporary file, so a failed write leaves no half-written
// picture under that name. Throws IoError.
void writeBmp(const Canvas& picture, const std::string& path);

}  // namespace facetry
