// Fuzz target of the BMP picture decoder.
#include "picture_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return facetry::fuzzPictureDecoder(facetry::decodeBmp, data, size);
}
