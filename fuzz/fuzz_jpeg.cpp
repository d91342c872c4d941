// Fuzz target of the JPEG picture decoder.
#include "picture_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return facetry::fuzzPictureDecoder(facetry::decodeJpeg, data, size);
}
