// files/byte_reader.h: bounds-checked reading of a binary file, from memory or streamed
// from disk. Every reader of a binary format goes through it, so no count or length read
// from a file can make it read past the end: each read is checked against the bytes left.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace facetry {

class ByteReader {
 public:
  // Reads from `bytes` in memory; `name` is the file name used in error messages.
  ByteReader(std::string_view bytes, std::string name);
  // Streams the file at `path` (large blocks go straight into the caller's memory).
  // Throws IoError when it cannot be opened.
  static ByteReader open(const std::string& path, std::string name);
  ~ByteReader();
  ByteReader(ByteReader&& other) noexcept;
  ByteReader(const ByteReader&) = delete;
  ByteReader& operator=(const ByteReader&) = delete;
  ByteReader& operator=(ByteReader&&) = delete;

  std::size_t offset() const { return pos_; }
  std::size_t size() const { return size_; }
  std::size_t remaining() const { return size_ - pos_; }
  bool atEnd() const { return pos_ >= size_; }
  const std::string& name() const { return name_; }

  // Copies `size` bytes when that many are left and returns true; otherwise consumes
  // nothing and returns false. Throws IoError when the disk fails mid-read.
  bool tryRead(void* out, std::size_t size);
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
  ByteReader(std::FILE* file, std::size_t size, std::string name);

  std::string_view bytes_;
  std::FILE* file_ = nullptr;
  std::size_t size_ = 0;
  std::size_t pos_ = 0;
  std::string name_;
};

}  // namespace facetry
