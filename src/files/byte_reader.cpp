// files/byte_reader.cpp: the bounds-checked reader.
#include "files/byte_reader.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "scene/errors.h"

namespace facetry {

ByteReader::ByteReader(std::string_view bytes, std::string name)
    : bytes_(bytes), size_(bytes.size()), name_(std::move(name)) {}

ByteReader::ByteReader(std::FILE* file, std::size_t size, std::string name)
    : file_(file), size_(size), name_(std::move(name)) {}

ByteReader ByteReader::open(const std::string& path, std::string name) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    throw IoError(path + ": cannot open the file for reading (" + std::strerror(errno) + ")");
  }
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
    std::fclose(file);
    throw IoError(path + ": not a readable file");
  }
  return ByteReader(file, static_cast<std::size_t>(info.st_size), std::move(name));
}

ByteReader::~ByteReader() {
  if (file_) std::fclose(file_);
}

ByteReader::ByteReader(ByteReader&& other) noexcept
    : bytes_(other.bytes_),
      file_(std::exchange(other.file_, nullptr)),
      size_(other.size_),
      pos_(other.pos_),
      name_(std::move(other.name_)) {}

bool ByteReader::tryRead(void* out, std::size_t size) {
  if (remaining() < size) return false;
  if (file_) {
    const std::size_t got = std::fread(out, 1, size, file_);
    if (got != size) {
      if (std::ferror(file_)) {
        throw IoError(name_ + ": reading failed at offset " + std::to_string(pos_) + " (" +
                      std::strerror(errno) + ")");
      }
      pos_ = size_ = pos_ + got;  // the file shrank while it was read: that is its end
      return false;
    }
  } else {
    std::memcpy(out, bytes_.data() + pos_, size);
  }
  pos_ += size;
  return true;
}

void ByteReader::read(void* out, std::size_t size, const char* what) {
  if (!tryRead(out, size)) {
    throw FormatError(name_ + ": " + what + " needs " + std::to_string(size) + " bytes at offset " +
                      std::to_string(pos_) + "; the file has " + std::to_string(size_));
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
                      std::to_string(size_));
  }
  if (file_ && std::fseek(file_, static_cast<long>(size), SEEK_CUR) != 0) {
    throw IoError(name_ + ": cannot skip " + std::to_string(size) + " bytes");
  }
  pos_ += size;
}

}  // namespace facetry
