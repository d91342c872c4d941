// files/byte_reader.cpp: the failing paths of the bounds-checked reader.
#include "files/byte_reader.h"

#include "scene/errors.h"

namespace facetry {

void ByteReader::read(void* out, std::size_t size, const char* what) {
  if (!tryRead(out, size)) {
    throw FormatError(name_ + ": " + what + " needs " + std::to_string(size) +
                      " bytes at offset " + std::to_string(pos_) + "; the file has " +
                      std::to_string(bytes_.size()));
  }
}

std::int32_t ByteReader::readInt32(const char* what) {
  std::int32_t value = 0;
  read(&value, 4, what);
  return value;
}

std::uint16_t ByteReader::readUint16(const char* what) {
  std::uint16_t value = 0;
  read(&value, 2, what);
  return value;
}

void ByteReader::skip(std::size_t size, const char* what) {
  if (remaining() < size) {
    throw FormatError(name_ + ": " + what + " claims " + std::to_string(size) +
                      " bytes at offset " + std::to_string(pos_) + "; the file has " +
                      std::to_string(bytes_.size()));
  }
  pos_ += size;
}

}  // namespace facetry
