// scene/file_io.cpp: whole-file reads and safe writes.
#include "scene/file_io.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "scene/errors.h"

namespace facetry {

namespace {

std::string describeErrno(const std::string& path, const char* what, int error) {
  return path + ": " + what + " (" + std::strerror(error) + ")";
}

}  // namespace

std::string readWholeFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) throw IoError(describeErrno(path, "cannot open the file for reading", errno));
  std::string bytes;
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  std::size_t got = 0;
  if (!ec && size > 0 && size < (std::uintmax_t{1} << 32)) {
    // One read of the announced size, then whatever the file grew by meanwhile.
    bytes.resize(static_cast<std::size_t>(size));
    got = std::fread(bytes.data(), 1, bytes.size(), file);
    bytes.resize(got);
  }
  char chunk[1 << 16];
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  const int error = errno;
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) throw IoError(describeErrno(path, "reading the file failed", error));
  return bytes;
}

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)) {
  std::error_code ec;
  if (std::filesystem::is_directory(path_, ec)) {
    throw IoError(path_ + ": cannot write the file, a directory of that name exists");
  }
  temp_ = path_ + ".part~";
  file_ = std::fopen(temp_.c_str(), "wb");
  if (!file_) throw IoError(describeErrno(path_, "cannot create the file", errno));
}

AtomicFileWriter::~AtomicFileWriter() {
  if (file_) {
    std::fclose(file_);
    std::error_code ignored;
    std::filesystem::remove(temp_, ignored);
  }
}

void AtomicFileWriter::write(const void* bytes, std::size_t size) {
  if (failed_ || size == 0) return;
  if (std::fwrite(bytes, 1, size, file_) != size) {
    failed_ = true;
    error_ = errno;
  }
}

void AtomicFileWriter::commit() {
  if (!failed_ && std::fflush(file_) != 0) {
    failed_ = true;
    error_ = errno;
  }
  const int closed = std::fclose(file_);
  file_ = nullptr;
  if (!failed_ && closed != 0) {
    failed_ = true;
    error_ = errno;
  }
  std::error_code ec;
  if (failed_) {
    std::filesystem::remove(temp_, ec);
    throw IoError(describeErrno(path_, "writing the file failed", error_));
  }
  std::filesystem::rename(temp_, path_, ec);
  if (ec) {
    std::filesystem::remove(temp_, ec);
    throw IoError(path_ + ": cannot replace the file (" + ec.message() + ")");
  }
}

}  // namespace facetry
