// render/jpeg_writer.h: JPEG pictures through libjpeg with the library's default settings.
#pragma once
#include <string>

#include "render/canvas.h"

namespace facetry {

// The JPEG bytes of `picture` (baseline, the library's default quality 75).
// Throws IoError when the encoder fails.
std::string encodeJpeg(const Canvas& picture);
// Writes them to `path` through a temporary file, so a failed write leaves no half-written
// picture under that name. Throws IoError.
void writeJpeg(const Canvas& picture, const std::string& path);

}  // namespace facetry
