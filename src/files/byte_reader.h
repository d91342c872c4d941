// files/byte_reader.h: bounds-checked reading of a file held in memory. Every reader of a
// binary format goes through it, so no count or length read from a file can make it read
// past the end.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace facetry {

class ByteReader {
 public:
  // `name` is the file name used in error messages.
  ByteReader(std::string_view bytes, std::string name) : bytes_(bytes), name_(std::move(name)) {}

  std::size_t offset() const { return pos_; }
  std::size_t remaining() const { return bytes_.size() - pos_; }
  bool atEnd() const { return pos_ >= bytes_.size(); }
  const std::string& name() const { return name_; }

  // Copies `size` bytes when that many are left and returns true; otherwise consumes
  // nothing and returns false.
  bool tryRead(void* out, std::size_t size) {
    if (remaining() < size) return false;
    std::memcpy(out, bytes_.data() + pos_, size);
    pos_ += size;
    return true;
  }
  template <typename T>
  bool tryRead(T& value) {
    return tryRead(&value, sizeof value);
  }
  // Like tryRead but throws FormatError naming what was being read when the file ends.
  void read(void* out, std::size_t size, const char* what);
  std::int32_t readInt32(const char* what);
  std::uint16_t readUint16(const char* what);
  void skip(std::size_t size, const char* what);

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::string name_;
};

}  // namespace facetry
